#pragma once
// Time and memory of one phase of a benchmark: wall-clock seconds, the peak
// resident memory above the level where the phase began, and the memory the
// phase left behind.  Memory is read from /proc/self/status.
#include <chrono>
#include <string>

struct PhaseFigures {
  double seconds = 0.0;
  long peakKb = 0;          // highest resident memory during the phase, above its start
  long retainedKb = 0;      // resident memory at its end, above its start
  bool peakIsExact = false; // false when the peak could not be reset: it may
                            // then come from an earlier phase
};

class PhaseMeter {
public:
  // Starts a phase: resets the kernel's peak mark and notes the time.
  PhaseMeter();
  PhaseFigures Stop() const;

private:
  std::chrono::steady_clock::time_point start;
  long startKb;
  bool peakReset;
};

// "  label: 1.234 s, peak +12.3 MB, kept +4.5 MB"
std::string Describe(const char *label, const PhaseFigures &figures);

// The machine's load averages over 1, 5 and 15 minutes, as /proc/loadavg
// gives them ("" when it cannot be read).
std::string LoadAverage();
