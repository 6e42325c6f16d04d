#pragma once
// Polygon symbols placed in world units: a shape of points in its own units
// is turned, scaled to the size asked for and moved to its position, then
// drawn as lines or filled as one polygon into the display list.  The
// global shapes below are the symbols of nodes, supports, hinges, springs,
// arrow heads and line patterns; their points, order and nominal sizes are
// fixed, since masks and patterns count segments.  Y grows downwards: a
// point with negative y lies above the position on the screen.
#include "graphics/core/Canvas.h"
#include "model/Geometry2D.h"

#include <initializer_list>
#include <vector>

class PaintContainer;

class EntityClass {
public:
  EntityClass(double size, std::initializer_list<Point2D> points) { MakeShape(size, points); }

  // Takes the points and the nominal size, the length in shape units that a
  // size argument of Draw and Fill means; size 0 becomes the diagonal of the
  // box spanned by the origin and all points.
  void MakeShape(double size, std::initializer_list<Point2D> points);

  // Draws segment i (point i to i + 1) for each i whose bit is set in mask;
  // mask 0 draws all of them.  The pen is set first.
  void Draw(PaintContainer &pc, double size, double width, double angle, TColor colour,
            Point2D position, int mask) const;
  // Sets the brush, then writes one polygon of all points with the pen.
  void Fill(PaintContainer &pc, double size, double width, double angle, TColor penColour,
            TColor brushColour, Point2D position) const;

  int Count() const { return static_cast<int>(points.size()); }
  Point2D Point(int i) const { return points[i]; }
  double NominalSize() const { return nominalSize; }

private:
  // position + size / nominal size * p turned by angle (not turned at 0).
  Point2D Place(Point2D p, double size, double angle, Point2D position) const;

  std::vector<Point2D> points;
  double nominalSize = 0.0;
};

// The shapes, built in this order when the program starts.
extern const EntityClass SquareShape;
extern const EntityClass ArrowHeadShape;
extern const EntityClass TriangleHeadShape;
extern const EntityClass CircleShape;
extern const EntityClass HingeRectShape;
extern const EntityClass SupportLineShape;
extern const EntityClass ClampShape;
extern const EntityClass PinShape;
extern const EntityClass SpringShape;
extern const EntityClass DashDotShape;
extern const EntityClass DashShape;
extern const EntityClass MomentArrowLeftShape;
extern const EntityClass MomentArrowRightShape;

// Flags of Arrow, ForceArrow and MomentArc.
enum ArrowFlags : int {
  kArrowNoShortHead = 2, // Arrow: no head when the arrow is shorter than it
  kArrowFromPoint = 4,   // ForceArrow: starts at the point (else ends there)
  kArrowTriangle = 8,    // Arrow: a triangle head instead of the open one
  kArrowLabel = 16,      // ForceArrow, MomentArc: the value label
};

// Line styles of StyledLine: 0 solid, 1 dashed, any other dash-dot.
enum LineStyle : int { kSolidLine = 0, kDashedLine = 1, kDashDotLine = 2 };
