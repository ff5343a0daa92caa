#pragma once

class QPainter;
class QWidget;

namespace dru::ui {

// Draws the style's focus frame round a widget that has the focus but
// draws none of its own (a label, the chart), so that a keyboard user
// sees where it is.
void DrawFocusFrame(const QWidget& widget, QPainter& painter);

}  // namespace dru::ui
