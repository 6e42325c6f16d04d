// Column-oriented (Crout) L D L^T factorisation of the skyline.  Column j is
// reduced against the finished columns above it: first every stored element
// g(i, j) loses the products of column i's factors with the reduced elements
// above it, then each g(r, j) becomes L(j, r) = g(r, j) / D(r) and D(j) loses
// L(j, r) g(r, j).  All loops run over the stored heights only.
//
// Columns are reduced in groups of kGroup.  Each row above a group meets
// four of its columns at a time in one small vector kernel that loads each
// value of the row once for the four columns; inside the group the plain dot
// products finish the reduction.  Every sum is formed exactly as the plain
// column-by-column reduction forms it, so the factors are the same to the
// last bit, whatever the group, the processor's vector width or the thread
// count.
//
// Several threads may reduce different groups at once: a group needs the
// finished columns above it, and a thread waits for each of them just before
// it uses it.  Groups are handed out in order, so the waiting happens only
// for the last few columns next to the diagonal.
#include "analysis/FGTab.h"
#include "analysis/KMatrix.h"
#include "analysis/SkylineSolver.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstring>
#include <memory>
#include <system_error>
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
constexpr int kMaxThreads = 8;
// Columns reduced together, and columns one kernel call serves.
constexpr std::int32_t kGroup = 8;
constexpr int kChunk = 4;

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

using Lanes = double __attribute__((vector_size(32)));

// Dot for one row a and C columns b at once, each column with its own
// count: every sum comes out bit for bit as Dot gives it, since lane l of a
// vector register takes the terms m = l, l + 4, ... in the order Dot's
// partial sum s_l takes them, and the rest goes as in Dot.  Each value of the
// row is loaded once for all columns.
template <int C>
__attribute__((always_inline)) inline void Dots(const double *a, const double *const *b,
                                                const std::int64_t *count, double *sums) {
  std::int64_t common = count[0];
  for (int c = 1; c < C; ++c)
    common = std::min(common, count[c]);
  Lanes acc[C] = {};
  std::int64_t m = 0;
  for (; m + 4 <= common; m += 4) {
    Lanes x;
    std::memcpy(&x, a + m, sizeof x);
    for (int c = 0; c < C; ++c) {
      Lanes y;
      std::memcpy(&y, b[c] + m, sizeof y);
      acc[c] += x * y;
    }
  }
  for (int c = 0; c < C; ++c) {
    double s[4] = {acc[c][0], acc[c][1], acc[c][2], acc[c][3]};
    std::int64_t t = m;
    for (; t + 4 <= count[c]; t += 4)
      for (int l = 0; l < 4; ++l)
        s[l] += a[t + l] * b[c][t + l];
    for (; t < count[c]; ++t)
      s[0] += a[t] * b[c][t];
    sums[c] = (s[0] + s[1]) + (s[2] + s[3]);
  }
}

// Dots for one to kChunk columns.  Built twice, for processors with 256-bit
// vectors and for any other; the program picks one when it starts.
__attribute__((target_clones("avx2", "default"))) void RowDots(int columns, const double *a,
                                                               const double *const *b,
                                                               const std::int64_t *count,
                                                               double *sums) {
  static_assert(kChunk == 4);
  switch (columns) {
  case 1:
    return Dots<1>(a, b, count, sums);
  case 2:
    return Dots<2>(a, b, count, sums);
  case 3:
    return Dots<3>(a, b, count, sums);
  default:
    return Dots<4>(a, b, count, sums);
  }
}

// d is the reduced pivot, diagonal the column's diagonal before reduction.
bool PivotTooSmall(double d, double diagonal) {
  return !(std::fabs(d) >= kPivotLimit) || std::fabs(d) < kRelativePivotLimit * std::fabs(diagonal);
}

std::int32_t Top(const KMatrix &K, std::int32_t c) {
  return c - K.Height(c) + 1;
}

// g(i, c) loses its whole sum: k from the lower of the two tops to i - 1.
void ReduceElement(KMatrix &K, std::int32_t i, std::int32_t c) {
  const std::int32_t from = std::max(Top(K, i), Top(K, c));
  K.Column(c)[c - i] -= Dot(K.Column(i) + 1, K.Column(c) + (c - i) + 1, i - from);
}

// Row i (above the group) of the columns j0 .. j1 - 1 that store it: each
// g(i, c) loses the sum over k from the lower of the two tops to i - 1 of
// L(i, k) g(k, c), four columns to a kernel call.
void ReduceRow(KMatrix &K, std::int32_t i, std::int32_t j0, std::int32_t j1,
               const std::int32_t *tops) {
  const double *a = K.Column(i) + 1;
  const std::int32_t rowTop = Top(K, i);
  std::int32_t column[kChunk];
  const double *b[kChunk];
  std::int64_t count[kChunk];
  double sums[kChunk];
  int n = 0;
  for (std::int32_t c = j0; c <= j1; ++c) {
    if (n == kChunk || (c == j1 && n > 0)) {
      RowDots(n, a, b, count, sums);
      for (int t = 0; t < n; ++t)
        K.Column(column[t])[column[t] - i] -= sums[t];
      n = 0;
    }
    if (c == j1 || tops[c - j0] > i)
      continue;
    column[n] = c;
    b[n] = K.Column(c) + (c - i) + 1;
    count[n++] = i - std::max(rowTop, tops[c - j0]);
  }
}

