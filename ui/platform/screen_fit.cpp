#include "ui/platform/screen_fit.h"

#include <QScreen>
#include <algorithm>

namespace dru::ui {

QSize FitSize(QSize wanted, const QScreen* screen) {
  if (screen == nullptr) return wanted;
  return wanted.boundedTo(screen->availableGeometry().size() - kFrameAllowance);
}

QPoint FitPosition(QSize size, QPoint preferred, const QScreen* screen) {
  if (screen == nullptr) return preferred;
  const QRect area = screen->availableGeometry();
  const QSize framed = size + kFrameAllowance;
  return {std::clamp(preferred.x(), area.left(),
                     std::max(area.left(), area.right() + 1 - framed.width())),
          std::clamp(preferred.y(), area.top(),
                     std::max(area.top(), area.bottom() + 1 - framed.height()))};
}

}  // namespace dru::ui
