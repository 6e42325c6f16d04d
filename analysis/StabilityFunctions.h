#pragma once
// Functions of a beam under an axial force, of the axial parameter
// t = N L^2 / (E I) (positive under tension).  With e = sqrt(|t|) they are
// built from sin and cos under compression and from sinh and cosh under
// tension; as functions of t they are the same power series in both cases.
// Near t = 0 the closed forms lose their digits to cancellation, so between
// kFirstOrderLimit and kSeriesLimit the series are summed instead.

// Below this |t| the element mechanics use the first-order forms.
constexpr double kFirstOrderLimit = 1e-5;
// Below this |t| the series are used; above it the closed forms carry a
// relative error below 1e-11.
constexpr double kSeriesLimit = 0.1;

// The rotational stiffness coefficients: the moment at an end is
// (alpha theta_near + beta theta_far) E I / L; 4 and 2 at first order.
struct BendingCoefficients {
  double alpha;
  double beta;
};
// sg is the sign of the axial force (1 tension, -1 compression) used by the
// closed form.  Below kFirstOrderLimit: the rational first-order limits.
BendingCoefficients StabilityCoefficients(double t, double sg);

// (6 - 2 alpha + beta) / t and (2 beta - alpha) / t, the fixed-end moment
// factors of a linearly varying load, for |t| >= kFirstOrderLimit.
struct LoadQuotients {
  double nearEnd;
  double farEnd;
};
LoadQuotients FixedEndQuotients(double t, BendingCoefficients coefficients);

// Shapes along the element at the relative position v (0 .. 1), with
// sf/cf = sin/cos under compression and sinh/cosh under tension.
// sf(e v) / sf(e): the moment along the element from a unit end moment at
// the end v = 1, for t != 0.  Finite for any tension.
double MomentShape(double v, double t);
// e cf(e v) / sf(e), its derivative by v.
double MomentShapeSlope(double v, double t);
// (sf(e v) / sf(e) - v) / t: deflection from an end moment, -L/(E I) times
// this times the moment at the far end from v.
double MomentDeflection(double v, double t);
// (e cf(e v) / sf(e) - 1) / t, the derivative of MomentDeflection by v.
double MomentSlope(double v, double t);
// (MomentDeflection(v, t) + (v - v^3) / 6) / t: deflection from a uniform
// load, L^4 / (E I) times this times the load.
double LoadDeflection(double v, double t);
