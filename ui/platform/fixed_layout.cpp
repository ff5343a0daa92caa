#include "ui/platform/fixed_layout.h"

#include <QStyle>
#include <QWidget>

namespace dru::ui {
namespace {

QRect Mirrored(const QWidget& child, const QRect& rect) {
  const QWidget* parent = child.parentWidget();
  if (parent == nullptr) return rect;
  return QStyle::visualRect(parent->layoutDirection(), parent->rect(), rect);
}

}  // namespace

QRect LogicalPlace(const QWidget& child) {
  return Mirrored(child, child.geometry());
}

void Place(QWidget& child, const QRect& logical) {
  child.setGeometry(Mirrored(child, logical));
}

void MirrorChildren(QWidget& parent) {
  if (parent.layoutDirection() != Qt::RightToLeft) return;
  for (QWidget* child : parent.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    if (!child->isWindow()) Place(*child, child->geometry());
  }
}

}  // namespace dru::ui
