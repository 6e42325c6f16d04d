#include "analysis/ElementStiffness.h"

#include "analysis/ElementGeometry.h"
#include "analysis/Matrix.h"
#include "analysis/SolElement.h"
#include "analysis/Solutions.h"
#include "analysis/StabilityFunctions.h"

#include <cmath>

void RotatePair(double &x, double &y, double s, double c) {
  const double x0 = x, y0 = y;
  x = x0 * c - y0 * s;
  y = x0 * s + y0 * c;
}

void SecondOrderParams(SolElement &element, std::int32_t flags) {
  const MatRecord &material = ElementMaterial(element);
  element.L = VecLength(VecSub(ElementEnd(element, 1), ElementEnd(element, 0)));
  element.k = material.E * material.I / element.L;
  if (!(flags & (kSecondOrder | kBuckling))) {
    element.s = element.epsilon = element.t = element.midNormalForce = 0.0;
    element.alpha = 4.0;
    element.beta = 2.0;
    return;
  }
  const double axial = element.AxialForce();
  const double sg = SignTol(axial);
  element.t = axial * element.L / element.k;
  if (!(flags & kTensionBars) && element.t > 0.0)
    element.t = 0.0;
  element.epsilon = std::sqrt(std::fabs(element.t));
  element.s = element.t < 0.0 ? std::sin(element.epsilon) : std::sinh(element.epsilon);
  const BendingCoefficients c = StabilityCoefficients(element.t, sg);
  element.alpha = c.alpha;
  element.beta = c.beta;
}

namespace {

// K = R K R^T with R the rotation by the element angle, applied to the
// (along, across) pairs of both ends.
void RotateToGlobal(Matrix &K, double angle) {
  const double sn = std::sin(angle), cs = std::cos(angle);
  for (int c = 0; c < 6; ++c) {
    RotatePair(K(0, c), K(1, c), sn, cs);
    RotatePair(K(3, c), K(4, c), sn, cs);
  }
  for (int r = 0; r < 6; ++r) {
    RotatePair(K(r, 0), K(r, 1), sn, cs);
    RotatePair(K(r, 3), K(r, 4), sn, cs);
  }
}

} // namespace

void ElementStiffness(const SolElement &element, Matrix &K, std::int32_t flags) {
  const double L = element.L, k = element.k;
  const double a = (element.alpha + element.beta) * k / L;
  K(2, 1) = K(5, 1) = a;
  K(2, 2) = K(5, 5) = element.alpha * k;
  K(2, 4) = K(5, 4) = -a;
  K(2, 5) = K(5, 2) = element.beta * k;
  for (int c = 0; c < 6; ++c) {
    K(4, c) = -(K(2, c) + K(5, c)) / L;
    K(1, c) = -K(4, c);
  }
  const double axial = element.AxialForce();
  if ((flags & kTensionBars) || axial < 0.0) {
    const double g = axial / L;
    K(1, 1) += g;
    K(4, 4) += g;
    K(1, 4) -= g;
    K(4, 1) -= g;
  }
  const MatRecord &material = ElementMaterial(element);
  const double e = material.A * material.E / L;
  K(0, 0) = K(3, 3) = e;
  K(0, 3) = K(3, 0) = -e;
  RotateToGlobal(K, ElementAngle(element));
}
