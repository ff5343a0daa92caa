#pragma once

#include <QPlainTextEdit>
#include <cstdint>
#include <functional>
#include <string>

#include "core/text/text_encoding.h"

namespace dru::ui {

// MemoTPD: the multi-line box the user types into. Every key event is
// first reported as a key-down code and a typed character, then edited the
// way a plain edit box does, except that Enter and Esc are never inserted
// and Ctrl+Enter inserts a line break. Characters that an input method or
// a dead key composes are reported as typed characters too, one each.
class InputBox : public QPlainTextEdit {
 public:
  explicit InputBox(QWidget* parent);

  std::function<void(std::uint16_t)> onKeyDown;
  // The character typed: a byte of Windows-1252, or a code point in UTF-8.
  std::function<void(char32_t)> onKeyPress;

  // The text as bytes in the open file's encoding, with every character as
  // typed (a non-breaking space stays one); a line break reads as CR LF.
  std::string Bytes() const;
  void SetEncoding(TextEncoding encoding) noexcept { encoding_ = encoding; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;

 private:
  TextEncoding encoding_ = TextEncoding::Windows1252;
};

}  // namespace dru::ui
