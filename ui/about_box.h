#pragma once

#include <QDialog>

namespace dru::ui {

// TAboutBox: names the program and its version. Esc does not close it; OK
// and the title bar's close button do.
class TAboutBox : public QDialog {
 public:
  explicit TAboutBox(QWidget* parent);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace dru::ui
