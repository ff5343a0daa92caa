#pragma once

#include <QDialog>

namespace dru::ui {

// The about box: names the program and its version. Esc does not close it; OK
// and the title bar's close button do. It cannot be minimised: a window
// manager that offers the button anyway would hide the program behind a
// modal box that waits unseen.
class AboutBox : public QDialog {
 public:
  explicit AboutBox(QWidget* parent);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void changeEvent(QEvent* event) override;
};

}  // namespace dru::ui
