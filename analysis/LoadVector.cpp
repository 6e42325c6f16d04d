#include "analysis/LoadVector.h"

#include "analysis/ElementGeometry.h"
#include "analysis/ElementLoads.h"
#include "analysis/ElementStiffness.h"
#include "analysis/FGTab.h"
#include "analysis/Matrix.h"
#include "analysis/SolElement.h"
#include "analysis/Solutions.h"
#include "model/GeometryQueries.h"
#include "model/LoadLists.h"
#include "model/LoadQueries.h"

#include <cmath>

namespace {

void AddNodeLoads(SolutionsCont &context, Matrix &F) {
  for (int n = 0; n < NodeLoads.ActiveCount(); ++n) {
    const NodeLoadRecord &row = NodeLoads.Active(n);
    const NumberRange range = ClampToTable(row.from, row.to, Nodes);
    for (int node = range.first; node <= range.last; ++node) {
      const std::int32_t e = Nodes.At(node - 1).modelNode;
      if (e < 0)
        continue;
      AddNodalLoad(context, row.px, e, 0, F, 1);
      AddNodalLoad(context, row.pz, e, 1, F, 1);
      AddNodalLoad(context, row.m, e, 2, F, 1);
    }
  }
}

void AddPointLoads(SolutionsCont &context, Matrix &F) {
  for (int n = 0; n < PointLoads.ActiveCount(); ++n) {
    const PointLoadRecord &row = PointLoads.Active(n);
    if (row.modelNode < 0)
      continue;
    Point2D force{row.n, row.q};
    VecRotate(force, BeamAngle(Beams.At(row.beam - 1)));
    AddNodalLoad(context, force.x, row.modelNode, 0, F, 1);
    AddNodalLoad(context, force.y, row.modelNode, 1, F, 1);
    AddNodalLoad(context, row.m, row.modelNode, 2, F, 1);
  }
}

void AddElementLoads(SolutionsCont &context, Matrix &F, std::int32_t flags) {
  Vektor r(6);
  for (int i = 0; i < context.Elements.Count(); ++i) {
    const SolElement &element = context.Elements.At(i);
    r.Zero();
    FixedEndForces(element, r, flags);
    for (int k = 0; k < 6; ++k)
      AddNodalLoad(context, r(k, 0), element.Node(k / 3), k % 3, F, 0);
  }
}

// A hinge load pushes the two sides of its hinge apart along the released
// direction, or turns them against each other.
void AddHingeLoads(SolutionsCont &context, Matrix &F) {
  for (int n = 0; n < HingeLoads.ActiveCount(); ++n) {
    const HingeLoadRecord &row = HingeLoads.Active(n);
    if (row.kind != kHingeLoad)
      continue;
    const HingeRecord &hinge = Hinges.At(row.hinge - 1);
    if (hinge.leftNode < 0 || hinge.rightNode < 0)
      continue;
    const double phi = BeamAngle(Beams.At(hinge.beam - 1));
    double fx = 0.0, fz = 0.0, moment = 0.0;
    if (hinge.type == kHingeNormalForce) {
      fx = std::cos(phi) * row.value;
      fz = std::sin(phi) * row.value;
    } else if (hinge.type == kHingeShearForce) {
      fx = std::cos(phi + 1.5707963267948966) * row.value;
      fz = std::sin(phi + 1.5707963267948966) * row.value;
    } else {
      moment = row.value;
    }
    AddNodalLoad(context, fx, hinge.leftNode, 0, F, 0);
    AddNodalLoad(context, fz, hinge.leftNode, 1, F, 0);
    AddNodalLoad(context, -moment, hinge.leftNode, 2, F, 0);
    AddNodalLoad(context, -fx, hinge.rightNode, 0, F, 0);
    AddNodalLoad(context, -fz, hinge.rightNode, 1, F, 0);
    AddNodalLoad(context, moment, hinge.rightNode, 2, F, 0);
  }
}

} // namespace

void AssembleLoadVector(SolutionsCont &context, Matrix &F, std::int32_t flags) {
  AddNodeLoads(context, F);
  AddPointLoads(context, F);
  AddElementLoads(context, F, flags);
  AddHingeLoads(context, F);
}

void ElementEndForces(SolElement &element, std::int32_t flags) {
  Vektor u(6);
  for (int k = 0; k < 6; ++k)
    u(k, 0) = element.Dof(k).DependentValue(1.0);
  Matrix K(6, 6);
  ElementStiffness(element, K, flags);
  Vektor f(6);
  f.CopyFrom(K.Multiply(u));
  if (!(flags & kBuckling)) {
    Vektor r(6);
    FixedEndForces(element, r, flags);
    f.Subtract(r);
    for (int k = 0; k < 6; ++k)
      AddToReaction(Solutions, f(k, 0), element.Node(k / 3), k % 3);
  }
  const double phi = ElementAngle(element);
  RotatePair(f(0, 0), f(1, 0), std::sin(-phi), std::cos(-phi));
  RotatePair(f(3, 0), f(4, 0), std::sin(-phi), std::cos(-phi));
  f(5, 0) = -f(5, 0);
  f(0, 0) = -f(0, 0);
  if (flags & kBuckling)
    f(0, 0) = f(3, 0) = element.AxialForce();
  element.N0 = f(0, 0);
  element.Q0 = f(1, 0);
  element.M0 = f(2, 0);
  element.N1 = f(3, 0);
  element.Q1 = f(4, 0);
  element.M1 = f(5, 0);
}
