#include "analysis/ConstraintResolution.h"

#include "analysis/RowsInUse.h"
#include "analysis/Solutions.h"
#include "model/GeometryQueries.h"
#include "model/LoadLists.h"
#include "model/LoadQueries.h"
#include "model/SystemTables.h"

#include <numbers>

namespace {

// DOF component k of node entry e takes the value v (global directions).
void Impose(SolutionsCont &context, std::int32_t e, std::int32_t k, double v) {
  if (v == 0.0)
    return;
  OneBCContainer &constraint = context.Constraints.Add();
  constraint.AddTerm(e, k, 1.0);
  constraint.constant = -v;
}

void ImposeDisplacements(SolutionsCont &context) {
  ForRowsInUse(ImposedDisplacements, [&](int, const ZwvRecord &row) {
    const NumberRange nodes = ClampToTable(row.from, row.to, Nodes);
    for (int number = nodes.first; number <= nodes.last; ++number) {
      // The checks refuse imposed displacements of nodes no beam touches.
      const std::int32_t e = Nodes.At(number - 1).modelNode;
      if (e < 0)
        continue;
      Impose(context, e, 0, row.dx);
      Impose(context, e, 1, row.dz);
      Impose(context, e, 2, row.rotation);
    }
  });
}

// The deformation v of a hinge: left minus right along the beam axis (normal
// force hinge) or across it (shear force hinge), right minus left in the
// rotation (moment hinge).
void ImposeHingeDeformation(SolutionsCont &context, const HingeRecord &hinge, double v) {
  const std::int32_t left = hinge.leftNode, right = hinge.rightNode;
  if (left < 0 || right < 0 || hinge.type < kHingeNormalForce || hinge.type > kHingeMoment)
    return;
  const double a = BeamAngle(Beams.At(hinge.beam - 1));
  OneBCContainer &constraint = context.Constraints.Add();
  if (hinge.type == kHingeMoment) {
    constraint.AddTerm(left, 2, 1.0);
    constraint.AddTerm(right, 2, -1.0);
    constraint.constant = v;
    return;
  }
  AddRelativeDisplacement(constraint, left, right,
                          hinge.type == kHingeShearForce ? a + std::numbers::pi / 2 : a);
  constraint.constant = -v;
}

void ImposeHingeDeformations(SolutionsCont &context) {
  ForRowsInUse(HingeLoads, [&](int, const HingeLoadRecord &row) {
    if (row.kind == kHingeDeformation && Hinges.IsRowValid(row.hinge - 1))
      ImposeHingeDeformation(context, Hinges.At(row.hinge - 1), row.value);
  });
}

} // namespace

void AddImposedConstraints(SolutionsCont &context) {
  ImposeDisplacements(context);
  ImposeHingeDeformations(context);
}
