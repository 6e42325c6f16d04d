#include "model/Geometry2D.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {
constexpr double kPi = 3.141592653589793;
}

TEST(Geometry2D, VecAngleCoversMinusHalfPiToThreeHalvesPi) {
  EXPECT_EQ(VecAngle({0.0, 0.0}), 0.0);
  EXPECT_EQ(VecAngle({1e-9, 0.0}), 0.0);
  EXPECT_DOUBLE_EQ(VecAngle({-1.0, 0.0}), kPi);
  EXPECT_DOUBLE_EQ(VecAngle({0.0, -1.0}), -kPi / 2);
  EXPECT_DOUBLE_EQ(VecAngle({-1.0, -1.0}), 5 * kPi / 4);
  EXPECT_DOUBLE_EQ(VecAngle({3.0, 4.0}), std::asin(0.8));
  EXPECT_DOUBLE_EQ(VecAngle({0.0, 2.0}), kPi / 2);
}

TEST(Geometry2D, VectorArithmeticAndExactEquality) {
  const Point2D a{1.0, 2.0}, b{4.0, 6.0};
  EXPECT_EQ(VecEqual(VecAdd(a, b), {5.0, 8.0}), 1);
  EXPECT_EQ(VecEqual(VecSub(b, a), {3.0, 4.0}), 1);
  EXPECT_EQ(VecEqual(VecScale(-2.0, a), {-2.0, -4.0}), 1);
  EXPECT_DOUBLE_EQ(VecLength(VecSub(b, a)), 5.0);
  EXPECT_EQ(VecEqual({0.1 + 0.2, 0.0}, {0.3, 0.0}), 0);
  const Point2D mid = InterpolatePoint(a, b, 0.5);
  EXPECT_DOUBLE_EQ(mid.x, 2.5);
  EXPECT_DOUBLE_EQ(mid.y, 4.0);
}

TEST(Geometry2D, RotateUsesTheOldCoordinatesForBoth) {
  Point2D p{1.0, 0.0};
  const Point2D r = VecRotate(p, kPi / 2);
  EXPECT_NEAR(p.x, 0.0, 1e-15);
  EXPECT_NEAR(p.y, 1.0, 1e-15);
  EXPECT_EQ(VecEqual(r, p), 1);
  Point2D q{1.0, 1.0};
  VecRotate(q, kPi / 4);
  EXPECT_NEAR(q.x, 0.0, 1e-15);
  EXPECT_NEAR(q.y, std::sqrt(2.0), 1e-15);
}

TEST(Geometry2D, SignWithTolerance) {
  EXPECT_EQ(SignTol(5e-11), 0.0);
  EXPECT_EQ(SignTol(0.0), 0.0);
  EXPECT_EQ(SignTol(-2e-10), -1.0);
  EXPECT_EQ(SignTol(3.0), 1.0);
}

TEST(Geometry2D, BoxesExtendUniteAndMeasure) {
  Box2D box{1.0, 1.0, 1.0, 1.0};
  BoxExtend(box, -2.0, 5.0);
  BoxExtend2(box, {4.0, 0.0}, {0.0, 0.0});
  EXPECT_EQ(box.xmin, -2.0);
  EXPECT_EQ(box.ymin, 0.0);
  EXPECT_EQ(box.xmax, 4.0);
  EXPECT_EQ(box.ymax, 5.0);
  const Box2D u = BoxUnion(box, {-3.0, 2.0, 1.0, 9.0});
  EXPECT_EQ(u.xmin, -3.0);
  EXPECT_EQ(u.ymin, 0.0);
  EXPECT_EQ(u.xmax, 4.0);
  EXPECT_EQ(u.ymax, 9.0);
  EXPECT_DOUBLE_EQ(BoxDiagonal({0.0, 0.0, 3.0, 4.0}), 5.0);
}
