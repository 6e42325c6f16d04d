#pragma once
// One pass of the displacement method on the model of the analysis context:
// skyline profile, assembly, load vector, and either the solve with the
// recovery of the results or, for the buckling analysis, the stability test.
#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

class DofExpansions;
class ElementContainer;
class KMatrix;
class SolElement;
class SolutionsCont;

// Results of a solve step: kSolved or kFailed, or for a stability test
// (flags kBuckling without kQuietSolve) the factorisation status.
constexpr int kSolved = 1;
constexpr int kFailed = 2;

// What successive solve steps on one numbering of the equations share: the
// DOF expansions and the skyline matrix, whose profile only the numbering
// fixes.  The first step that is given it fills it; the later ones zero and
// refill the matrix's values.  The holder must not outlive the numbering.
struct StepStorage {
  StepStorage();
  ~StepStorage();
  // The status of an earlier stability test at exactly this load factor,
  // or nullptr.
  const int *TestedStatus(double loadFactor) const;

  std::unique_ptr<DofExpansions> expansions;
  std::unique_ptr<KMatrix> K;
  // The stability tests made on this storage: load factor and status.  The
  // matrix depends on nothing else, so a test at a factor tested before
  // gives that status again without being assembled and factorised (the
  // search for the critical factor comes back to factors it has tested).
  std::vector<std::pair<double, int>> tested;
};

// Without storage the step builds its own and frees it at the end.
int SolveStep(SolutionsCont &context, std::int32_t flags, StepStorage *storage = nullptr);

// SecondOrderParams and ElementEndForces for every element in order.
void ComputeSecondOrderParams(ElementContainer &elements, std::int32_t flags);
void ComputeEndForces(ElementContainer &elements, std::int32_t flags);

// End forces and AlongBeamTerms of every element, then the reaction sums of
// the two node entries of every hinge place combined, so that both hold the
// place's sum.
void ElementResults(SolutionsCont &context, std::int32_t flags);

// Stores the element's normal force at half its length and returns the
// magnitude of the change.
double UpdateMidNormalForce(SolElement &element);
// Sum of UpdateMidNormalForce over all elements.
double NormalForceChange(SolutionsCont &context);
// Sum of the magnitudes of the stored mid-length normal forces.
double MidNormalForceSum(const SolutionsCont &context);
