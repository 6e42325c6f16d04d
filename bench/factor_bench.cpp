// Times the factorisation and solve of the stiffness matrix of a generated
// frame (first order, equations in the program's own order): the skyline
// factorisation on 1, 2, 4, ... threads up to the cores and on the threads
// the program chooses, and, where the benchmark was built with LAPACKE, the banded Cholesky
// factorisation dpbtrf and solve dpbtrs of the same matrix in the same order.
// Each figure is the median of several runs.  On a busy machine the wall
// clock of the single-threaded runs is stretched by the other programs; their
// processor time (printed beside it) is then the better measure.
// Usage: factor_bench [storeys bays [runs]]   (default 100 x 100, 5 runs)
#include "analysis/Assembly.h"
#include "analysis/Drivers.h"
#include "analysis/FGTab.h"
#include "analysis/KMatrix.h"
#include "analysis/LoadRowIndex.h"
#include "analysis/LoadVector.h"
#include "analysis/Matrix.h"
#include "analysis/SkylineSolver.h"
#include "analysis/Solutions.h"
#include "analysis/SolveStep.h"
#include "bench/FrameGenerator.h"
#include "model/CLocale.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <functional>
#include <thread>
#include <vector>

#ifdef KELMOR_BENCH_LAPACKE
#include <lapacke.h>
extern "C" void openblas_set_num_threads(int);
#endif

namespace {

using Clock = std::chrono::steady_clock;

// The scaled stiffness matrix and load vector of the first-order solve.
struct System {
  std::vector<double> values; // the skyline's stored values
  std::vector<double> load;
};

System Assemble(KMatrix &K) {
  ReindexLoadRows();
  const DofExpansions expansions(FGTab);
  Vektor F(FGTab.equationCount);
  SetProfile(Solutions.Elements, K);
  K.FinishProfile();
  ComputeSecondOrderParams(Solutions.Elements, kFirstOrder);
  AssembleStiffness(Solutions.Elements, K, F, kFirstOrder, expansions);
  AssembleLoadVector(Solutions, F, kFirstOrder);
  F.Scale(ScaleMatrix(K, 0.0));
  System system{{K.Values(), K.Values() + K.StoredCount()}, {}};
  for (int i = 0; i < F.Count(); ++i)
    system.load.push_back(F[i]);
  return system;
}

// Median wall-clock and processor seconds of runs calls of timed, each
// after prepare.
struct Seconds {
  double wall = 0.0;
  double processor = 0.0;
};
Seconds Median(int runs, const std::function<void()> &prepare, const std::function<void()> &timed) {
  std::vector<double> wall, processor;
  for (int r = 0; r < runs; ++r) {
    prepare();
    const Clock::time_point start = Clock::now();
    const std::clock_t used = std::clock();
    timed();
    processor.push_back(static_cast<double>(std::clock() - used) / CLOCKS_PER_SEC);
    wall.push_back(std::chrono::duration<double>(Clock::now() - start).count());
  }
  std::sort(wall.begin(), wall.end());
  std::sort(processor.begin(), processor.end());
  return {wall[wall.size() / 2], processor[processor.size() / 2]};
}

double LoadAverage() {
  double load = 0.0;
  return getloadavg(&load, 1) == 1 ? load : 0.0;
}

double LargestDifference(const std::vector<double> &a, const std::vector<double> &b) {
  double scale = 0.0, difference = 0.0;
  for (std::size_t i = 0; i < a.size(); ++i) {
    scale = std::max(scale, std::fabs(a[i]));
    difference = std::max(difference, std::fabs(a[i] - b[i]));
  }
  return scale > 0.0 ? difference / scale : difference;
}

// Factorises and solves on the skyline with threads (0: the program's
// choice); returns the median seconds and leaves the solution in x.
Seconds Skyline(KMatrix &K, const System &system, int threads, int runs, std::vector<double> &x) {
  Vektor F(K.N());
  int status = 0;
  const Seconds seconds = Median(
      runs,
      [&] {
        std::copy(system.values.begin(), system.values.end(), K.Values());
        for (int i = 0; i < K.N(); ++i)
          F[i] = system.load[i];
      },
      [&] {
        status = threads == 0 ? LDLDecompose(K) : LDLDecompose(K, threads);
        ForwardBackSubstitute(K, F, 1.0);
      });
  x.assign(F.Data(), F.Data() + K.N());
  if (status != kFactorised)
    std::printf("  status %d\n", status);
  return seconds;
}

#ifdef KELMOR_BENCH_LAPACKE
// The same with dpbtrf and dpbtrs on the band of the largest column height.
Seconds Banded(const KMatrix &K, const System &system, int threads, int runs,
               std::vector<double> &x) {
  openblas_set_num_threads(threads);
  const lapack_int n = K.N(), kd = K.Bandwidth() - 1, ldab = kd + 1;
  std::vector<double> band(static_cast<std::size_t>(n) * ldab);
  lapack_int info = 0;
  const Seconds seconds = Median(
      runs,
      [&] {
        // Upper band, column major: A(i, j) at band[j * ldab + kd + i - j].
        std::fill(band.begin(), band.end(), 0.0);
        for (lapack_int j = 0; j < n; ++j) {
          const double *column = system.values.data() + (K.Column(j) - K.Column(0));
          for (lapack_int d = 0; d < K.Height(j); ++d)
            band[static_cast<std::size_t>(j) * ldab + kd - d] = column[d];
        }
        x = system.load;
      },
      [&] {
        info = LAPACKE_dpbtrf(LAPACK_COL_MAJOR, 'U', n, kd, band.data(), ldab);
        if (info == 0)
          info = LAPACKE_dpbtrs(LAPACK_COL_MAJOR, 'U', n, kd, 1, band.data(), ldab, x.data(), n);
      });
  if (info != 0)
    std::printf("  LAPACK info %d\n", static_cast<int>(info));
  return seconds;
}
#endif

} // namespace

