#pragma once

#include <QRect>

class QWidget;

namespace dru::ui {

// Windows laid out at fixed places are written left to right; in a
// right-to-left interface each place is mirrored within its parent.

// Where child is, as if its parent ran left to right.
QRect LogicalPlace(const QWidget& child);
// Puts child at a place given as if its parent ran left to right.
void Place(QWidget& child, const QRect& logical);
// Mirrors the places of parent's children, set left to right, when parent
// runs right to left.
void MirrorChildren(QWidget& parent);

}  // namespace dru::ui
