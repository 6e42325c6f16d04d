#include "bench/BenchMeasure.h"

#include "model/CLocale.h"

#include <cstdio>
#include <cstring>
#include <fstream>

namespace {

// A "Vm...:  1234 kB" line of /proc/self/status, 0 when it cannot be read.
long StatusKb(const char *key) {
  std::ifstream status("/proc/self/status");
  std::string line;
  const std::size_t length = std::strlen(key);
  while (std::getline(status, line))
    if (line.compare(0, length, key) == 0 && line.size() > length && line[length] == ':')
      return AtolC(line.c_str() + length + 1);
  return 0;
}

// Sets the peak resident memory (VmHWM) back to the present level.
bool ResetPeak() {
  std::FILE *file = std::fopen("/proc/self/clear_refs", "w");
  if (file == nullptr)
    return false;
  const bool written = std::fputs("5", file) >= 0;
  return std::fclose(file) == 0 && written;
}

} // namespace

PhaseMeter::PhaseMeter() : peakReset(ResetPeak()) {
  startKb = StatusKb("VmRSS");
  start = std::chrono::steady_clock::now();
}

PhaseFigures PhaseMeter::Stop() const {
  PhaseFigures figures;
  figures.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  figures.peakKb = StatusKb("VmHWM") - startKb;
  figures.retainedKb = StatusKb("VmRSS") - startKb;
  figures.peakIsExact = peakReset;
  return figures;
}

std::string Describe(const char *label, const PhaseFigures &figures) {
  return FormatC("  %-34s %8.3f s   peak %+8.1f MB%s   kept %+8.1f MB", label, figures.seconds,
                 figures.peakKb / 1024.0, figures.peakIsExact ? "" : " (process peak)",
                 figures.retainedKb / 1024.0);
}

std::string LoadAverage() {
  std::ifstream file("/proc/loadavg");
  std::string one, five, fifteen;
  file >> one >> five >> fifteen;
  return one + " " + five + " " + fifteen;
}
