#pragma once

#include <QPlainTextEdit>
#include <cstdint>
#include <functional>
#include <string>

namespace dru::ui {

// MemoTPD: the multi-line box the user types into. Every key event is
// first reported as a key-down code and a typed character, then edited the
// way a plain edit box does, except that Enter and Esc are never inserted
// and Ctrl+Enter inserts a line break.
class InputBox : public QPlainTextEdit {
 public:
  explicit InputBox(QWidget* parent);

  std::function<void(std::uint16_t)> onKeyDown;
  std::function<void(unsigned char)> onKeyPress;

  // The text as bytes; a line break reads as CR LF.
  std::string Bytes() const;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace dru::ui
