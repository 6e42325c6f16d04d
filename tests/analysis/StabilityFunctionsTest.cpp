#include "analysis/StabilityFunctions.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// The closed forms evaluated with 40 significant digits at v = 0.3: alpha,
// beta, (6 - 2 alpha + beta) / t, (2 beta - alpha) / t, then the shapes
// (sf(e v)/sf(e) - v)/t, (e cf(e v)/sf(e) - 1)/t and the load deflection.
struct Reference {
  double t;
  double value[7];
};
const Reference kReferences[] = {
    {2e-5,
     {4.0000026666659683, 1.999999333333746, -0.29999990952385079, -0.1999999238095619,
      -0.045499897928545697, -0.12166642102826998, 0.0051035727151355514}},
    {-2e-5,
     {3.9999973333326349, 2.0000006666670794, -0.30000009047623175, -0.20000007619051429,
      -0.045500102071879031, -0.12166691230604776, 0.0051035939515744404}},
    {9e-6,
     {4.0000011999998586, 1.9999997000000836, -0.29999995928572264, -0.19999996571429343,
      -0.045499954067793004, -0.12166655612926634, 0.00510357855513897}},
    {-9e-6,
     {3.9999987999998586, 2.0000003000000836, -0.30000004071429407, -0.200000034285722,
      -0.045500045932293004, -0.12166677720426634, 0.00510358811153647}},
    {0.0999,
     {4.0133026114248745, 1.9966802678997919, -0.2995490985981699, -0.19962037662953756,
      -0.044995397069677446, -0.12045185832954923, 0.0050510803836091503}},
    {-0.0999,
     {3.9866625375723734, 2.0033403259268252, -0.30045296078156554, -0.20038152433710778,
      -0.046015201018979191, -0.12290603835137882, 0.0051571673571490559}},
    {0.1001,
     {4.0133292084717963, 1.9966736423289844, -0.29954819794813269, -0.19961961851975401,
      -0.044994397268853283, -0.12044945042594232, 0.0050509763351320392}},
    {-0.1001,
     {3.986635800841513, 2.0033470340385617, -0.30045386968567215, -0.20038229006603822,
      -0.046016243301476986, -0.12290854471524756, 0.0051572757390308247}},
    {0.05,
     {4.006662306211473, 1.9983359090657093, -0.29977406714473339, -0.19980976160108818,
      -0.045246141375392461, -0.12105563026263889, 0.0050771724921507755}},
    {-0.05,
     {3.993328963618867, 2.0016692496741876, -0.30022644872907267, -0.20019071459016358,
      -0.045756513248177368, -0.12228385573793963, 0.0051302649635473645}},
    {2,
     {4.2599654998646983, 1.9372393604042712, -0.29134581966256269, -0.19274338952807794,
      -0.037056346265044816, -0.10119892356346076, 0.004221826867477592}},
    {-9,
     {2.6241992267607408, 2.4114546938527834, -0.35145069337014466, -0.24430112899386956,
      -0.58342062302287133, -1.3571663188971586, 0.05976895811365237}},
    {5,
     {4.6271586411761928, 1.8559201333824315, -0.27967942979399082, -0.18306367488226596,
      -0.028765056537377161, -0.080715358905415263, 0.0033469886925245677}},
};

double Relative(double computed, double exact) {
  return std::fabs(computed / exact - 1.0);
}

} // namespace

TEST(StabilityFunctions, AccurateOnBothSidesOfEverySwitch) {
  for (const Reference &r : kReferences) {
    SCOPED_TRACE(r.t);
    const double sg = r.t < 0.0 ? -1.0 : 1.0;
    const BendingCoefficients c = StabilityCoefficients(r.t, sg);
    const double tolerance = std::fabs(r.t) < kFirstOrderLimit ? 1e-11 : 1e-10;
    EXPECT_LT(Relative(c.alpha, r.value[0]), tolerance);
    EXPECT_LT(Relative(c.beta, r.value[1]), tolerance);
    const LoadQuotients q = FixedEndQuotients(r.t, c);
    EXPECT_LT(Relative(q.nearEnd, r.value[2]), 1e-10);
    EXPECT_LT(Relative(q.farEnd, r.value[3]), 1e-10);
    EXPECT_LT(Relative(MomentDeflection(0.3, r.t), r.value[4]), 1e-10);
    EXPECT_LT(Relative(MomentSlope(0.3, r.t), r.value[5]), 1e-10);
    EXPECT_LT(Relative(LoadDeflection(0.3, r.t), r.value[6]), 1e-10);
  }
}

TEST(StabilityFunctions, FirstOrderLimitsAndEndValues) {
  const BendingCoefficients zero = StabilityCoefficients(0.0, 0.0);
  EXPECT_EQ(zero.alpha, 4.0);
  EXPECT_EQ(zero.beta, 2.0);
  // The uniform-load end moment q L^2 / 12 and the trapezoid factors 3/60
  // and 2/60 are the limits of the quotients.
  const LoadQuotients q = FixedEndQuotients(1e-12, zero);
  EXPECT_NEAR(q.nearEnd, -0.3, 1e-12);
  EXPECT_NEAR(q.farEnd, -0.2, 1e-12);
  for (double t : {1e-12, -0.05, 0.5, -4.0}) {
    SCOPED_TRACE(t);
    EXPECT_NEAR(MomentDeflection(0.0, t), 0.0, 1e-15);
    EXPECT_NEAR(MomentDeflection(1.0, t), 0.0, 1e-12);
    EXPECT_NEAR(LoadDeflection(0.0, t), 0.0, 1e-15);
    EXPECT_NEAR(LoadDeflection(1.0, t), 0.0, 1e-11);
  }
  // At t -> 0: (v^3 - v) / 6, (3 v^2 - 1) / 6 and v (3 v^4 - 10 v^2 + 7) / 360.
  const double v = 0.4;
  EXPECT_NEAR(MomentDeflection(v, 0.0), (v * v * v - v) / 6.0, 1e-16);
  EXPECT_NEAR(MomentSlope(v, 0.0), (3 * v * v - 1) / 6.0, 1e-16);
  EXPECT_NEAR(LoadDeflection(v, 0.0), v * (3 * v * v * v * v - 10 * v * v + 7) / 360.0, 1e-16);
  // Euler load of the pinned-pinned bar (e = pi): alpha = beta = pi^2 / 4,
  // so the antisymmetric rotations cost nothing.
  const BendingCoefficients euler = StabilityCoefficients(-M_PI * M_PI, -1.0);
  EXPECT_NEAR(euler.alpha, M_PI * M_PI / 4.0, 1e-12);
  EXPECT_NEAR(euler.beta, M_PI * M_PI / 4.0, 1e-12);
}
