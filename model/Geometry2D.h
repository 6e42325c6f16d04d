#pragma once
// Plane points and boxes shared by geometry, analysis and drawing.  For model
// points x is the x coordinate and y the z coordinate (z downwards).

struct Point2D {
  double x = 0.0;
  double y = 0.0;
};

// Smallest x, smallest y, largest x, largest y.
struct Box2D {
  double xmin = 0.0;
  double ymin = 0.0;
  double xmax = 0.0;
  double ymax = 0.0;
};

Point2D VecAdd(Point2D a, Point2D b);
Point2D VecSub(Point2D a, Point2D b);
Point2D VecScale(double s, Point2D v);
// 1 when both coordinates are exactly equal, else 0.
int VecEqual(Point2D a, Point2D b);
double VecLength(Point2D v);
// Angle of v in radians from the arc sine of y over the length: pi - asin
// for negative x, so the result lies in -pi/2 .. 3 pi/2; 0 for a vector
// shorter than 1e-8.
double VecAngle(Point2D v);
// Rotates p in place by angle (radians) and returns it.
Point2D VecRotate(Point2D &p, double angle);
// 0.0 when |x| < 1e-10, else 1.0 for x > 0 and -1.0 otherwise.
double SignTol(double x);
// Point at t on the segment p .. q (t = 0 at p, 1 at q).
Point2D InterpolatePoint(Point2D p, Point2D q, double t);

Box2D BoxUnion(Box2D a, Box2D b);
// Extends box so that it contains (x, y).
void BoxExtend(Box2D &box, double x, double y);
void BoxExtend2(Box2D &box, Point2D p, Point2D q);
// Length of the box's diagonal.
double BoxDiagonal(Box2D box);
