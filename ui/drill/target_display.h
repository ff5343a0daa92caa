#pragma once

#include <QLabel>
#include <QTextLayout>
#include <string>
#include <string_view>
#include <vector>

#include "core/text/text_encoding.h"

namespace dru::ui {

inline constexpr char16_t kPopDirectionalFormatting = 0x202C;
inline constexpr char16_t kFirstStrongIsolate = 0x2068;
inline constexpr char16_t kPopIsolate = 0x2069;
// text with the directional embeddings, overrides and isolates it leaves
// open closed at its end, so that they reach no further.
QString ClosingDirections(QString text);

// StaticTextTXD: shows the target record, wrapped at word boundaries (a
// word longer than the line breaks where it must), in the direction of its
// script, as many full lines as fit, its text level with the typed text
// below; a longer record scrolls with the typing and is whole in the
// tooltip. It keeps the exact bytes it was given, and renders only the
// start of a huge record. Its text is the label's text, which assistive
// tools read.
class TargetDisplay : public QLabel {
 public:
  // Far more characters than the box can show at any font size it may get.
  static constexpr std::size_t kRenderedBytes = 4096;

  explicit TargetDisplay(QWidget* parent);

  const std::string& Bytes() const noexcept { return bytes_; }
  void SetBytes(std::string_view bytes);
  // A sentence typed from memory: its cue as it stands, with its prompt
  // on a line of its own, and note (what to do) on a line after both.
  // The lines shown stay where they are.
  void SetCue(std::string_view bytes, std::string_view prompt, const QString& note = {});
  // Shows the same bytes again in encoding.
  void SetEncoding(TextEncoding encoding);
  // Keeps the line visible where the next character of the sentence is to
  // be typed, typed characters in: the display moves by whole lines, and
  // back to the start when nothing is typed.
  void FollowTyping(int typed);
  int FirstLineShown() const noexcept { return firstLine_; }
  // Marks how much of the sentence the typed text matches: matched
  // characters (of text()) in the "done" style, then wrong characters as
  // wrong. Both 0: no marks.
  void ShowMatch(int matched, int wrong);
  // The same, counted in the sentence's characters (code points).
  void ShowMatchedCharacters(std::size_t matched, std::size_t wrong);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  QRect TextArea() const;
  void LayOut(QTextLayout& layout) const;
  int LinesThatFit(const QTextLayout& layout) const;
  void ShowWhole();
  // Where each line ends, and the tooltip of a text longer than the box.
  void MeasureLines();

  std::string bytes_;
  int firstLine_ = 0;
  std::vector<int> lineEnds_;  // in characters of text()
  int linesThatFit_ = 1;
  int matched_ = 0;
  int wrong_ = 0;
  TextEncoding encoding_ = TextEncoding::Windows1252;
};

}  // namespace dru::ui
