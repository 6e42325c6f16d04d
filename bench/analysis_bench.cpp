// Times the three analyses through their drivers on generated frames: the
// first-order analysis and second-order iterations of a large frame, and the
// whole buckling analysis of a smaller one.
// Usage: analysis_bench [storeys bays [buckling storeys buckling bays]]
//        (default 100 x 100 and 30 x 30)
// The protocols go to a temporary file in TMPDIR (or the system's temporary
// folder) and are removed; when KELMOR_BENCH_PROTOCOLS names a folder, they
// are kept there instead as first-order.txt, second-order.txt and
// buckling.txt, with the header's time at zero, so that two builds'
// protocols can be compared byte for byte.
#include "analysis/Drivers.h"
#include "analysis/FGTab.h"
#include "analysis/ResultsProtocol.h"
#include "analysis/Solutions.h"
#include "analysis/SolveStep.h"
#include "bench/BenchMeasure.h"
#include "bench/FrameGenerator.h"
#include "model/CLocale.h"
#include "model/Upcalls.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

// Notes what the analysis tells the status window, with the time of each
// stage marker, and answers every message box by printing it.
class StatusLog : public UpcallInterface {
public:
  StatusLog() { InstallUpcalls(this); }
  ~StatusLog() override { InstallUpcalls(nullptr); }

  MessageAnswer ShowMessage(const std::string &caption, const std::string &text,
                            MessageButtons buttons) override {
    std::printf("  message \"%s\": %s\n", caption.c_str(), text.c_str());
    return UpcallInterface::ShowMessage(caption, text, buttons);
  }
  void SetStep(int step) override { steps.push_back({step, Clock::now()}); }
  void SetMemory(long long bytes) override { memory = bytes; }
  void SetBandbreite(int width) override { bandwidth = width; }
  void ShowIterationText(const std::string &) override { ++solves; }

  void Clear() {
    steps.clear();
    solves = 0;
  }
  // Seconds from each marker `from` to the marker after it, summed.
  double StageSeconds(int from) const {
    double seconds = 0.0;
    for (std::size_t i = 0; i + 1 < steps.size(); ++i)
      if (steps[i].step == from)
        seconds += std::chrono::duration<double>(steps[i + 1].at - steps[i].at).count();
    return seconds;
  }

  using Clock = std::chrono::steady_clock;
  struct Marker {
    int step;
    Clock::time_point at;
  };
  std::vector<Marker> steps;
  long long memory = 0;
  int bandwidth = 0;
  int solves = 0;
};

void PrintStages(const StatusLog &log) {
  static const struct {
    int step;
    const char *label;
  } stages[] = {
      {1, "model build"}, {2, "constraints and numbering"}, {4, "profile and stiffness matrix"},
      {5, "load vector"}, {6, "factorisation and solve"},   {7, "end forces and reactions"}};
  for (const auto &stage : stages)
    std::printf("    %-32s %8.3f s\n", stage.label, log.StageSeconds(stage.step));
}

void PrintModel(const StatusLog &log) {
  std::printf("  %d node entries, %d elements, %d DOFs, %d equations\n",
              Solutions.NodeEntries.Count(), Solutions.Elements.Count(), FGTab.Count(),
              FGTab.equationCount);
  std::printf("  skyline: bandwidth %d, %lld stored values (%.1f MB)\n", log.bandwidth,
              log.memory / 8, log.memory / (1024.0 * 1024.0));
}

