#include "ui/platform/colours.h"

#include <algorithm>
#include <cmath>

namespace dru::ui {

double RelativeLuminance(const QColor& colour) {
  auto linear = [](double channel) {
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
  };
  const QColor rgb = colour.toRgb();
  return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) + 0.0722 * linear(rgb.blueF());
}

double ContrastRatio(const QColor& a, const QColor& b) {
  const double one = RelativeLuminance(a);
  const double other = RelativeLuminance(b);
  return (std::max(one, other) + 0.05) / (std::min(one, other) + 0.05);
}

}  // namespace dru::ui
