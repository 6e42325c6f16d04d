#pragma once
// The three analyses on the analysis context: first order, second order by
// iteration, and the buckling analysis.  They run synchronously, drive the
// status window and the result caption through the upward seam and leave
// their results in the context.  Each returns kSolved (done) or kFailed.
#include <cstdint>

class SolutionsCont;

// Resets the context, runs the plausibility checks (a fault opens the input
// form and stops), builds the model and resolves its constraints.
int PrepareAnalysis(SolutionsCont &context, std::int32_t mode);
int RunFirstOrder(SolutionsCont &context);
// Prepares and runs the first two iterations; further ones come from
// NextIteration.
int RunSecondOrder(SolutionsCont &context);
// One more second-order solve with the normal forces of the previous one.
// Fails without solving when no second-order analysis is open (a change of
// the model has reset the context since).
int NextIteration(SolutionsCont &context);
// Brackets the critical load factor by bisection, then finds the buckling
// shape.
int RunBuckling(SolutionsCont &context);
