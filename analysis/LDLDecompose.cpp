// Column-oriented (Crout) L D L^T factorisation of the skyline.  Column j is
// reduced against the finished columns above it: first every stored element
// g(i, j) loses the products of column i's factors with the reduced elements
// above it, then each g(r, j) becomes L(j, r) = g(r, j) / D(r) and D(j) loses
// L(j, r) g(r, j).  All loops run over the stored heights only.
//
// Every sum of products a[m] b[m], m = 0, 1, ... (m counted from the row
// next to the diagonal upwards) is formed in four partial sums s_l of the
// terms m = l, l + 4, ..., the terms beyond the last full four added to s_0,
// and ends as (s_0 + s_1) + (s_2 + s_3).
//
// Columns are reduced in groups of kGroup.  Each row, above the group or
// finished inside it, meets all the group's columns that store it in one
// small vector kernel that loads each value of the row once for them all;
// the divisions of a column go several at a time.  Every sum is formed as the
// plain column-by-column reduction forms it, so the factors are the same to
// the last bit, whatever the group, the processor's vector width or the
// thread count.
//
// Several threads may reduce different groups at once: a group needs the
// finished columns above it, and a thread waits for each of them just before
// it uses it.  Groups are handed out in order, so the waiting happens only
// for the last few columns next to the diagonal.
#include "analysis/FGTab.h"
#include "analysis/KMatrix.h"
#include "analysis/ParallelWork.h"
#include "analysis/SkylineSolver.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstring>
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
// Band width per thread: on a narrower band the threads wait on one another
// for the columns next to the diagonal more than they gain.
constexpr std::int32_t kBandPerThread = 64;
// Columns reduced together; one kernel call serves them all.
constexpr std::int32_t kGroup = 8;

using Lanes = double __attribute__((vector_size(32)));

// The sums of a[m] b_c[m] for one row a and C columns b_c at once, each
// column with its own count: lane l of a vector register takes the terms
// m = l, l + 4, ... in the order of the partial sum s_l, the rest goes into
// lane 0.  Each value of the row is loaded once for all columns up to the
// shortest count.
template <int C>
__attribute__((always_inline)) inline void Dots(const double *a, const double *const *b,
                                                const std::int64_t *count, double *sums) {
  std::int64_t common = count[0];
  for (int c = 1; c < C; ++c)
    common = std::min(common, count[c]);
  Lanes acc[C];
#pragma GCC unroll 8
  for (int c = 0; c < C; ++c)
    acc[c] = Lanes{0.0, 0.0, 0.0, 0.0};
  std::int64_t m = 0;
  for (; m + 4 <= common; m += 4) {
    Lanes x;
    std::memcpy(&x, a + m, sizeof x);
#pragma GCC unroll 8
    for (int c = 0; c < C; ++c) {
      Lanes y;
      std::memcpy(&y, b[c] + m, sizeof y);
      acc[c] += x * y;
    }
  }
  for (int c = 0; c < C; ++c) {
    Lanes s = acc[c];
    std::int64_t t = m;
    for (; t + 4 <= count[c]; t += 4) {
      Lanes x, y;
      std::memcpy(&x, a + t, sizeof x);
      std::memcpy(&y, b[c] + t, sizeof y);
      s += x * y;
    }
    double s0 = s[0];
    for (; t < count[c]; ++t)
      s0 += a[t] * b[c][t];
    sums[c] = (s0 + s[1]) + (s[2] + s[3]);
  }
}

// Dots for one to kGroup columns.  Built twice, for processors with 256-bit
// vectors and for any other; the program picks one when it starts.
__attribute__((target_clones("avx2", "default"))) void RowDots(int columns, const double *a,
                                                               const double *const *b,
                                                               const std::int64_t *count,
                                                               double *sums) {
  static_assert(kGroup == 8);
  switch (columns) {
  case 1:
    return Dots<1>(a, b, count, sums);
  case 2:
    return Dots<2>(a, b, count, sums);
  case 3:
    return Dots<3>(a, b, count, sums);
  case 4:
    return Dots<4>(a, b, count, sums);
  case 5:
    return Dots<5>(a, b, count, sums);
  case 6:
    return Dots<6>(a, b, count, sums);
  case 7:
    return Dots<7>(a, b, count, sums);
  default:
    return Dots<8>(a, b, count, sums);
  }
}

// d is the reduced pivot, diagonal the column's diagonal before reduction.
bool PivotTooSmall(double d, double diagonal) {
  return !(std::fabs(d) >= kPivotLimit) || std::fabs(d) < kRelativePivotLimit * std::fabs(diagonal);
}

std::int32_t Top(const KMatrix &K, std::int32_t c) {
  return c - K.Height(c) + 1;
}

