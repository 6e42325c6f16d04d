#pragma once
// One pass of the displacement method on the model of the analysis context:
// skyline profile, assembly, load vector, and either the solve with the
// recovery of the results or, for the buckling analysis, the stability test.
#include <cstdint>

class ElementContainer;
class SolElement;
class SolutionsCont;

// Results of a solve step: kSolved or kFailed, or for a stability test
// (flags kBuckling without kQuietSolve) the factorisation status.
constexpr int kSolved = 1;
constexpr int kFailed = 2;

int SolveStep(SolutionsCont &context, std::int32_t flags);

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
