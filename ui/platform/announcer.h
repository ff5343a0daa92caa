#pragma once

#include <QWidget>

namespace dru::ui {

// Says a short text through a screen reader without taking the focus: an
// empty notification that appears anew with each text, which screen
// readers read out as it appears, wherever the focus is.
class Announcer : public QWidget {
 public:
  explicit Announcer(QWidget* parent);

  void Say(const QString& text);
};

}  // namespace dru::ui