// The columns of a group: their first stored values and their tops.
struct GroupColumns {
  std::int32_t j0 = 0, count = 0;
  double *column[kGroup];
  std::int32_t top[kGroup];
  std::int32_t lowestTop = 0;

  GroupColumns(KMatrix &K, std::int32_t j0, std::int32_t j1) : j0(j0), count(j1 - j0) {
    lowestTop = j0;
    for (std::int32_t c = 0; c < count; ++c) {
      column[c] = K.Column(j0 + c);
      top[c] = Top(K, j0 + c);
      lowestTop = std::min(lowestTop, top[c]);
    }
  }
};

// Row i of the group's columns from the first-th on that store it: each
// g(i, c) loses the sum over k from the lower of the two tops to i - 1 of
// L(i, k) g(k, c), all such columns in one kernel call.
void ReduceRow(KMatrix &K, std::int32_t i, const GroupColumns &group, std::int32_t first) {
  const double *a = K.Column(i) + 1;
  const std::int32_t rowTop = Top(K, i);
  double *target[kGroup];
  const double *b[kGroup];
  std::int64_t count[kGroup];
  double sums[kGroup];
  int n = 0;
  for (std::int32_t c = first; c < group.count; ++c) {
    if (group.top[c] > i)
      continue;
    const std::int32_t offset = group.j0 + c - i;
    target[n] = group.column[c] + offset;
    b[n] = target[n] + 1;
    count[n] = i - std::max(rowTop, group.top[c]);
    ++n;
  }
  if (n == 0)
    return;
  RowDots(n, a, b, count, sums);
  for (int t = 0; t < n; ++t)
    *target[t] -= sums[t];
}

// The pivots D(r) in reverse order, so that the divisors of a column's
// stored values lie in the order of those values.
struct PivotStore {
  double *reversed; // D(r) at reversed[n - 1 - r]
  std::int32_t n;
  std::int32_t height; // the largest column height
};

// l = g / D and the products l g of one column's stored values 1 .. h - 1;
// divisors[m] is the pivot of the row of g[m].  Every quotient and product
// is the one the scalar operations give, in whatever vector width.
__attribute__((target_clones("avx2", "default"))) void
DivideColumn(double *__restrict g, const double *__restrict divisors, double *__restrict products,
             std::int32_t h) {
  for (std::int32_t m = 1; m < h; ++m) {
    const double l = g[m] / divisors[m];
    products[m] = l * g[m];
    g[m] = l;
  }
}

// Column c, whose rows are all reduced, becomes its factors
// L(c, r) = g(r, c) / D(r); their products with g(r, c) go to products.
void FactorColumn(KMatrix &K, std::int32_t c, PivotStore pivots, double *products) {
  DivideColumn(K.Column(c), pivots.reversed + (pivots.n - 1 - c), products, K.Height(c));
}

// Then its pivot: D(c) = g(c, c) minus those products taken from the top
// row down.  False when the pivot is too small.
bool FinishPivot(KMatrix &K, std::int32_t c, PivotStore pivots, const double *products) {
  double *g = K.Column(c);
  const double diagonal = g[0];
  double d = diagonal;
  for (std::int32_t m = K.Height(c) - 1; m >= 1; --m)
    d -= products[m];
  g[0] = d;
  pivots.reversed[pivots.n - 1 - c] = d;
  return !PivotTooSmall(d, diagonal);
}

enum class GroupResult { Finished, PivotTooSmall, Abandoned };

// Reduces the group of columns j0 .. j1 - 1: the rows above it, then column
// by column the factors and the pivot, each finished column's row reducing
// the group's later columns.  progress tells when the columns above are
// ready (false when the factorisation was abandoned) and is told each of
// the group's columns as its factors and then its pivot are done: the rows
// need only the factors, the divisions the pivots.  products holds a
// column's height.
template <class Progress>
GroupResult ReduceGroup(KMatrix &K, std::int32_t j0, std::int32_t j1, PivotStore pivots,
                        double *products, Progress &progress) {
  const GroupColumns group(K, j0, j1);
  for (std::int32_t i = group.lowestTop; i < j0; ++i) {
    if (!progress.FactorsReady(i))
      return GroupResult::Abandoned;
    ReduceRow(K, i, group, 0);
  }
  for (std::int32_t i = group.lowestTop; i < j0; ++i)
    if (!progress.PivotReady(i))
      return GroupResult::Abandoned;
  for (std::int32_t c = j0; c < j1; ++c) {
    FactorColumn(K, c, pivots, products);
    progress.FactorsDone(c);
    if (!FinishPivot(K, c, pivots, products))
      return GroupResult::PivotTooSmall;
    progress.PivotDone(c);
    ReduceRow(K, c, group, c - j0 + 1);
  }
  return GroupResult::Finished;
}

