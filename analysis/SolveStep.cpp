#include "analysis/SolveStep.h"

#include "analysis/Assembly.h"
#include "analysis/ElementStiffness.h"
#include "analysis/FGTab.h"
#include "analysis/KMatrix.h"
#include "analysis/LoadRowIndex.h"
#include "analysis/LoadVector.h"
#include "analysis/Matrix.h"
#include "analysis/SkylineSolver.h"
#include "analysis/SolElement.h"
#include "analysis/Solutions.h"
#include "model/CLocale.h"
#include "model/Upcalls.h"

#include <cmath>

void ComputeSecondOrderParams(ElementContainer &elements, std::int32_t flags) {
  for (int i = 0; i < elements.Count(); ++i)
    SecondOrderParams(elements.At(i), flags);
}

void ComputeEndForces(ElementContainer &elements, std::int32_t flags) {
  for (int i = 0; i < elements.Count(); ++i)
    ElementEndForces(elements.At(i), flags);
}

namespace {

bool AllFinite(const Matrix &F) {
  for (int i = 0; i < F.Count(); ++i)
    if (!std::isfinite(F[i]))
      return false;
  return true;
}

// End forces and reaction sums can overflow where the displacements did not
// (loads, stiffnesses or coordinates near the largest double; an element
// longer than that has no finite values along it).
bool ResultsFinite(const SolutionsCont &context) {
  for (int i = 0; i < context.Elements.Count(); ++i) {
    const SolElement &e = context.Elements.At(i);
    for (const double v : {e.L, e.N0, e.Q0, e.M0, e.N1, e.Q1, e.M1})
      if (!std::isfinite(v))
        return false;
  }
  for (int i = 0; i < FGTab.Count(); ++i)
    if (!std::isfinite(FGTab.Dof(i).reaction))
      return false;
  return true;
}

// The convergence value of a second-order solve: the change of the mid-length
// normal forces relative to their previous sum; 0 when nothing carries a
// normal force at all.
void UpdateConvergence(SolutionsCont &context) {
  const double previous = MidNormalForceSum(context);
  const double change = NormalForceChange(context);
  if (previous > 0.0)
    context.ConvergenceValue = change / previous;
  else
    context.ConvergenceValue = change == 0.0 ? 0.0 : 1.0;
  if (previous > 0.0)
    Upcalls().ShowNormText(FormatC("Normalkraftnorm = %lf", context.ConvergenceValue));
}

int SolveAndRecover(SolutionsCont &context, KMatrix &K, Vektor &F, std::int32_t flags) {
  bool solved = SkylineSolve(K, F) == kFactorised && AllFinite(F);
  if (solved) {
    Upcalls().SetStep(7);
    FGTab.ScatterSolution(F);
    ElementResults(context, flags);
    solved = ResultsFinite(context);
  }
  if (!solved) {
    if (!(flags & kQuietSolve))
      Upcalls().ShowMessage("Berechnungsfehler",
                            "Singuläre Steifigkeitsmatrix !\n"
                            "Möglicherweise liegt verschiebliches System vor",
                            MessageButtons::OK);
    Upcalls().SetStatusState(StatusWindowState::Error);
    return kFailed;
  }
  if (flags & kSecondOrder)
    UpdateConvergence(context);
  Upcalls().SetStep(0);
  return kSolved;
}

} // namespace

StepStorage::StepStorage() = default;
StepStorage::~StepStorage() = default;

const int *StepStorage::TestedStatus(double loadFactor) const {
  for (const auto &test : tested)
    if (test.first == loadFactor)
      return &test.second;
  return nullptr;
}

int SolveStep(SolutionsCont &context, std::int32_t flags, StepStorage *storage) {
  ReindexLoadRows();
  StepStorage own;
  StepStorage &kept = storage != nullptr ? *storage : own;
  const bool stabilityTest = (flags & kBuckling) && !(flags & kQuietSolve);
  const int *known = stabilityTest ? kept.TestedStatus(context.LoadFactor) : nullptr;
  if (kept.K == nullptr) {
    kept.expansions = std::make_unique<DofExpansions>(FGTab);
    kept.K = std::make_unique<KMatrix>(FGTab.equationCount);
    SetProfile(context.Elements, *kept.K);
    kept.K->FinishProfile();
  } else if (known == nullptr) {
    kept.K->Zero();
  }
  const DofExpansions &expansions = *kept.expansions;
  KMatrix &K = *kept.K;
  Vektor F(FGTab.equationCount);
  Upcalls().SetMemory(K.StoredCount() * 8);
  Upcalls().SetBandbreite(K.Bandwidth());
  if (context.TensionOption != 0)
    flags |= kTensionBars;
  ComputeSecondOrderParams(context.Elements, flags);
  if (known == nullptr)
    AssembleStiffness(context.Elements, K, F, flags, expansions);
  FGTab.ResetReactions();
  if (!(flags & kBuckling)) {
    Upcalls().SetStep(5);
    AssembleLoadVector(context, F, flags);
  }
  Upcalls().SetStep(6);
  if ((flags & (kSecondOrder | kBuckling)) && !(flags & kQuietSolve)) {
    Upcalls().ShowIterationText(FormatC("Iteration: %d", context.IterationCount));
    ++context.IterationCount;
  }
  if (flags & kBuckling)
    Upcalls().ShowNormText(FormatC("Lastfaktor = %lf", context.LoadFactor));
  if (!stabilityTest)
    return SolveAndRecover(context, K, F, flags);
  if (known != nullptr)
    return *known;
  const int status = LDLDecompose(K);
  kept.tested.emplace_back(context.LoadFactor, status);
  return status;
}