int main(int argc, char **argv) {
  FrameSpec spec;
  if (argc > 2) {
    spec.storeys = std::max(1, static_cast<int>(AtolC(argv[1])));
    spec.bays = std::max(1, static_cast<int>(AtolC(argv[2])));
  }
  const int runs = argc > 3 ? std::max(1, static_cast<int>(AtolC(argv[3]))) : 5;
  GenerateFrame(spec);
  Solutions.Hidden = 1;
  if (PrepareAnalysis(Solutions, kFirstOrder) != kSolved) {
    std::puts("the frame's model could not be built");
    return 1;
  }
  KMatrix K(FGTab.equationCount);
  const System system = Assemble(K);
  double work = 0.0;
  for (int j = 0; j < K.N(); ++j)
    work += 0.5 * K.Height(j) * static_cast<double>(K.Height(j));
  std::printf("Frame %d x %d: %d equations, bandwidth %d, %.1f MB profile, %.2f G multiply-adds\n",
              spec.storeys, spec.bays, K.N(), K.Bandwidth(), K.StoredCount() * 8.0 / 1048576.0,
              work * 1e-9);
  const unsigned cores = std::thread::hardware_concurrency();
  std::printf("Median of %d runs, factorisation and solve (machine: %u cores)\n", runs, cores);

  std::vector<double> one, other;
  const Seconds single = Skyline(K, system, 1, runs, one);
  std::printf("  skyline L D L^T, 1 thread               %7.3f s wall, %7.3f s processor, "
              "%5.2f Gflop/s\n",
              single.wall, single.processor, 2.0 * work * 1e-9 / single.processor);
  const int threads = std::clamp(static_cast<int>(cores) / 2, 1, 8);
  Seconds threaded = single;
  for (int count = 2; count <= static_cast<int>(cores); count *= 2) {
    const Seconds seconds = Skyline(K, system, count, runs, other);
    std::printf("  skyline L D L^T, %d threads              %7.3f s wall  (solutions differ by "
                "%.1e)\n",
                count, seconds.wall, LargestDifference(one, other));
    if (count == threads)
      threaded = seconds;
  }
  const Seconds chosen = Skyline(K, system, 0, runs, other);
  std::printf("  skyline L D L^T, threads as the program %7.3f s wall  (load average %.1f)\n",
              chosen.wall, LoadAverage());
#ifdef KELMOR_BENCH_LAPACKE
  std::vector<double> banded;
  const Seconds lapack = Banded(K, system, 1, runs, banded);
  std::printf("  LAPACKE dpbtrf + dpbtrs, 1 thread       %7.3f s wall, %7.3f s processor  "
              "(solutions differ by %.1e)\n",
              lapack.wall, lapack.processor, LargestDifference(one, banded));
  const Seconds lapackThreaded = Banded(K, system, threads, runs, banded);
  std::printf("  LAPACKE dpbtrf + dpbtrs, %d threads      %7.3f s wall\n", threads,
              lapackThreaded.wall);
  std::printf("  skyline / LAPACK: 1 thread each %.2f (processor time), %d threads each %.2f "
              "(wall)\n",
              single.processor / lapack.processor, threads, threaded.wall / lapackThreaded.wall);
#else
  std::puts("  (built without LAPACKE: no comparison with the banded Cholesky factorisation)");
#endif
  return 0;
}
