// The Progress window's chart of learning steps, drawn with QPainter.
#include "ui/progress/step_chart.h"

#include <QPainter>
#include <algorithm>
#include <numeric>

#include "ui/platform/translation.h"
#include "ui/progress/focus_frame.h"

namespace dru::ui {
namespace {

std::int64_t Sentences(const DayHistory& day) {
  return std::accumulate(day.atStep.begin(), day.atStep.end(), std::int64_t{0});
}

QString DayInWords(const DayHistory& day) {
  QStringList steps;
  for (int step = 0; step < kLearningSteps; ++step) {
    if (day.atStep[step] == 0) continue;
    steps << QStringLiteral("%1 %2")
                 .arg(day.atStep[step])
                 .arg(Tr("Recall", LevelName(static_cast<CueLevel>(step)).data()));
  }
  QString words = Tr("Chart", "At the end of %1: %2")
                      .arg(QString::fromStdString(day.day), steps.join(QStringLiteral(", ")));
  if (day.learned > 0) {
    const int learned = PluralCount(day.learned);
    words += Tr("Chart", "; %n sentence(s) learned that day", nullptr, learned);
  }
  return words + QLatin1Char('.');
}

}  // namespace

QString DescribeSteps(const std::vector<DayHistory>& days) {
  std::vector<const DayHistory*> counted;
  for (const DayHistory& day : days) {
    if (Sentences(day) > 0) counted.push_back(&day);
  }
  if (counted.empty()) return Tr("Chart", "No learning steps yet.");
  QString words = DayInWords(*counted.front());
  if (counted.size() > 1) words += QLatin1Char(' ') + DayInWords(*counted.back());
  return words;
}

StepChart::StepChart(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("ProgressSteps"));
  setAccessibleName(Tr("Chart", "Learning steps chart"));
  setMinimumSize(240, 60);
  // Reachable with Tab, so that a screen reader reads it.
  setFocusPolicy(Qt::TabFocus);
  SetDays({});
}

void StepChart::SetDays(std::vector<DayHistory> days) {
  days_ = std::move(days);
  setAccessibleDescription(DescribeSteps(days_));
  update();
}

void StepChart::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setLayoutDirection(layoutDirection());
  const QPalette& colours = palette();
  painter.fillRect(rect(), colours.color(QPalette::Base));
  DrawFocusFrame(*this, painter);
  const QFontMetrics metrics = fontMetrics();
  const int line = metrics.height();
  const QColor text = colours.color(QPalette::Text);
  const QColor strong = colours.color(QPalette::Highlight);
  const QColor base = colours.color(QPalette::Base);
  // Whole faint, prompt only in the highlight's full colour.
  QColor shades[kLearningSteps];
  for (int step = 0; step < kLearningSteps; ++step) {
    const float share = 0.25f + 0.25f * static_cast<float>(step);
    shades[step] = QColor::fromRgbF(strong.redF() * share + base.redF() * (1 - share),
                                    strong.greenF() * share + base.greenF() * (1 - share),
                                    strong.blueF() * share + base.blueF() * (1 - share));
  }
  // The legend: one swatch a step.
  int x = 8;
  for (int step = 0; step < kLearningSteps; ++step) {
    const QString name = Tr("Recall", LevelName(static_cast<CueLevel>(step)).data());
    painter.fillRect(x, 3, 12, line - 4, shades[step]);
    painter.setPen(text);
    painter.drawRect(x, 3, 12, line - 4);
    painter.drawText(x + 18, line, name);
    x += 30 + metrics.horizontalAdvance(name);
  }
  const QRect plot = rect().adjusted(8, line + 8, -8, -4);
  std::int64_t most = 1;
  for (const DayHistory& day : days_)
    most = std::max(most, Sentences(day));
  if (days_.empty() || most == 0) return;
  const double slot = static_cast<double>(plot.width()) / static_cast<double>(days_.size());
  for (std::size_t i = 0; i < days_.size(); ++i) {
    double bottom = plot.bottom();
    for (int step = 0; step < kLearningSteps; ++step) {
      const double height = static_cast<double>(plot.height()) *
                            static_cast<double>(days_[i].atStep[step]) / static_cast<double>(most);
      const QRectF segment(plot.left() + slot * (static_cast<double>(i) + 0.15), bottom - height,
                           slot * 0.7, height);
      painter.fillRect(segment, shades[step]);
      // Its count written in it, where it has room.
      const QString count = QString::number(days_[i].atStep[step]);
      if (height >= line && segment.width() >= metrics.horizontalAdvance(count) + 4) {
        painter.setPen(step >= 2 ? colours.color(QPalette::HighlightedText) : text);
        painter.drawText(segment, Qt::AlignCenter, count);
      }
      bottom -= height;
    }
  }
}

}  // namespace dru::ui
