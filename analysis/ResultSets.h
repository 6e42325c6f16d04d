#pragma once
// The result functions a user can look at after each kind of analysis: they
// give the graph window's tabs, the main window's result menu and the columns
// of the results protocol.
#include <cstdint>
#include <string>

class SolutionsCont;

// Kinds of result-set entries.
constexpr std::int32_t kResultForce = 0;     // component: internal-force code
constexpr std::int32_t kResultDeformed = 4;  // deformed shape
constexpr std::int32_t kResultStructure = 7; // structure with its loads

struct ResultSetEntry {
  const char *name;
  const char *shortName;
  std::int32_t kind;
  std::int32_t component;
};

struct ResultSetTable {
  std::int32_t count;
  std::int32_t firstForce; // index of the first internal-force entry
  std::int32_t forceCount;
  const ResultSetEntry *entries;
};

extern const ResultSetTable FirstOrderResults;
extern const ResultSetTable SecondOrderResults;
extern const ResultSetTable BucklingResults;

// The table of the context's analysis kind (buckling, else second order,
// else first order).
const ResultSetTable &ResultDescriptor(const SolutionsCont &context);
// The caption of the results: "Knickuntersuchung f=...", "I.Ordnung",
// "II.Ordnung, n Iterationen" or empty.
std::string ResultCaption(const SolutionsCont &context);