// The rows above the group (below j0) of its columns j0 .. j1 - 1.
template <class Ready>
bool ReduceAboveGroup(KMatrix &K, std::int32_t j0, std::int32_t j1, Ready &ready) {
  std::int32_t tops[kGroup];
  std::int32_t lowestTop = j0;
  for (std::int32_t c = j0; c < j1; ++c) {
    tops[c - j0] = Top(K, c);
    lowestTop = std::min(lowestTop, tops[c - j0]);
  }
  for (std::int32_t i = lowestTop; i < j0; ++i) {
    if (!ready(i))
      return false;
    ReduceRow(K, i, j0, j1, tops);
  }
  return true;
}

// The rows of column c inside its group, then its factors and its pivot.
// False when the pivot is too small.
bool FinishColumn(KMatrix &K, std::int32_t c, std::int32_t j0) {
  double *g = K.Column(c);
  const std::int32_t top = Top(K, c);
  for (std::int32_t i = std::max(j0, top + 1); i < c; ++i)
    ReduceElement(K, i, c);
  const double diagonal = g[0];
  double d = diagonal;
  for (std::int32_t r = top; r < c; ++r) {
    const double v = g[c - r];
    const double l = v / K.Column(r)[0];
    d -= l * v;
    g[c - r] = l;
  }
  g[0] = d;
  return !PivotTooSmall(d, diagonal);
}

enum class GroupResult { Finished, PivotTooSmall, Abandoned };

// Reduces the group of columns j0 .. j1 - 1.  ready(i) returns once column
// i is finished, or false when the factorisation was abandoned; finished(c)
// is told each column as it is done.
template <class Ready, class Finished>
GroupResult ReduceGroup(KMatrix &K, std::int32_t j0, std::int32_t j1, Ready &&ready,
                        Finished &&finished) {
  if (!ReduceAboveGroup(K, j0, j1, ready))
    return GroupResult::Abandoned;
  for (std::int32_t c = j0; c < j1; ++c) {
    if (!FinishColumn(K, c, j0))
      return GroupResult::PivotTooSmall;
    finished(c);
  }
  return GroupResult::Finished;
}

int DiagonalStatus(const KMatrix &K) {
  for (std::int32_t i = 0; i < K.N(); ++i)
    if (!(K.Column(i)[0] > 0.0))
      return kNotPositive;
  return kFactorised;
}

int DecomposeSequential(KMatrix &K) {
  for (std::int32_t j0 = 0; j0 < K.N(); j0 += kGroup) {
    const auto result = ReduceGroup(
        K, j0, std::min(j0 + kGroup, K.N()), [](std::int32_t) { return true; },
        [](std::int32_t) {});
    if (result != GroupResult::Finished)
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
      done[j].store(kWaiting, std::memory_order_relaxed);
  }

  int Run(int threads) {
    // Groups are handed out as threads ask for them, so when the system
    // refuses a thread the others do its share.
    std::vector<std::thread> helpers;
    helpers.reserve(static_cast<std::size_t>(threads));
    for (int t = 1; t < threads; ++t) {
      try {
        helpers.emplace_back([this] { Work(); });
      } catch (const std::system_error &) {
        break;
      }
    }
    Work();
    for (std::thread &helper : helpers)
      helper.join();
    return failed.load() ? kPivotTooSmall : DiagonalStatus(K);
  }

private:
  void Work() {
    auto ready = [this](std::int32_t i) { return WaitFor(i); };
    auto finished = [this](std::int32_t c) { Mark(c, kDone); };
    while (!failed.load(std::memory_order_relaxed)) {
      const std::int32_t j0 = next.fetch_add(kGroup, std::memory_order_relaxed);
      if (j0 >= K.N())
        return;
      const std::int32_t j1 = std::min(j0 + kGroup, K.N());
      const GroupResult result = ReduceGroup(K, j0, j1, ready, finished);
      if (result == GroupResult::Finished)
        continue;
      // Whoever waits for a column of this group learns that it never comes.
      failed.store(true);
      for (std::int32_t c = j0; c < j1; ++c)
        if (done[c].load(std::memory_order_relaxed) == kWaiting)
          Mark(c, kAbandoned);
      return;
    }
  }

  void Mark(std::int32_t c, std::uint8_t state) {
    done[c].store(state, std::memory_order_release);
    done[c].notify_all();
  }

  // Spins a little, since the column is usually about to be finished, then
  // sleeps, so that on a busy machine the thread that works on the column
  // gets the core.
  bool WaitFor(std::int32_t i) {
    for (int spins = 0; spins < 2000; ++spins) {
      const std::uint8_t state = done[i].load(std::memory_order_acquire);
      if (state != kWaiting)
        return state == kDone;
      Pause();
    }
    done[i].wait(kWaiting, std::memory_order_acquire);
    return done[i].load(std::memory_order_acquire) == kDone;
  }

  static constexpr std::uint8_t kWaiting = 0, kDone = 1, kAbandoned = 2;
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

// Half the cores (hyperthreads share a core's arithmetic units), at most
// kMaxThreads.  The same count every time, whatever else the machine runs:
// a choice by the load average counted this program's own threads of the
// factorisation before, and shrank the count in the middle of a buckling
// search on an otherwise idle machine.  The results do not depend on it.
int FactorisationThreads() {
  const int cores = static_cast<int>(std::thread::hardware_concurrency());
  return std::clamp(cores / 2, 1, kMaxThreads);
}

} // namespace

int LDLDecompose(KMatrix &K, int threads) {
  AnalysisProgress("LDL Zerlegung");
  if (threads <= 1 || K.N() <= kGroup)
    return DecomposeSequential(K);
  return ParallelDecomposition(K).Run(threads);
}

int LDLDecompose(KMatrix &K) {
  if (FactorisationWork(K) < kThreadedWork)
    return LDLDecompose(K, 1);
  return LDLDecompose(K, FactorisationThreads());
}
