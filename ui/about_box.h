#pragma once

#include <QDialog>

namespace dru::ui {

// The about box: names the program and its version. Esc does not close it; OK
// and the title bar's close button do.
class AboutBox : public QDialog {
 public:
  explicit AboutBox(QWidget* parent);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace dru::ui
