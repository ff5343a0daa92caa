// The Progress window's chart, drawn with QPainter.
#include "ui/progress/progress_chart.h"

#include <QAccessibleWidget>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "ui/platform/colours.h"
#include "ui/platform/translation.h"
#include "ui/progress/focus_frame.h"
#include "ui/progress/progress_window.h"

namespace dru::ui {
namespace {

// A round top for the speed axis: 100, 200, 500, 1000 …
std::int64_t AxisTop(std::int64_t most) {
  std::int64_t step = 100;
  while (most > step * 5)
    step *= 10;
  return std::max<std::int64_t>(step, (most + step - 1) / step * step);
}

QColor Mix(const QColor& a, const QColor& b, double share) {
  return QColor::fromRgbF(static_cast<float>(a.redF() * share + b.redF() * (1 - share)),
                          static_cast<float>(a.greenF() * share + b.greenF() * (1 - share)),
                          static_cast<float>(a.blueF() * share + b.blueF() * (1 - share)));
}

}  // namespace

QColor ShareBarColour(const QPalette& palette) {
  const QColor base = palette.color(QPalette::Base);
  const QColor text = palette.color(QPalette::Text);
  for (double share = 0.3; share < 1.0; share += 0.05) {
    const QColor bar = Mix(text, base, share);
    if (ContrastRatio(bar, base) >= 3.0) return bar;
  }
  return text;
}

QString DescribeTrend(const std::vector<DayHistory>& days) {
  std::int64_t answers = 0;
  std::int64_t correct = 0;
  std::vector<const DayHistory*> timed;
  for (const DayHistory& day : days) {
    answers += day.answers;
    correct += day.correct;
    if (day.medianSpeed > 0) timed.push_back(&day);
  }
  if (answers == 0) return Tr("Chart", "No answers yet.");
  const QString share = Tr("Chart", "%1% correct.").arg(correct * 100 / answers);
  if (timed.empty()) return Tr("Chart", "No correct answers yet; %1").arg(share);
  const int dayCount = static_cast<int>(days.size());
  const std::int64_t from = timed.front()->medianSpeed;
  const std::int64_t to = timed.back()->medianSpeed;
  if (timed.size() == 1 || from == to) {
    return Tr("Chart", "Median speed %1 keys per minute over %n day(s); %2", nullptr, dayCount)
        .arg(QString::number(to), share);
  }
  return (to > from
              ? Tr("Chart", "Median speed rose from %1 to %2 keys per minute over %n day(s); %3",
                   nullptr, dayCount)
              : Tr("Chart", "Median speed fell from %1 to %2 keys per minute over %n day(s); %3",
                   nullptr, dayCount))
      .arg(QString::number(from), QString::number(to), share);
}

namespace {

// A chart to a screen reader, not a blank panel: one it passes by without
// a word when Tab reaches it.
QAccessibleInterface* ChartFor(const QString&, QObject* object) {
  auto* chart = dynamic_cast<ProgressChart*>(object);
  return chart != nullptr ? new QAccessibleWidget(chart, QAccessible::Chart) : nullptr;
}

}  // namespace

ProgressChart::ProgressChart(QWidget* parent) : QWidget(parent) {
  static const bool installed = [] {
    QAccessible::installFactory(&ChartFor);
    return true;
  }();
  (void)installed;
  setObjectName(QStringLiteral("ProgressChart"));
  setAccessibleName(Tr("Chart", "Progress chart"));
  setMinimumSize(240, 90);
  // Reachable with Tab, so that a screen reader reads the trend.
  setFocusPolicy(Qt::TabFocus);
  SetDays({});
}

void ProgressChart::SetDays(std::vector<DayHistory> days) {
  days_ = std::move(days);
  setAccessibleDescription(DescribeTrend(days_));
  update();
}

void ProgressChart::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  // A painter starts in the program's direction, not the widget's.
  painter.setLayoutDirection(layoutDirection());
  painter.setRenderHint(QPainter::Antialiasing);
  const QPalette& colours = palette();
  painter.fillRect(rect(), colours.color(QPalette::Base));
  DrawFocusFrame(*this, painter);
  const QFontMetrics metrics = fontMetrics();
  Frame frame;
  frame.line = metrics.height();
  frame.plot =
      rect().adjusted(metrics.horizontalAdvance(QStringLiteral("00000")) + 8, frame.line + 10,
                      -metrics.horizontalAdvance(QStringLiteral("100%")) - 8, -frame.line - 8);
  frame.text = colours.color(QPalette::Text);
  frame.median = colours.color(QPalette::Highlight);
  frame.bars = ShareBarColour(colours);
  std::int64_t most = 0;
  for (const DayHistory& day : days_)
    most = std::max(most, day.bestSpeed);
  frame.top = AxisTop(most);
  DrawLegend(painter, frame);
  DrawAxes(painter, frame);
  if (days_.empty()) {
    painter.drawText(frame.plot, Qt::AlignCenter, Tr("Chart", "No answers yet"));
    return;
  }
  DrawDays(painter, frame);
}

