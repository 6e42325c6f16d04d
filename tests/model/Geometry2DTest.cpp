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
}

TEST(Geometry2D, RotationEqualityAndSign) {
  Point2D q{1.0, 1.0};
  const Point2D r = VecRotate(q, kPi / 4); // both coordinates from the old values
  EXPECT_NEAR(q.x, 0.0, 1e-15);
  EXPECT_NEAR(q.y, std::sqrt(2.0), 1e-15);
  EXPECT_EQ(VecEqual(r, q), 1);
  EXPECT_EQ(VecEqual({0.1 + 0.2, 0.0}, {0.3, 0.0}), 0); // no tolerance
  EXPECT_EQ(SignTol(5e-11), 0.0);
  EXPECT_EQ(SignTol(0.0), 0.0);
  EXPECT_EQ(SignTol(-2e-10), -1.0);
  EXPECT_DOUBLE_EQ(BoxDiagonal(BoxUnion({0.0, 1.0, 3.0, 1.0}, {1.0, 0.0, 1.0, 4.0})), 5.0);
}