int DiagonalStatus(const KMatrix &K) {
  for (std::int32_t i = 0; i < K.N(); ++i)
    if (!(K.Column(i)[0] > 0.0))
      return kNotPositive;
  return kFactorised;
}

// One thread: every column above a group is finished before it.
struct InOrder {
  bool FactorsReady(std::int32_t) const { return true; }
  bool PivotReady(std::int32_t) const { return true; }
  void FactorsDone(std::int32_t) const {}
  void PivotDone(std::int32_t) const {}
};

int DecomposeSequential(KMatrix &K, PivotStore pivots) {
  std::vector<double> products(static_cast<std::size_t>(pivots.height));
  InOrder progress;
  for (std::int32_t j0 = 0; j0 < K.N(); j0 += kGroup) {
    const auto result =
        ReduceGroup(K, j0, std::min(j0 + kGroup, K.N()), pivots, products.data(), progress);
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
  ParallelDecomposition(KMatrix &K, PivotStore pivots)
      : K(K), pivots(pivots), done(new std::atomic<std::uint8_t>[static_cast<std::size_t>(K.N())]) {
    for (std::int32_t j = 0; j < K.N(); ++j)
      done[j].store(kWaiting, std::memory_order_relaxed);
  }

  int Run(int threads) {
    // Groups are handed out in order as threads ask for them, so when the
    // system refuses a thread the others do its share.
    std::vector<std::vector<double>> products(
        static_cast<std::size_t>(threads),
        std::vector<double>(static_cast<std::size_t>(pivots.height)));
    ForEachInParallel((K.N() + kGroup - 1) / kGroup, threads, [&](int group, int thread) {
      Reduce(group * kGroup, products[static_cast<std::size_t>(thread)].data());
    });
    return failed.load() ? kPivotTooSmall : DiagonalStatus(K);
  }

  // The state of each column, as ReduceGroup asks and tells it.
  bool FactorsReady(std::int32_t i) { return WaitFor(i, kFactors); }
  bool PivotReady(std::int32_t i) { return WaitFor(i, kDone); }
  void FactorsDone(std::int32_t c) { Mark(c, kFactors); }
  void PivotDone(std::int32_t c) { Mark(c, kDone); }

private:
  // The group of columns from j0 on; nothing once the factorisation has
  // been abandoned.
  void Reduce(std::int32_t j0, double *products) {
    if (failed.load(std::memory_order_relaxed))
      return;
    const std::int32_t j1 = std::min(j0 + kGroup, K.N());
    if (ReduceGroup(K, j0, j1, pivots, products, *this) == GroupResult::Finished)
      return;
    // Whoever waits for a column of this group learns that it never comes.
    failed.store(true);
    for (std::int32_t c = j0; c < j1; ++c)
      if (done[c].load(std::memory_order_relaxed) != kDone)
        Mark(c, kAbandoned);
  }

  void Mark(std::int32_t c, std::uint8_t state) { done[c].store(state, std::memory_order_release); }

  // Spins a little, since the column is usually about to be finished, then
  // yields, so that on a busy machine the thread that works on the column
  // gets the core.  No sleep and wake-up: those cost more than the wait.
  bool WaitFor(std::int32_t i, std::uint8_t wanted) {
    for (int spins = 0;; ++spins) {
      const std::uint8_t state = done[i].load(std::memory_order_acquire);
      if (state == kAbandoned)
        return false;
      if (state >= wanted)
        return true;
      if (spins < 2000)
        Pause();
      else
        std::this_thread::yield();
    }
  }

  // A column's factors are done before its pivot.
  static constexpr std::uint8_t kWaiting = 0, kFactors = 1, kDone = 2, kAbandoned = 3;
  KMatrix &K;
  PivotStore pivots;
  std::unique_ptr<std::atomic<std::uint8_t>[]> done;
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
  std::int32_t height = 1;
  for (std::int32_t c = 0; c < K.N(); ++c)
    height = std::max(height, K.Height(c));
  std::vector<double> reversed(static_cast<std::size_t>(K.N()));
  const PivotStore pivots{reversed.data(), K.N(), height};
  if (threads <= 1 || K.N() <= kGroup)
    return DecomposeSequential(K, pivots);
  return ParallelDecomposition(K, pivots).Run(threads);
}

int LDLDecompose(KMatrix &K) {
  if (FactorisationWork(K) < kThreadedWork)
    return LDLDecompose(K, 1);
  return LDLDecompose(K, AnalysisThreads(K.Bandwidth() / kBandPerThread));
}
