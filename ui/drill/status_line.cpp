// The status line under the drill: what the last Enter got wrong.
#include "ui/drill/status_line.h"

#include <QLabel>
#include <QTimer>

#include "ui/drill/mistake_text.h"
#include "ui/platform/translation.h"

namespace dru::ui {

StatusLine::StatusLine(QWidget* parent) : QStatusBar(parent) {
  setObjectName(QStringLiteral("StatusBarMain"));
  setSizeGripEnabled(false);
  text_ = new QLabel(this);
  text_->setObjectName(QStringLiteral("StatusText"));
  text_->setTextFormat(Qt::RichText);
  addWidget(text_, 1);
  clearTimer_ = new QTimer(this);
  clearTimer_->setSingleShot(true);
  clearTimer_->setInterval(2000);
  connect(clearTimer_, &QTimer::timeout, this, [this] { Clear(); });
}

void StatusLine::ShowMistakes(std::string_view typed, std::string_view expected,
                              const Comparison& comparison, TextEncoding encoding) {
  const MarkColours colours = ReadableMarkColours(palette().color(backgroundRole()));
  const MistakeText text = DescribeMistakes(typed, expected, comparison, encoding, colours,
                                            text_->fontMetrics(), text_->width());
  clearTimer_->stop();
  text_->setText(text.line);
  text_->setToolTip(text.toolTip);
  text_->setAccessibleName(text.summary);
  text_->setAccessibleDescription(text.description);
}

void StatusLine::ShowCorrect() {
  text_->setText(Tr("StatusLine", "Correct."));
  text_->setToolTip(QString());
  text_->setAccessibleName(text_->text());
  text_->setAccessibleDescription(QString());
  clearTimer_->start();
}

void StatusLine::ShowNotice(const QString& text) {
  clearTimer_->stop();
  text_->setText(text.toHtmlEscaped());
  // Whole in the tooltip: the bar may be too narrow for it now or after a
  // change of font or window.
  text_->setToolTip(text);
  text_->setAccessibleName(text);
  text_->setAccessibleDescription(QString());
}

void StatusLine::Clear() {
  clearTimer_->stop();
  text_->clear();
  text_->setToolTip(QString());
  text_->setAccessibleName(QString());
  text_->setAccessibleDescription(QString());
}

}  // namespace dru::ui
