#pragma once

#include <QPoint>
#include <QSize>

class QScreen;

namespace dru::ui {

// What a window manager adds around a window: a frame and a title bar.
inline constexpr QSize kFrameAllowance{16, 48};

// A window's size no larger than the free area of screen leaves it, frame
// and all; wanted when there is no screen.
QSize FitSize(QSize wanted, const QScreen* screen);
// Where a window of size opens: preferred, or as near to it as keeps it,
// frame and all, inside the free area of screen.
QPoint FitPosition(QSize size, QPoint preferred, const QScreen* screen);

}  // namespace dru::ui
