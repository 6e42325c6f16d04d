#include "analysis/ResultSets.h"

#include "analysis/Solutions.h"
#include "model/CLocale.h"

namespace {

const ResultSetEntry kFirstOrderEntries[] = {
    {"Geometrie", "", kResultStructure, 0},  {"Biegelinie", "", kResultDeformed, 0},
    {"Normalkraft N", "N", kResultForce, 1}, {"Querkraft", "Q", kResultForce, 2},
    {"Biegemoment", "M", kResultForce, 4},
};

const ResultSetEntry kSecondOrderEntries[] = {
    {"Geometrie", "", kResultStructure, 0},  {"Biegelinie", "", kResultDeformed, 0},
    {"Normalkraft S", "S", kResultForce, 1}, {"Querkraft Q", "Q", kResultForce, 2},
    {"Querkraft R", "R", kResultForce, 3},   {"Biegemoment", "M", kResultForce, 4},
};

const ResultSetEntry kBucklingEntries[] = {
    {"Geometrie", "", kResultStructure, 0},
    {"Knickbiegelinie", "", kResultDeformed, 0},
    {"Normalkraft", "N", kResultForce, 1},
};

} // namespace

const ResultSetTable FirstOrderResults{5, 2, 3, kFirstOrderEntries};
const ResultSetTable SecondOrderResults{6, 2, 4, kSecondOrderEntries};
const ResultSetTable BucklingResults{3, 2, 1, kBucklingEntries};

const ResultSetTable &ResultDescriptor(const SolutionsCont &context) {
  if (context.AnalysisFlags & kBuckling)
    return BucklingResults;
  if (context.AnalysisFlags & kSecondOrder)
    return SecondOrderResults;
  return FirstOrderResults;
}

std::string ResultCaption(const SolutionsCont &context) {
  if (context.AnalysisFlags & kBuckling)
    return FormatC("Knickuntersuchung f=%.4lf", context.LoadFactor);
  if (context.AnalysisFlags & kFirstOrder)
    return "I.Ordnung";
  if (context.AnalysisFlags & kSecondOrder)
    return FormatC("II.Ordnung, %d Iterationen", context.IterationCount - 1);
  return "";
}
