#include "analysis/ValuesAlongBeam.h"

#include "analysis/ElementGeometry.h"
#include "analysis/ElementLoads.h"
#include "analysis/ElementStiffness.h"
#include "analysis/LoadRowIndex.h"
#include "analysis/ResultQueries.h"
#include "analysis/SolElement.h"
#include "analysis/Solutions.h"
#include "analysis/StabilityFunctions.h"
#include "model/Commonfkc.h"
#include "model/LoadLists.h"
#include "model/LoadQueries.h"

#include <cmath>

namespace {

bool SecondOrderForm(const SolElement &e) {
  return std::fabs(e.t) > kFirstOrderLimit;
}

// Under an axial force, a temperature difference and a pre-deformation bow
// both act like an imposed constant curvature: the moment they leave along a
// beam whose end moments are fixed is W t (H(y) + H(x)), W the moment that
// holds the curvature at both ends.  Sum of W over the rows on the element.
double CurvatureMoment(const SolElement &e) {
  double w = 0.0;
  const MatRecord &material = ElementMaterial(e);
  const double h = ElementBeam(e).thickness;
  if (h > 0.0)
    ForEachRowOnBeam(TemperatureLoads, e.beam, [&](const TempLoadRecord &row) {
      w += row.dT * material.E * material.I * material.alphaT / h;
    });
  if (Solutions.AnalysisFlags & kSecondOrder)
    ForEachRowOnBeam(Imperfections, e.beam, [&](const ImperfectionRecord &row) {
      double f, psi;
      ImperfectionOnPiece(row, f, psi, e.x0, e.x1);
      w += 8.0 * f * e.k;
    });
  return w;
}

double BeamLoadForce(const SolElement &e, double x, int kind, double pa, double pb, double qa,
                     double qb) {
  const double y = 1.0 - x, xi = 2.0 * x - 1.0, L = e.L, t = e.t;
  switch (kind) {
  case kNormalForce:
    return -(xi * xi - 1.0) * (pb - pa) * L / 8.0;
  case kShearForce:
    if (SecondOrderForm(e))
      return (MomentSlope(y, t) * qa - MomentSlope(x, t) * qb) * L;
    [[fallthrough]];
  case kTransverseForce:
    return -(xi * xi - 1.0) * (qb - qa) * L / 8.0;
  case kBendingMoment:
    if (std::fabs(t) >= kFirstOrderLimit)
      return -(MomentDeflection(y, t) * qa + MomentDeflection(x, t) * qb) * L * L;
    return -((xi * xi * xi + 3.0 * xi * xi - xi - 3.0) * qb -
             (xi * xi * xi - 3.0 * xi * xi - xi + 3.0) * qa) *
           L * L / 48.0;
  }
  return 0.0;
}

// The part of an internal force that the end forces fix, and the part the
// loads on the element add; inline, so that a loop over one kind holds only
// that kind's arithmetic.
inline double Homogeneous(const SolElement &e, double x, int kind) {
  const double y = 1.0 - x;
  switch (kind) {
  case kNormalForce:
    return Interpolate(e.N0, e.N1, x);
  case kShearForce:
    if (SecondOrderForm(e))
      return (-MomentShapeSlope(y, e.t) * e.M0 + MomentShapeSlope(x, e.t) * e.M1) / e.L;
    [[fallthrough]];
  case kTransverseForce:
    return Interpolate(-e.Q0, e.Q1, x);
  case kBendingMoment:
    if (std::fabs(e.t) >= kFirstOrderLimit)
      return MomentShape(y, e.t) * e.M0 + MomentShape(x, e.t) * e.M1;
    return Interpolate(e.M0, e.M1, x);
  }
  return 0.0;
}

inline double Particular(const SolElement &e, double x, int kind) {
  const AlongBeamTerms &terms = e.along;
  double value = 0.0;
  if (terms.loaded)
    value += BeamLoadForce(e, x, kind, terms.pa, terms.pb, terms.qa, terms.qb);
  if (terms.curvatureMoment != 0.0 && SecondOrderForm(e) &&
      (kind == kShearForce || kind == kBendingMoment)) {
    const double y = 1.0 - x, t = e.t, w = terms.curvatureMoment;
    if (kind == kShearForce)
      value += w * t * (MomentSlope(x, t) - MomentSlope(y, t)) / e.L;
    else
      value += w * t * (MomentDeflection(y, t) + MomentDeflection(x, t));
  }
  return value;
}

} // namespace

void PrepareValuesAlongBeam(SolElement &e) {
  AlongBeamTerms &terms = e.along;
  const double angle = ElementAngle(e);
  terms.cos = std::cos(angle);
  terms.sin = std::sin(angle);
  terms.loaded = BeamLoadSums(e, terms.pa, terms.pb, terms.qa, terms.qb) != 0;
  terms.curvatureMoment = CurvatureMoment(e);
}