void ProgressChart::DrawLegend(QPainter& painter, const Frame& frame) const {
  const QFontMetrics metrics = fontMetrics();
  const int line = frame.line;
  int x = frame.plot.left();
  auto legend = [&](const QString& name, const QPen& pen, const QBrush& brush) {
    painter.setPen(pen);
    painter.setBrush(brush);
    if (brush.style() == Qt::NoBrush) {
      painter.drawLine(x, line / 2 + 3, x + 16, line / 2 + 3);
    } else {
      painter.drawRect(x, 3, 12, line - 4);
    }
    painter.setPen(frame.text);
    painter.drawText(x + 20, line, name);
    x += 28 + metrics.horizontalAdvance(name);
  };
  legend(Tr("Chart", "Median speed"), QPen(frame.median, 2), Qt::NoBrush);
  legend(Tr("Chart", "Best speed"), QPen(frame.text, 1, Qt::DashLine), Qt::NoBrush);
  legend(Tr("Chart", "Correct"), QPen(Qt::NoPen), frame.bars);
}

// Keys per minute on the left, per cent correct on the right; the first
// and last day below (one day, once, in the middle).
void ProgressChart::DrawAxes(QPainter& painter, const Frame& frame) const {
  const QRect& plot = frame.plot;
  const int line = frame.line;
  painter.setPen(frame.text);
  painter.setBrush(Qt::NoBrush);
  painter.drawLine(plot.bottomLeft(), plot.bottomRight());
  painter.drawLine(plot.bottomLeft(), plot.topLeft());
  painter.drawLine(plot.bottomRight(), plot.topRight());
  for (int tick = 0; tick <= 4; ++tick) {
    const int y = plot.bottom() - plot.height() * tick / 4;
    painter.drawText(QRect(0, y - line / 2, plot.left() - 4, line), Qt::AlignRight,
                     QString::number(frame.top * tick / 4));
    painter.drawText(QRect(plot.right() + 4, y - line / 2, width(), line), Qt::AlignLeft,
                     QStringLiteral("%1%").arg(tick * 25));
  }
  if (days_.empty()) return;
  const QRect dates(plot.left(), plot.bottom() + 4, plot.width(), line);
  if (days_.size() == 1) {
    painter.drawText(dates, Qt::AlignHCenter, QString::fromStdString(days_.front().day));
  } else {
    painter.drawText(dates, Qt::AlignLeft, QString::fromStdString(days_.front().day));
    painter.drawText(dates, Qt::AlignRight, QString::fromStdString(days_.back().day));
  }
}

// One slot a day: a bar for the share correct, points joined for speeds.
void ProgressChart::DrawDays(QPainter& painter, const Frame& frame) const {
  const QRect& plot = frame.plot;
  const int line = frame.line;
  const double slot = static_cast<double>(plot.width()) / static_cast<double>(days_.size());
  auto speedY = [&](std::int64_t speed) {
    return plot.bottom() - static_cast<double>(plot.height()) * static_cast<double>(speed) /
                               static_cast<double>(frame.top);
  };
  QPainterPath medianPath;
  QPainterPath bestPath;
  for (std::size_t i = 0; i < days_.size(); ++i) {
    const DayHistory& day = days_[i];
    const double left = plot.left() + slot * static_cast<double>(i);
    const double share = day.answers > 0 ? static_cast<double>(day.correct) / day.answers : 0;
    painter.fillRect(QRectF(left + slot * 0.2, plot.bottom() - plot.height() * share, slot * 0.6,
                            plot.height() * share),
                     frame.bars);
    if (day.medianSpeed == 0) continue;
    const QPointF m(left + slot / 2, speedY(day.medianSpeed));
    const QPointF b(left + slot / 2, speedY(day.bestSpeed));
    if (medianPath.elementCount() == 0) {
      medianPath.moveTo(m);
      bestPath.moveTo(b);
    } else {
      medianPath.lineTo(m);
      bestPath.lineTo(b);
    }
    painter.setPen(QPen(frame.median, 2));
    painter.drawEllipse(m, 2.5, 2.5);
    // The best speed as a point too, so that a single day shows it.
    painter.setPen(QPen(frame.text, 1.5));
    painter.drawLine(b + QPointF(-4, 0), b + QPointF(4, 0));
    if (days_.size() == 1) {
      // One day: its figures written beside its points and bar.
      painter.setPen(frame.text);
      painter.drawText(b + QPointF(8, line / 3.0), Tr("Chart", "best %1").arg(day.bestSpeed));
      painter.drawText(m + QPointF(8, line / 3.0 + (b.y() - m.y() > -line ? line : 0)),
                       Tr("Chart", "median %1").arg(day.medianSpeed));
    }
  }
  if (days_.size() == 1) {
    const DayHistory& day = days_.front();
    painter.setPen(frame.text);
    painter.drawText(
        QRect(plot.left(), plot.bottom() - line - 4, plot.width(), line), Qt::AlignHCenter,
        Tr("Chart", "%1% correct").arg(day.answers > 0 ? day.correct * 100 / day.answers : 0));
  }
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(frame.text, 1, Qt::DashLine));
  painter.drawPath(bestPath);
  painter.setPen(QPen(frame.median, 2));
  painter.drawPath(medianPath);
}

}  // namespace dru::ui
