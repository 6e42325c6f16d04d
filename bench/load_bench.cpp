// Times the rebuild of the "Geometrie" view of a large generated frame: the
// structure alone, with the loads layer, and with one more distributed-load
// row over every beam, written once as 1 .. the beam count and once as
// 1 .. 2,000,000,000.  Figures are medians of 10 runs; no analysis is run.
// Usage: load_bench [storeys [bays]]   (default 100 x 100)
#include "bench/BenchMeasure.h"
#include "bench/FrameGenerator.h"
#include "graphics/core/GraphWindow.h"
#include "model/LoadLists.h"
#include "model/SystemTables.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr int kRuns = 10;

double RebuildMilliseconds(GraphWindow &window) {
  std::vector<double> times;
  for (int i = 0; i < kRuns; ++i) {
    const auto start = std::chrono::steady_clock::now();
    window.Rebuild();
    times.push_back(
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
            .count());
  }
  std::sort(times.begin(), times.end());
  return 0.5 * (times[kRuns / 2 - 1] + times[kRuns / 2]);
}

void Report(GraphWindow &window, const char *label) {
  const double ms = RebuildMilliseconds(window);
  std::printf("  %-52s %9.2f ms, %8d records\n", label, ms, window.Display.RecordCount());
}

} // namespace

int main(int argc, char **argv) {
  const FrameSpec spec = FrameSpecFromArguments(argc, argv);
  const FrameSize size = GenerateFrame(spec);
  std::printf("frame %d x %d: %d nodes, %d beams, %d distributed and %d point loads; "
              "load average %s\n",
              spec.storeys, spec.bays, size.nodes, size.beams, size.beamLoads, size.pointLoads,
              LoadAverage().c_str());
  GraphWindow window;
  window.Open();
  // The labels of every load (layer 13, on in a new window) first off.
  for (bool values : {false, true}) {
    std::printf("value labels (layer 13) %s:\n", values ? "on" : "off");
    window.SetLayer(kLayerValues, values);
    window.SetLayer(kLayerLoads, false);
    Report(window, "\"Geometrie\", structure (layers 3, 6)");
    window.SetLayer(kLayerGeometry, false);
    window.SetLayer(kLayerLoads, true);
    Report(window, "loads alone (layer 7)");
    window.SetLayer(kLayerGeometry, true);
    Report(window, "structure and loads");
  }

  BeamLoadRecord &row = BeamLoads.At(size.beamLoads);
  row.state = 255;
  row.from = 1;
  row.to = size.beams;
  row.system = kGlobalAxes;
  row.q2Start = row.q2End = 1.0;
  row.partialEnd = 1.0;
  Report(window, "with a load row over beams 1 .. beam count");
  row.to = 2000000000;
  Report(window, "the same row over beams 1 .. 2,000,000,000");
  std::printf("load average after: %s\n", LoadAverage().c_str());
  return 0;
}