double HomogeneousForceAt(const SolElement &e, double x, int kind) {
  return Homogeneous(e, x, kind);
}

double ParticularForceAt(const SolElement &e, double x, int kind) {
  return Particular(e, x, kind);
}

double InternalForceAt(const SolElement &e, double x, int kind) {
  return Homogeneous(e, x, kind) + Particular(e, x, kind);
}

namespace {

// The 101 values of one kind, the kind fixed at compile time, so that the
// loop holds only the arithmetic of that kind: the same operations as
// InternalForceAt, so the same values.
template <int Kind> void ForceAtHundredths(const SolElement &e, double *values) {
  for (int step = 0; step <= 100; ++step) {
    const double x = step * 0.01;
    values[step] = Homogeneous(e, x, Kind) + Particular(e, x, Kind);
  }
}

} // namespace

void InternalForceAtHundredths(const SolElement &e, int kind, double *values) {
  switch (kind) {
  case kNormalForce:
    return ForceAtHundredths<kNormalForce>(e, values);
  case kShearForce:
    return ForceAtHundredths<kShearForce>(e, values);
  case kTransverseForce:
    return ForceAtHundredths<kTransverseForce>(e, values);
  case kBendingMoment:
    return ForceAtHundredths<kBendingMoment>(e, values);
  }
  ForceAtHundredths<0>(e, values);
}

Point2D EndDisplacementPart(const SolElement &e, double x) {
  Point2D d = InterpolatePoint(NodeDisplacement(e.Node(0)), NodeDisplacement(e.Node(1)), x);
  const double y = 1.0 - x, L = e.L, k = e.k;
  Point2D local{0.0, 0.0};
  if (std::fabs(e.t) < kFirstOrderLimit)
    local.y = L / (6.0 * k) * ((y - y * y * y) * e.M0 + (x - x * x * x) * e.M1);
  else
    local.y = -(L / k) * (MomentDeflection(y, e.t) * e.M0 + MomentDeflection(x, e.t) * e.M1);
  RotatePair(local.x, local.y, e.along.sin, e.along.cos);
  return VecAdd(d, local);
}

Point2D LoadDisplacementPart(const SolElement &e, double x) {
  const double y = 1.0 - x, xi = 2.0 * x - 1.0, L = e.L, k = e.k, t = e.t;
  const bool firstOrder = std::fabs(t) < kFirstOrderLimit;
  const MatRecord &material = ElementMaterial(e);
  const AlongBeamTerms &terms = e.along;
  const double pa = terms.pa, pb = terms.pb, qa = terms.qa, qb = terms.qb;
  Point2D local{0.0, 0.0};
  if (terms.loaded) {
    local.x +=
        L * L / (48.0 * material.E * material.A) *
        (xi * xi * xi * (pa - pb) - 3.0 * xi * xi * (pa + pb) - xi * (pa - pb) + 3.0 * (pa + pb));
    if (firstOrder)
      local.y += L * L * L / (360.0 * k) *
                 ((7.0 - 10.0 * y * y + 3.0 * y * y * y * y) * y * qa +
                  (7.0 - 10.0 * x * x + 3.0 * x * x * x * x) * x * qb);
    else
      local.y += L * L * L / k * (LoadDeflection(y, t) * qa + LoadDeflection(x, t) * qb);
  }
  const double h = ElementBeam(e).thickness;
  if (h > 0.0)
    ForEachRowOnBeam(TemperatureLoads, e.beam, [&](const TempLoadRecord &row) {
      const double curvature = material.alphaT * row.dT / h;
      if (firstOrder)
        local.y += 0.5 * L * L * curvature * (x - x * x);
      else
        local.y -= curvature * L * L * (MomentDeflection(y, t) + MomentDeflection(x, t));
    });
  if (SecondOrderForm(e) && (Solutions.AnalysisFlags & kSecondOrder))
    ForEachRowOnBeam(Imperfections, e.beam, [&](const ImperfectionRecord &row) {
      double f, psi;
      ImperfectionOnPiece(row, f, psi, e.x0, e.x1);
      local.y -= 8.0 * f * L * t * (LoadDeflection(y, t) + LoadDeflection(x, t));
    });
  RotatePair(local.x, local.y, terms.sin, terms.cos);
  return local;
}

Point2D DisplacementAt(const SolElement &e, double x) {
  const Point2D d = EndDisplacementPart(e, x);
  if (Solutions.AnalysisFlags & kBuckling)
    return d;
  return VecAdd(d, LoadDisplacementPart(e, x));
}

Point2D DisplacedPointAt(const SolElement &e, double x, double scale) {
  const Point2D chord = InterpolatePoint(ElementEnd(e, 0), ElementEnd(e, 1), x);
  return VecAdd(chord, VecScale(scale, DisplacementAt(e, x)));
}
