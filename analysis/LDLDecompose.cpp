// Column-oriented (Crout) L D L^T factorisation of the skyline.  Column j is
// reduced against the finished columns above it: first every stored element
// g(i, j) loses the products of column i's factors with the reduced elements
// above it, then each g(r, j) becomes L(j, r) = g(r, j) / D(r) and D(j) loses
// L(j, r) g(r, j).  All loops run over the stored heights only.
//
// Several threads may reduce different columns at once: column j needs the
// finished columns top(j) .. j - 1, and a thread waits for each of them just
// before it uses it.  Columns are handed out in order, so the waiting happens
// only for the last few columns next to the diagonal.
#include "analysis/FGTab.h"
#include "analysis/KMatrix.h"
#include "analysis/SkylineSolver.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <memory>
#include <thread>
#include <vector>

namespace {

constexpr double kPivotLimit = 1e-15;
// A pivot below this share of its column's own diagonal is what rounding
// leaves of a zero pivot: the column has lost all but a few digits, so the
// structure is a mechanism within the arithmetic (a frame held by a single
// pin, hinges forming a chain).  The pivots of real structures, even with
// short stiff and long slender members side by side, stay far above it.
constexpr double kRelativePivotLimit = 1e-9;
// Below this many multiply-adds the threads cost more than they save.
constexpr double kThreadedWork = 2e7;
// Half the cores at most: a thread that the system takes off its core holds
// up every thread waiting for its column, so the factorisation leaves room
// for whatever else runs on the machine.
constexpr int kMaxThreads = 8;

// Sum of a[m] b[m], m = 0 .. count - 1, in four fixed partial sums.
double Dot(const double *a, const double *b, std::int64_t count) {
  double s0 = 0.0, s1 = 0.0, s2 = 0.0, s3 = 0.0;
  std::int64_t m = 0;
  for (; m + 4 <= count; m += 4) {
    s0 += a[m] * b[m];
    s1 += a[m + 1] * b[m + 1];
    s2 += a[m + 2] * b[m + 2];
    s3 += a[m + 3] * b[m + 3];
  }
  for (; m < count; ++m)
    s0 += a[m] * b[m];
  return (s0 + s1) + (s2 + s3);
}

// d is the reduced pivot, diagonal the column's diagonal before reduction.
bool PivotTooSmall(double d, double diagonal) {
  return !(std::fabs(d) >= kPivotLimit) || std::fabs(d) < kRelativePivotLimit * std::fabs(diagonal);
}

// Reduces column j.  ready(i) returns once column i is finished, or false
// when the factorisation was abandoned; then the column is left unfinished.
template <class Ready> bool ReduceColumn(KMatrix &K, std::int32_t j, Ready &&ready) {
  double *cj = K.Column(j);
  const std::int32_t top = j - K.Height(j) + 1;
  if (top < j && !ready(top))
    return false;
  for (std::int32_t i = top + 1; i < j; ++i) {
    if (!ready(i))
      return false;
    const std::int32_t start = std::max(i - K.Height(i) + 1, top);
    cj[j - i] -= Dot(K.Column(i) + 1, cj + (j - i) + 1, i - start);
  }
  double d = cj[0];
  for (std::int32_t r = top; r < j; ++r) {
    const double g = cj[j - r];
    const double l = g / K.Column(r)[0];
    d -= l * g;
    cj[j - r] = l;
  }
  cj[0] = d;
  return true;
}

int DiagonalStatus(const KMatrix &K) {
  for (std::int32_t i = 0; i < K.N(); ++i)
    if (!(K.Column(i)[0] > 0.0))
      return kNotPositive;
  return kFactorised;
}

int DecomposeSequential(KMatrix &K) {
  for (std::int32_t j = 0; j < K.N(); ++j) {
    const double diagonal = K.Column(j)[0];
    ReduceColumn(K, j, [](std::int32_t) { return true; });
    if (PivotTooSmall(K.Column(j)[0], diagonal))
      return kPivotTooSmall;
  }
  return DiagonalStatus(K);
}

void Pause() {
#if defined(__x86_64__) || defined(__i386__)
  __builtin_ia32_pause();
#endif
}

class ParallelDecomposition {
public:
  explicit ParallelDecomposition(KMatrix &K)
      : K(K), done(new std::atomic<std::uint8_t>[static_cast<std::size_t>(K.N())]) {
    for (std::int32_t j = 0; j < K.N(); ++j)
      done[j].store(0, std::memory_order_relaxed);
  }

  int Run(int threads) {
    std::vector<std::thread> helpers;
    for (int t = 1; t < threads; ++t)
      helpers.emplace_back([this] { Work(); });
    Work();
    for (std::thread &helper : helpers)
      helper.join();
    return failed.load() ? kPivotTooSmall : DiagonalStatus(K);
  }

private:
  void Work() {
    auto ready = [this](std::int32_t i) { return WaitFor(i); };
    while (!failed.load(std::memory_order_relaxed)) {
      const std::int32_t j = next.fetch_add(1, std::memory_order_relaxed);
      if (j >= K.N())
        return;
      const double diagonal = K.Column(j)[0];
      if (!ReduceColumn(K, j, ready))
        return;
      if (PivotTooSmall(K.Column(j)[0], diagonal))
        failed.store(true);
      done[j].store(1, std::memory_order_release);
    }
  }

  bool WaitFor(std::int32_t i) {
    for (int spins = 0; !done[i].load(std::memory_order_acquire); ++spins) {
      if (failed.load(std::memory_order_relaxed))
        return false;
      if (spins < 200)
        Pause();
      else
        std::this_thread::yield();
    }
    return true;
  }

  KMatrix &K;
  std::unique_ptr<std::atomic<std::uint8_t>[]> done;
  std::atomic<std::int32_t> next{0};
  std::atomic<bool> failed{false};
};

// Multiply-adds of the factorisation, about half the sum of the squared
// column heights.
double FactorisationWork(const KMatrix &K) {
  double work = 0.0;
  for (std::int32_t j = 0; j < K.N(); ++j)
    work += 0.5 * K.Height(j) * static_cast<double>(K.Height(j));
  return work;
}

} // namespace

int LDLDecompose(KMatrix &K, int threads) {
  AnalysisProgress("LDL Zerlegung");
  if (threads <= 1 || K.N() < 2)
    return DecomposeSequential(K);
  return ParallelDecomposition(K).Run(threads);
}

int LDLDecompose(KMatrix &K) {
  int threads = static_cast<int>(std::thread::hardware_concurrency()) / 2;
  threads = std::clamp(threads, 1, kMaxThreads);
  if (FactorisationWork(K) < kThreadedWork)
    threads = 1;
  return LDLDecompose(K, threads);
}
