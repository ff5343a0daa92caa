#include "target_display.h"

#include <QPainter>
#include <QTextLayout>

#include "text_codec.h"

namespace dru::ui {
namespace {

// Far more characters than the box can show at any font size it may get.
constexpr std::size_t kRenderedBytes = 4096;

}  // namespace

TargetDisplay::TargetDisplay(QWidget* parent) : QLabel(parent) {
  setFrameStyle(QFrame::Panel | QFrame::Sunken);
  setTextFormat(Qt::PlainText);  // ampersands and angle brackets as they stand
  setWordWrap(true);
  setAlignment(Qt::AlignLeft | Qt::AlignTop);
  setTextInteractionFlags(Qt::NoTextInteraction);
}

void TargetDisplay::paintEvent(QPaintEvent* event) {
  QFrame::paintEvent(event);  // the sunken frame; the text follows
  // One pixel inside the frame, as the input box's text sits in its box.
  const QRect area = contentsRect().adjusted(1, 1, -1, -1);
  QTextOption option(Qt::AlignLeft);
  option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  QTextLayout layout(text(), font());
  layout.setTextOption(option);
  layout.beginLayout();
  qreal height = 0;
  for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
    line.setLineWidth(area.width());
    line.setPosition(QPointF(0, height));
    height += line.height();
  }
  layout.endLayout();
  QPainter painter(this);
  painter.setPen(palette().color(QPalette::WindowText));
  painter.setClipRect(area);
  for (int i = 0; i < layout.lineCount(); ++i) {
    const QTextLine line = layout.lineAt(i);
    if (line.y() + line.height() > area.height()) break;  // only whole lines
    line.draw(&painter, area.topLeft());
  }
}

void TargetDisplay::SetBytes(std::string_view bytes) {
  bytes_.assign(bytes);
  std::string_view shown = bytes.substr(0, kRenderedBytes);
  // A cut inside a UTF-8 character would show as a replacement character.
  if (encoding_ == TextEncoding::Utf8 && shown.size() < bytes.size()) {
    while (!shown.empty() && IsContinuationByte(bytes[shown.size()]))
      shown.remove_suffix(1);
  }
  setText(DecodeText(shown, encoding_));
}

void TargetDisplay::SetEncoding(TextEncoding encoding) {
  encoding_ = encoding;
  SetBytes(std::string(bytes_));
}

}  // namespace dru::ui