// Builds the results protocol of the last analysis and writes it to a
// file, as SAVERESULT does; then writes it once more to memory.
void TimeProtocol(const char *keptName) {
  const char *keep = std::getenv("KELMOR_BENCH_PROTOCOLS");
  const std::filesystem::path folder =
      keep != nullptr ? std::filesystem::path(keep) : std::filesystem::temp_directory_path();
  const std::string path =
      (folder / (keep != nullptr ? keptName : "kelmor-bench-protocol.txt")).string();
  ProtocolHeader header{"frame.ssy", "frame.sla"};
  if (keep != nullptr)
    header.stamp = std::tm{};
  PhaseMeter meter;
  std::string text;
  const bool built = PrintResults(text, header);
  const double textSeconds = meter.Stop().seconds;
  const bool written = built && WriteProtocolFile(path, text);
  const PhaseFigures figures = meter.Stop();
  std::puts(Describe("results protocol", figures).c_str());
  std::printf("    %.1f MB, %.0f MB/s: text %.3f s, file %.3f s%s\n", text.size() / 1048576.0,
              text.size() / 1048576.0 / figures.seconds, textSeconds, figures.seconds - textSeconds,
              written ? "" : " (not written)");
  // The same file in memory, where the system has /dev/shm: the conversion
  // and the copy without the disk.
  const std::filesystem::path memory = "/dev/shm";
  std::error_code error;
  if (std::filesystem::is_directory(memory, error)) {
    const std::string inMemory = (memory / "kelmor-bench-protocol.txt").string();
    const auto before = std::chrono::steady_clock::now();
    const bool inMemoryWritten = WriteProtocolFile(inMemory, text);
    std::printf("    the same file in /dev/shm %.3f s%s\n",
                std::chrono::duration<double>(std::chrono::steady_clock::now() - before).count(),
                inMemoryWritten ? "" : " (not written)");
    std::filesystem::remove(inMemory, error);
  }
  if (keep == nullptr)
    std::filesystem::remove(path);
}

int Count(const char *text, int fallback) {
  return text == nullptr ? fallback : std::max(1, static_cast<int>(AtolC(text)));
}

void LargeFrame(const FrameSpec &spec, StatusLog &log) {
  const FrameSize size = GenerateFrame(spec);
  std::printf("Frame %d storeys x %d bays: %d nodes, %d beams\n", spec.storeys, spec.bays,
              size.nodes, size.beams);

  log.Clear();
  PhaseMeter first;
  const int firstResult = RunFirstOrder(Solutions);
  std::puts(Describe("first order, checks to results", first.Stop()).c_str());
  if (firstResult != kSolved)
    return;
  PrintModel(log);
  PrintStages(log);
  TimeProtocol("first-order.txt");

  log.Clear();
  PhaseMeter second;
  const int secondResult = RunSecondOrder(Solutions);
  std::puts(Describe("second order, first two solves", second.Stop()).c_str());
  if (secondResult != kSolved)
    return;
  PrintStages(log);
  log.Clear();
  PhaseMeter next;
  const int nextResult = NextIteration(Solutions);
  std::puts(Describe("one further iteration", next.Stop()).c_str());
  if (nextResult != kSolved)
    return;
  std::printf("  convergence value %.3e\n", Solutions.ConvergenceValue);
  PrintStages(log);
  TimeProtocol("second-order.txt");
}

void BucklingFrame(const FrameSpec &spec, StatusLog &log) {
  const FrameSize size = GenerateFrame(spec);
  std::printf("\nFrame %d storeys x %d bays: %d nodes, %d beams\n", spec.storeys, spec.bays,
              size.nodes, size.beams);
  log.Clear();
  PhaseMeter buckling;
  const int result = RunBuckling(Solutions);
  std::puts(Describe("buckling analysis", buckling.Stop()).c_str());
  PrintModel(log);
  if (result != kSolved)
    return;
  std::printf("  critical load factor %.6f after %d stability tests\n", Solutions.LoadFactor,
              log.solves);
  TimeProtocol("buckling.txt");
}

} // namespace

int main(int argc, char **argv) {
  StatusLog log;
  std::printf("load average %s\n", LoadAverage().c_str());
  Solutions.Hidden = 1;
  FrameSpec large;
  large.storeys = Count(argc > 1 ? argv[1] : nullptr, 100);
  large.bays = Count(argc > 2 ? argv[2] : nullptr, 100);
  LargeFrame(large, log);
  FrameSpec small;
  small.storeys = Count(argc > 3 ? argv[3] : nullptr, 30);
  small.bays = Count(argc > 4 ? argv[4] : nullptr, 30);
  BucklingFrame(small, log);
  return 0;
}
