#pragma once

#include <QColor>

namespace dru::ui {

// The relative luminance of a colour, 0 (black) to 1 (white), and the
// contrast of two colours, as the web's accessibility guidelines measure
// them: 1 (none) to 21 (black on white).
double RelativeLuminance(const QColor& colour);
double ContrastRatio(const QColor& a, const QColor& b);

}  // namespace dru::ui
