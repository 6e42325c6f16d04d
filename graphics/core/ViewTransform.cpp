#include "graphics/core/ViewTransform.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace {
// No constraint in a direction without extent.
constexpr double kUnbounded = 3.4028234663852886e38;
// The box fills 1/1.1 of the rectangle: a margin of 5 % on each side.
constexpr double kMargin = 1.1;
} // namespace

int TruncateToInt(double value) {
  if (!(value == value))
    return 0;
  if (value >= static_cast<double>(INT_MAX))
    return INT_MAX;
  if (value <= static_cast<double>(INT_MIN))
    return INT_MIN;
  return static_cast<int>(value);
}

void TViewTransform::Fit(const Box2D &box, int left, int top, int right, int bottom,
                         double aspect) {
  Box = box;
  const double dx = box.xmax - box.xmin;
  const double dy = box.ymax - box.ymin;
  const bool wide = dx > 0.0 && std::isfinite(dx);
  const bool high = dy > 0.0 && std::isfinite(dy);
  if (!wide && !high)
    return;
  if (!(aspect > 0.0 && std::isfinite(aspect)))
    aspect = 1.0;
  double scaleX = kUnbounded;
  double scaleY = kUnbounded;
  if (wide)
    scaleX = (static_cast<double>(right) - left) / (dx * kMargin);
  if (high)
    scaleY = (static_cast<double>(bottom) - top) * aspect / (dy * kMargin);
  const double s = std::min(scaleX, scaleY);
  sx = s;
  sy = s / aspect;
  if (sx == 0.0) {
    ox = oy = 0.0;
    return;
  }
  ox = ((static_cast<double>(left) + right) * 0.5) / sx - (box.xmin + box.xmax) * 0.5;
  oy = ((static_cast<double>(top) + bottom) * 0.5) / sy - (box.ymin + box.ymax) * 0.5;
}

TPoint TViewTransform::ToPixel(double x, double y) const {
  const Point2D p = ToPixelReal(x, y);
  return {TruncateToInt(p.x), TruncateToInt(p.y)};
}

Point2D TViewTransform::ToWorld(double px, double py) const {
  if (sx == 0.0 || sy == 0.0)
    return {0.0, 0.0};
  return {px / sx - ox, py / sy - oy};
}

double TViewTransform::PenScale() const {
  return std::min(sx, sy);
}
