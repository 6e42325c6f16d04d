#include "analysis/Drivers.h"

#include "analysis/ConstraintResolution.h"
#include "analysis/FGTab.h"
#include "analysis/Matrix.h"
#include "analysis/ModelBuild.h"
#include "analysis/ResultSets.h"
#include "analysis/SkylineSolver.h"
#include "analysis/SolElement.h"
#include "analysis/Solutions.h"
#include "analysis/SolveStep.h"
#include "model/Checks.h"
#include "model/Upcalls.h"

int PrepareAnalysis(SolutionsCont &context, std::int32_t mode) {
  ResetAnalysis(context);
  context.AnalysisFlags = mode;
  if (CheckSystem() || CheckLoads())
    return kFailed;
  if (!context.Hidden)
    Upcalls().ShowStatusWindow();
  Upcalls().SetStep(1);
  BuildModel(context, mode);
  Upcalls().SetNodeNb(context.NodeEntries.Count());
  Upcalls().SetElNb(context.Elements.Count());
  AddImposedConstraints(context);
  Upcalls().SetStep(2);
  if (ResolveConstraints(context) != 1) {
    ShowContradiction();
    Upcalls().SetStatusState(StatusWindowState::Error);
    return kFailed;
  }
  Upcalls().SetFGNb(FGTab.Count());
  Upcalls().SetBCNb(FGTab.Count() - FGTab.equationCount);
  Upcalls().SetStep(4);
  return kSolved;
}

namespace {

void PublishResults(SolutionsCont &context) {
  context.ResultsPresent = 1;
  Upcalls().SetResultCaption(ResultCaption(context));
}

} // namespace

int RunFirstOrder(SolutionsCont &context) {
  if (PrepareAnalysis(context, kFirstOrder) == kFailed ||
      SolveStep(context, kFirstOrder) == kFailed)
    return kFailed;
  Upcalls().SetStatusState(StatusWindowState::Finished);
  PublishResults(context);
  return kSolved;
}

int RunSecondOrder(SolutionsCont &context) {
  if (PrepareAnalysis(context, kSecondOrder) == kFailed)
    return kFailed;
  Upcalls().SetStatusState(StatusWindowState::Iteration);
  context.IterationOpen = 1;
  if (NextIteration(context) == kFailed)
    return kFailed;
  return NextIteration(context);
}

int NextIteration(SolutionsCont &context) {
  if (!context.IterationOpen)
    return kFailed;
  if (SolveStep(context, kSecondOrder) == kFailed) {
    context.ResultsPresent = 0;
    return kFailed;
  }
  PublishResults(context);
  Upcalls().NotifyChildren();
  return kSolved;
}

namespace {

// Raises the load factor in unit steps while the structure is stable, then
// halves the step around the limit.  Returns false when the step is still
// coarse after the passes, or when no factor tested was stable: then the
// critical factor lies below the step, and the halving towards 0 bounds it
// by nothing.  Leaves the load factor on the last unstable one.
bool BracketCriticalFactor(SolutionsCont &context, StepStorage &storage) {
  double step = 1.0;
  bool stableFound = false;
  context.LoadFactor = 1.0;
  for (int i = 0; step > 1e-6 && i <= 100; ++i) {
    if (SolveStep(context, kBuckling, &storage) == kFactorised) {
      stableFound = true;
      context.LoadFactor += step;
    } else {
      step *= 0.5;
      context.LoadFactor -= step;
    }
  }
  if (step > 1e-6 || !stableFound)
    return false;
  context.LoadFactor += step;
  return true;
}

// The solve under the loads at factor 1.0, whose mid-length normal forces
// the load factor scales from then on, and the search for the critical
// factor.  All of them share one matrix: between them only the load factor
// changes, not the numbering; it is freed before the shape is sought.
// kFailed when the solve failed, kNoBracket when the search found no factor.
constexpr int kNoBracket = 0;
int SolveAndBracket(SolutionsCont &context) {
  StepStorage storage;
  if (SolveStep(context, kFirstOrder, &storage) == kFailed)
    return kFailed;
  NormalForceChange(context);
  return BracketCriticalFactor(context, storage) ? kSolved : kNoBracket;
}

// A buckling shape is a solution of the unloaded structure: imposed
// displacements and hinge deformations count as 0 in it, while the supports
// they replace stay held and the hinges they act on stay locked, as in the
// stability tests.  Only imposed values give a DOF a constant.
void ZeroImposedValues() {
  for (int j = 0; j < FGTab.Count(); ++j)
    FGTab.Dof(j).constant = 0.0;
}

// Prescribes each independent DOF in turn as -1 and solves without loads;
// the first solve that succeeds leaves the buckling shape.
bool FindBucklingShape(SolutionsCont &context) {
  ZeroImposedValues();
  for (int j = 0; j < FGTab.Count(); ++j) {
    BCClass &dof = FGTab.Dof(j);
    if (dof.dependent)
      continue;
    dof.dependent = 1;
    dof.constant = 1.0;
    FGTab.NumberEquations();
    PublishResults(context);
    const int r = SolveStep(context, kBuckling | kQuietSolve);
    dof.dependent = 0;
    dof.constant = 0.0;
    FGTab.NumberEquations();
    if (r == kSolved)
      return true;
  }
  return false;
}

// Without a shape the results hold none: every displacement, reaction,
// moment and shear force 0, and the normal forces at the critical load, as
// a shape's are.  The imposed values are 0 here already.
void ZeroShape(SolutionsCont &context) {
  FGTab.ScatterSolution(Vektor(FGTab.equationCount));
  FGTab.ResetReactions();
  ElementResults(context, kBuckling | kQuietSolve);
}

} // namespace

int RunBuckling(SolutionsCont &context) {
  context.DeterminantPoints.Clear();
  if (PrepareAnalysis(context, kBuckling) == kFailed)
    return kFailed;
  const int bracketed = SolveAndBracket(context);
  if (bracketed == kFailed)
    return kFailed;
  if (bracketed != kSolved) {
    Upcalls().SetStatusState(StatusWindowState::Error);
    Upcalls().ShowMessage("Berechnungsfehler",
                          "Keine Lösung gefunden !\n"
                          "Möglicherweise ist die Belastung zu klein",
                          MessageButtons::OK);
    return kFailed;
  }
  Upcalls().SetStatusState(StatusWindowState::Finished);
  if (FindBucklingShape(context)) {
    SolveStep(context, kBuckling | kQuietSolve);
  } else {
    ZeroShape(context);
    Upcalls().ShowMessage("Information",
                          "Knickbiegelinie kann nicht bestimmt werden !\n"
                          "Möglicherweise existiert ein mehrfacher Eigenwert",
                          MessageButtons::OK);
  }
  Upcalls().SetStep(0);
  Upcalls().NotifyChildren();
  Upcalls().SetStatusState(StatusWindowState::Finished);
  return kSolved;
}
