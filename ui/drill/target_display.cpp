#include "ui/drill/target_display.h"

#include <QPainter>
#include <QTextLayout>
#include <algorithm>
#include <iterator>
#include <utility>
#include <vector>

#include "ui/drill/mistake_text.h"
#include "ui/platform/text_codec.h"

namespace dru::ui {
namespace {

// The UTF-16 units that characters code points of text take from from.
int Units(const QString& text, int from, std::size_t characters) {
  int at = from;
  for (std::size_t i = 0; i < characters && at < text.size(); ++i)
    at += text[at].isHighSurrogate() && at + 1 < text.size() ? 2 : 1;
  return at - from;
}

}  // namespace

TargetDisplay::TargetDisplay(QWidget* parent) : QLabel(parent) {
  setFrameStyle(QFrame::Panel | QFrame::Sunken);
  setTextFormat(Qt::PlainText);  // ampersands and angle brackets as they stand
  setWordWrap(true);
  setAlignment(Qt::AlignLeft | Qt::AlignTop);
  setTextInteractionFlags(Qt::NoTextInteraction);
}

QRect TargetDisplay::TextArea() const {
  // One pixel inside the frame, as the input box's text sits in its box.
  return contentsRect().adjusted(1, 1, -1, -1);
}

void TargetDisplay::LayOut(QTextLayout& layout) const {
  // Each sentence reads in the direction of its own script: Hebrew and
  // Arabic from the right edge.
  const bool rightToLeft = text().isRightToLeft();
  QTextOption option(rightToLeft ? Qt::AlignRight : Qt::AlignLeft);
  option.setTextDirection(rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
  option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  layout.setTextOption(option);
  layout.beginLayout();
  qreal height = 0;
  for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
    line.setLineWidth(TextArea().width());
    line.setPosition(QPointF(0, height));
    height += line.height();
  }
  layout.endLayout();
}

int TargetDisplay::LinesThatFit(const QTextLayout& layout) const {
  int fit = 0;
  const int height = TextArea().height();
  for (int i = 0; i < layout.lineCount(); ++i) {
    const QTextLine line = layout.lineAt(i);
    if (line.y() - layout.lineAt(0).y() + line.height() > height) break;
    ++fit;
  }
  return std::max(fit, 1);
}

void TargetDisplay::paintEvent(QPaintEvent* event) {
  QFrame::paintEvent(event);  // the sunken frame; the text follows
  QTextLayout layout(text(), font());
  if (matched_ > 0 || wrong_ > 0) {
    // Colour and lines only, so that the lines break where they did.
    const MarkColours colours = ReadableMarkColours(palette().color(backgroundRole()));
    QTextLayout::FormatRange done;
    done.start = 0;
    done.length = matched_;
    done.format.setForeground(colours.missing);
    done.format.setFontUnderline(true);
    QTextLayout::FormatRange wrong;
    wrong.start = matched_;
    wrong.length = wrong_;
    // Reversed: a solid block, however narrow the character.
    wrong.format.setBackground(colours.wrong);
    wrong.format.setForeground(palette().color(backgroundRole()));
    layout.setFormats({done, wrong});
  }
  LayOut(layout);
  const QRect area = TextArea();
  QPainter painter(this);
  painter.setPen(palette().color(QPalette::WindowText));
  painter.setClipRect(area);
  if (firstLine_ >= layout.lineCount()) return;
  // Whole lines only, from the first one shown.
  const qreal top = layout.lineAt(firstLine_).y();
  for (int i = firstLine_; i < layout.lineCount(); ++i) {
    const QTextLine line = layout.lineAt(i);
    if (line.y() - top + line.height() > area.height()) break;
    line.draw(&painter, QPointF(area.left(), area.top() - top));
  }
}

void TargetDisplay::FollowTyping(int typed) {
  int first = 0;
  if (typed > 0 && lineEnds_.size() > 1) {
    // The line the next character typed falls in, shown with as many lines
    // before it as fit.
    const auto line = std::upper_bound(lineEnds_.begin(), lineEnds_.end(), typed);
    const int current = line == lineEnds_.end() ? static_cast<int>(lineEnds_.size()) - 1
                                                : static_cast<int>(line - lineEnds_.begin());
    first = std::clamp(firstLine_, std::max(0, current - linesThatFit_ + 1), current);
  }
  if (first != firstLine_) {
    firstLine_ = first;
    update();
  }
}

void TargetDisplay::ShowMatch(int matched, int wrong) {
  matched = std::clamp(matched, 0, static_cast<int>(text().size()));
  wrong = std::clamp(wrong, 0, static_cast<int>(text().size()) - matched);
  if (matched == matched_ && wrong == wrong_) return;
  matched_ = matched;
  wrong_ = wrong;
  update();
}

void TargetDisplay::ShowMatchedCharacters(std::size_t matched, std::size_t wrong) {
  const QString shown = text();
  const int matchedUnits = Units(shown, 0, matched);
  ShowMatch(matchedUnits, Units(shown, matchedUnits, wrong));
}

void TargetDisplay::ShowWhole() {
  MeasureLines();
  firstLine_ = 0;
  update();
}

void TargetDisplay::MeasureLines() {
  // Where each line ends, kept for following the typing without laying
  // the text out at every key.
  QTextLayout layout(text(), font());
  LayOut(layout);
  lineEnds_.clear();
  for (int i = 0; i < layout.lineCount(); ++i) {
    const QTextLine line = layout.lineAt(i);
    lineEnds_.push_back(line.textStart() + line.textLength());
  }
  linesThatFit_ = LinesThatFit(layout);
  // A sentence longer than the box can show is there whole in the tooltip,
  // as it is in the accessible name, the label's text.
  setToolTip(layout.lineCount() > linesThatFit_ ? text() : QString());
}

void TargetDisplay::resizeEvent(QResizeEvent* event) {
  QLabel::resizeEvent(event);
  ShowWhole();
}

QString ClosingDirections(QString text) {
  // The embeddings, overrides (U+202A to U+202E) and isolates (U+2066 to
  // U+2068) still open at the end, innermost last; true for an isolate.
  std::vector<bool> open;
  for (const QChar c : std::as_const(text)) {
    const char16_t code = c.unicode();
    if (code >= 0x202A && code <= 0x202E && code != kPopDirectionalFormatting) {
      open.push_back(false);
    } else if (code == kPopDirectionalFormatting && !open.empty() && !open.back()) {
      open.pop_back();
    } else if (code >= 0x2066 && code <= kFirstStrongIsolate) {
      open.push_back(true);
    } else if (code == kPopIsolate) {
      // Closes its isolate and whatever was opened inside it.
      const auto isolate = std::find(open.rbegin(), open.rend(), true);
      if (isolate != open.rend()) open.erase(std::prev(isolate.base()), open.end());
    }
  }
  for (auto it = open.rbegin(); it != open.rend(); ++it)
    text += QChar(*it ? kPopIsolate : kPopDirectionalFormatting);
  return text;
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
  matched_ = wrong_ = 0;
  ShowWhole();
}

void TargetDisplay::SetCue(std::string_view bytes, std::string_view prompt, const QString& note) {
  // A cue hides the end of an embedding or override with the word it
  // closes: each piece is closed on its own, so that neither reaches into
  // the other. (Only what is open gets a closing mark: a screen reader
  // reads the text as it stands.)
  QString shown = ClosingDirections(DecodeText(bytes, encoding_));
  if (!prompt.empty()) {
    std::string_view start = prompt.substr(0, kRenderedBytes);
    while (encoding_ == TextEncoding::Utf8 && start.size() < prompt.size() && !start.empty() &&
           IsContinuationByte(prompt[start.size()])) {
      start.remove_suffix(1);
    }
    shown += QChar(QChar::LineSeparator);
    shown += ClosingDirections(DecodeText(start, encoding_));
  }
  // Last, so that the cue's characters stand where typing marks them.
  if (!note.isEmpty()) shown += QChar(QChar::LineSeparator) + note;
  if (bytes_ == bytes && text() == shown) return;
  bytes_.assign(bytes);
  setText(shown);
  MeasureLines();
  firstLine_ = std::min(firstLine_, std::max(0, static_cast<int>(lineEnds_.size()) - 1));
  update();
}

void TargetDisplay::SetEncoding(TextEncoding encoding) {
  encoding_ = encoding;
  SetBytes(std::string(bytes_));
}

}  // namespace dru::ui
