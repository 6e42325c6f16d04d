#include "analysis/ConstraintResolution.h"

#include "analysis/ConstraintMatrix.h"
#include "analysis/EquationOrder.h"
#include "analysis/FGTab.h"
#include "analysis/Solutions.h"
#include "model/Upcalls.h"

int ResolveConstraints(SolutionsCont &context) {
  FGTab.Clear();
  for (int e = 0; e < context.NodeEntries.Count(); ++e) {
    context.NodeEntries.At(e).firstDof = FGTab.Count();
    for (int k = 0; k < 3; ++k)
      FGTab.NewDof();
  }
  if (SolveConstraintMatrix(context.Constraints, context.NodeEntries) == 2)
    return 2;
  Upcalls().SetStep(3);
  FGTab.SetEquationOrder(EquationOrder(context));
  FGTab.NumberEquations();
  return 1;
}

void ShowContradiction() {
  Upcalls().ShowMessage("Berechnungsfehler", "Widerspruch in der Randbedingungen",
                        MessageButtons::OK);
}
