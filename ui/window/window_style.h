#pragma once

class QWidget;

namespace dru::ui {

// Button-face background and the program's font: Verdana 8 pt where it is
// installed, otherwise DejaVu Sans.
void ApplyWindowStyle(QWidget& window);

}  // namespace dru::ui
