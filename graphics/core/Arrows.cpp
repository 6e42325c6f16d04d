// Styled lines, arrows, force arrows and moment arcs on the display list.
#include "graphics/core/PaintContainer.h"
#include "graphics/core/Symbols.h"
#include "model/Commonfkc.h"

#include <cmath>
#include <numbers>

namespace {
constexpr double kPi = std::numbers::pi;
// Beyond this many dash periods a line is drawn solid: the pen is then far
// too thin for the pattern to show.
constexpr double kMaxPeriods = 10000.0;
// An arc has at most this many segments (a turn of 2000 radians).
constexpr double kMaxArcSegments = 10000.0;
// Offset of a label from the arrow's end, as a fraction of the text size.
constexpr double kLabelOffset = 0.2;
} // namespace

void PaintContainer::StyledLine(Point2D p1, Point2D p2, double width, TColor colour, int style) {
  SetPen(colour, width);
  const Point2D d = VecSub(p2, p1);
  const double length = VecLength(d);
  const double period = 15.0 * width;
  const bool patterned = width > 0.0 && std::isfinite(period) && length / period <= kMaxPeriods;
  if (style == kSolidLine || !patterned) {
    Line(p1, p2);
    return;
  }
  const EntityClass &pattern = style == kDashedLine ? DashShape : DashDotShape;
  const double phi = VecAngle(d);
  const Point2D step = VecScale(period / length, d);
  Point2D c = p1;
  for (int i = 0; i <= kMaxPeriods && VecLength(VecSub(c, p1)) < length; ++i) {
    pattern.Draw(*this, period, width, phi, colour, c, 5);
    c = VecAdd(c, step);
  }
}

void PaintContainer::Arrow(Point2D p1, Point2D p2, double headSize, double width, TColor colour,
                           int flags) {
  StyledLine(p1, p2, width, colour, kSolidLine);
  const Point2D d = VecSub(p2, p1);
  if ((flags & kArrowNoShortHead) && VecLength(d) < headSize)
    return;
  const double phi = VecAngle(d);
  if (flags & kArrowTriangle)
    TriangleHeadShape.Draw(*this, headSize, width, phi - kPi / 2, colour, p2, 0);
  else
    ArrowHeadShape.Draw(*this, headSize, width, phi, colour, p2, 0);
}

void PaintContainer::ForceArrow(double a, Point2D point, double scale, Point2D vector,
                                double headSize, double width, double textSize, TColor colour,
                                int flags) {
  const Point2D scaled = VecScale(scale, vector);
  const bool fromPoint = flags & kArrowFromPoint;
  const Point2D tail = fromPoint ? point : VecSub(point, scaled);
  const Point2D head = fromPoint ? VecAdd(point, scaled) : point;
  // The label sits beyond the free end, on the side away from the arrow.
  const Point2D labelAt = fromPoint ? head : tail;
  const bool labelLeft = fromPoint ? head.x < tail.x : head.x > tail.x;
  const int alignment = labelLeft ? kTextLeft : kTextRight;
  Arrow(tail, head, headSize, width, colour, flags);
  if (flags & kArrowLabel)
    Text(a, labelAt.x, labelAt.y, 0.0, kLabelOffset * textSize, textSize, colour,
         FormatString("%.4g", VecLength(vector)), alignment);
}

void PaintContainer::MomentArc(double a, Point2D centre, double radius, double scale, double moment,
                               double width, double textSize, TColor colour, int flags) {
  SetPen(colour, width);
  const double theta = scale * moment;
  if (!std::isfinite(theta))
    return;
  const int segments = static_cast<int>(std::fmin(5.0 * std::fabs(theta) + 1.0, kMaxArcSegments));
  const double step = theta / segments;
  Point2D last;
  for (int i = 0; i <= segments; ++i) {
    const double phi = i * step;
    last = {centre.x + radius * std::sin(phi), centre.y - radius * std::cos(phi)};
    if (i == 0)
      PolyStart(last, 0);
    else
      PolyTo(last, 0);
  }
  ArrowHeadShape.Draw(*this, 0.4 * radius, width, theta > 0.0 ? theta : theta - kPi, colour, last,
                      0);
  if (flags & kArrowLabel)
    Text(a, centre.x, centre.y - radius, 0.0, kLabelOffset * textSize, textSize, colour,
         FormatString("%.3g", moment), theta > 0.0 ? kTextLeft : kTextRight);
}
