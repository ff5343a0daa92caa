#include "ui/progress/focus_frame.h"

#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QWidget>

namespace dru::ui {

void DrawFocusFrame(const QWidget& widget, QPainter& painter) {
  if (!widget.hasFocus()) return;
  QStyleOptionFocusRect option;
  option.initFrom(&widget);
  // Styles draw the frame only once the keyboard has moved the focus; the
  // Progress window gives it to its summary as it opens.
  option.state |= QStyle::State_KeyboardFocusChange;
  option.backgroundColor = widget.palette().color(widget.backgroundRole());
  widget.style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, &widget);
}

}  // namespace dru::ui
