// Times the analysis of a generated storeys x bays frame.
// Usage: frame_bench [storeys [bays]]   (default 100 x 100)
#include "analysis/ConstraintResolution.h"
#include "analysis/EquationOrder.h"
#include "analysis/FGTab.h"
#include "analysis/ModelBuild.h"
#include "analysis/SolElement.h"
#include "analysis/Solutions.h"
#include "bench/BenchMeasure.h"
#include "bench/FrameGenerator.h"
#include "model/CLocale.h"
#include "model/Checks.h"

#include <algorithm>
#include <cstdio>
#include <optional>
#include <vector>

namespace {

struct Profile {
  long long values = 0; // stored values of the skyline matrix
  int bandwidth = 0;    // largest column height
};

Profile MeasureProfile() {
  std::vector<std::int32_t> heights(FGTab.equationCount, 0);
  for (int i = 0; i < Solutions.Elements.Count(); ++i)
    CouplingHeights(Solutions.Elements.At(i), heights.data());
  Profile profile;
  profile.values = ProfileSize(Solutions);
  if (!heights.empty())
    profile.bandwidth = *std::max_element(heights.begin(), heights.end());
  return profile;
}

void PrintProfile(const char *label, const Profile &profile) {
  std::printf("  %-34s %12lld values (%9.1f MB), bandwidth %d\n", label, profile.values,
              profile.values * 8.0 / (1024.0 * 1024.0), profile.bandwidth);
}

// Model build, constraint resolution and numbering of one analysis mode.
// Returns 1 when the model is ready for assembly.
int PrepareModel(int mode) {
  std::printf("\nMode %d (%s)\n", mode,
              mode == kBuckling ? "buckling: beams halved" : "first order");
  ResetAnalysis(Solutions);
  PhaseMeter build;
  BuildModel(Solutions, mode);
  std::puts(Describe("model build", build.Stop()).c_str());
  std::printf("  %d node entries, %d elements, %d constraints\n", Solutions.NodeEntries.Count(),
              Solutions.Elements.Count(), Solutions.Constraints.Count());

  PhaseMeter resolve;
  AddImposedConstraints(Solutions);
  const int resolved = ResolveConstraints(Solutions);
  std::puts(Describe("constraint resolution + numbering", resolve.Stop()).c_str());
  if (resolved != 1) {
    std::puts("  contradictory constraints");
    return resolved;
  }
  std::printf("  %d DOFs, %d dependent, %d equations\n", FGTab.Count(),
              FGTab.Count() - FGTab.equationCount, FGTab.equationCount);

  PhaseMeter order;
  FGTab.SetEquationOrder(EquationOrder(Solutions));
  FGTab.NumberEquations();
  std::puts(Describe("of which the node order", order.Stop()).c_str());
  PhaseMeter renumber;
  FGTab.NumberEquations();
  std::puts(Describe("renumbering with the kept order", renumber.Stop()).c_str());

  PrintProfile("profile, optimised numbering", MeasureProfile());
  FGTab.ClearEquationOrder();
  FGTab.NumberEquations();
  PrintProfile("profile, table order", MeasureProfile());
  FGTab.SetEquationOrder(EquationOrder(Solutions));
  FGTab.NumberEquations();
  return 1;
}

} // namespace

int main(int argc, char **argv) {
  const FrameSpec spec = FrameSpecFromArguments(argc, argv);
  PhaseMeter generate;
  const FrameSize size = GenerateFrame(spec);
  std::printf("Frame %d storeys x %d bays: %d nodes, %d beams, %d hinges, %d point loads, "
              "%d beam loads\n",
              spec.storeys, spec.bays, size.nodes, size.beams, size.hinges, size.pointLoads,
              size.beamLoads);
  std::puts(Describe("generation into the tables", generate.Stop()).c_str());
  PhaseMeter checks;
  std::optional<InputFault> fault = CheckSystem();
  if (!fault)
    fault = CheckLoads();
  std::puts(Describe("plausibility checks", checks.Stop()).c_str());
  if (fault) {
    std::printf("  check failed in row %d, column %d: %s\n", fault->row + 1, fault->column,
                fault->message.c_str());
    return 1;
  }

  for (int mode : {kFirstOrder, kBuckling})
    PrepareModel(mode);
  return 0;
}
