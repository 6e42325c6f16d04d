#include "model/Geometry2D.h"

#include "model/Commonfkc.h"

#include <cmath>

namespace {
constexpr double kPi = 3.141592653589793;
}

Point2D VecAdd(Point2D a, Point2D b) {
  return {a.x + b.x, a.y + b.y};
}

Point2D VecSub(Point2D a, Point2D b) {
  return {a.x - b.x, a.y - b.y};
}

Point2D VecScale(double s, Point2D v) {
  return {s * v.x, s * v.y};
}

int VecEqual(Point2D a, Point2D b) {
  return a.x == b.x && a.y == b.y ? 1 : 0;
}

double VecLength(Point2D v) {
  return std::sqrt(v.x * v.x + v.y * v.y);
}

double VecAngle(Point2D v) {
  const double length = VecLength(v);
  if (length < 1e-8)
    return 0.0;
  double c = v.y / length;
  c = c > 1.0 ? 1.0 : (c < -1.0 ? -1.0 : c);
  const double a = std::asin(c);
  return v.x < 0 ? kPi - a : a;
}

Point2D VecRotate(Point2D &p, double angle) {
  const double c = std::cos(angle);
  const double s = std::sin(angle);
  p = {c * p.x - s * p.y, s * p.x + c * p.y};
  return p;
}

double SignTol(double x) {
  if (std::fabs(x) < 1e-10)
    return 0.0;
  return x > 0 ? 1.0 : -1.0;
}

Point2D InterpolatePoint(Point2D p, Point2D q, double t) {
  return {Interpolate(p.x, q.x, t), Interpolate(p.y, q.y, t)};
}

Box2D BoxUnion(Box2D a, Box2D b) {
  return {DMin(a.xmin, b.xmin), DMin(a.ymin, b.ymin), DMax(a.xmax, b.xmax), DMax(a.ymax, b.ymax)};
}

void BoxExtend(Box2D &box, double x, double y) {
  box.xmin = DMin(box.xmin, x);
  box.ymin = DMin(box.ymin, y);
  box.xmax = DMax(box.xmax, x);
  box.ymax = DMax(box.ymax, y);
}

void BoxExtend2(Box2D &box, Point2D p, Point2D q) {
  BoxExtend(box, p.x, p.y);
  BoxExtend(box, q.x, q.y);
}

double BoxDiagonal(Box2D box) {
  return VecLength({box.xmax - box.xmin, box.ymax - box.ymin});
}
