#include "analysis/ElementLoads.h"

#include "analysis/ElementGeometry.h"
#include "analysis/ElementStiffness.h"
#include "analysis/LoadRowIndex.h"
#include "analysis/Matrix.h"
#include "analysis/SolElement.h"
#include "analysis/Solutions.h"
#include "analysis/StabilityFunctions.h"
#include "model/Commonfkc.h"
#include "model/LoadLists.h"
#include "model/LoadQueries.h"

#include <cmath>

int BeamLoadSums(const SolElement &element, double &pa, double &pb, double &qa, double &qb) {
  pa = pb = qa = qb = 0.0;
  const Point2D p0 = ElementEnd(element, 0), p1 = ElementEnd(element, 1);
  const double hz = std::fabs(p1.y - p0.y), hx = std::fabs(p1.x - p0.x);
  const double angle = ElementAngle(element);
  const double cs = std::cos(angle), sn = std::sin(angle), L = element.L;
  ForEachRowOnBeam(BeamLoads, element.beam, [&](const BeamLoadRecord &row) {
    const double ts = row.partialStart, te = row.partialEnd;
    const double m = (element.x0 + element.x1) * 0.5;
    if (!(te > ts) || m < ts || m > te)
      return;
    const double u0 = (element.x0 - ts) / (te - ts), u1 = (element.x1 - ts) / (te - ts);
    const double f0 = Interpolate(row.q1Start, row.q1End, u0);
    const double f1 = Interpolate(row.q1Start, row.q1End, u1);
    const double g0 = Interpolate(row.q2Start, row.q2End, u0);
    const double g1 = Interpolate(row.q2Start, row.q2End, u1);
    if (row.system == kLocalAxes) {
      pa += g0;
      pb += g1;
      qa += f0;
      qb += f1;
      return;
    }
    // Global: x per unit of the vertical projection, z per unit of the
    // horizontal one, turned into the element's axes.
    pa += (cs * f0 * hz + sn * g0 * hx) / L;
    pb += (cs * f1 * hz + sn * g1 * hx) / L;
    qa += (-sn * f0 * hz + cs * g0 * hx) / L;
    qb += (-sn * f1 * hz + cs * g1 * hx) / L;
  });
  return pa != 0.0 || pb != 0.0 || qa != 0.0 || qb != 0.0;
}

namespace {

// Fixed-end forces of a linearly varying load in local axes.
void AddBeamLoad(const SolElement &element, double r[6]) {
  double pa, pb, qa, qb;
  if (!BeamLoadSums(element, pa, pb, qa, qb))
    return;
  const double L = element.L;
  r[0] += (2.0 * pa + pb) * L / 6.0;
  r[3] += (2.0 * pb + pa) * L / 6.0;
  if (std::fabs(element.t) >= kFirstOrderLimit) {
    const LoadQuotients q = FixedEndQuotients(element.t, {element.alpha, element.beta});
    r[2] += -(L * L / 6.0) * (q.nearEnd * qa + q.farEnd * qb);
    r[5] += (L * L / 6.0) * (q.nearEnd * qb + q.farEnd * qa);
  } else {
    r[2] += L * L * (3.0 * qa + 2.0 * qb) / 60.0;
    r[5] += -L * L * (2.0 * qa + 3.0 * qb) / 60.0;
  }
  r[1] += (qa / 3.0 + qb / 6.0) * L;
  r[4] += (qa / 6.0 + qb / 3.0) * L;
}

void AddTemperature(const SolElement &element, double r[6]) {
  const MatRecord &material = ElementMaterial(element);
  const double h = ElementBeam(element).thickness;
  ForEachRowOnBeam(TemperatureLoads, element.beam, [&](const TempLoadRecord &row) {
    const double axial = material.alphaT * row.t * material.A * material.E;
    r[0] -= axial;
    r[3] += axial;
    if (h > 0.0) {
      const double moment = row.dT * material.E * material.I * material.alphaT / h;
      r[2] += moment;
      r[5] -= moment;
    }
  });
}

// A pre-deformation acts like the transverse load N w0'' of its bow plus the
// transverse forces N psi of its chord rotation.
void AddPreDeformation(const SolElement &element, double r[6]) {
  const double axial = element.AxialForce();
  ForEachRowOnBeam(Imperfections, element.beam, [&](const ImperfectionRecord &row) {
    double f, psi;
    ImperfectionOnPiece(row, f, psi, element.x0, element.x1);
    double mi;
    if (std::fabs(element.t) >= kFirstOrderLimit) {
      const LoadQuotients q = FixedEndQuotients(element.t, {element.alpha, element.beta});
      mi = 4.0 * element.k * f * element.t * (q.nearEnd + q.farEnd) / 3.0;
    } else {
      mi = (2.0 - (element.alpha - element.beta)) * 4.0 * element.k * f;
    }
    const double v = axial * psi;
    r[1] += v;
    r[4] -= v;
    r[2] += mi;
    r[5] -= mi;
  });
}

} // namespace

void FixedEndForces(const SolElement &element, Matrix &out, std::int32_t flags) {
  double r[6] = {};
  AddBeamLoad(element, r);
  AddTemperature(element, r);
  if (flags & kSecondOrder)
    AddPreDeformation(element, r);
  const double shear = (r[2] + r[5]) / element.L;
  r[1] += shear;
  r[4] -= shear;
  const double angle = ElementAngle(element);
  const double sn = std::sin(angle), cs = std::cos(angle);
  RotatePair(r[0], r[1], sn, cs);
  RotatePair(r[3], r[4], sn, cs);
  for (int i = 0; i < 6; ++i)
    out(i, 0) += r[i];
}
