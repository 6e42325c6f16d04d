// Column-oriented (Crout) L D L^T factorisation of the skyline.  Column j is
// reduced against the finished columns above it: first every stored element
// g(i, j) loses the products of column i's factors with the reduced elements
// above it, then each g(r, j) becomes L(j, r) = g(r, j) / D(r) and D(j) loses
// L(j, r) g(r, j).  All loops run over the stored heights only.
//
// Columns are reduced in groups of kGroup, copied into a dense panel that
// gives them one common top.  Above the group, two rows at a time meet four
// columns of the panel in one small dense kernel: each value of the two rows
// is loaded once for four columns, and the sums run over four lanes of a
// vector register, so the work is bounded by the arithmetic instead of by
// the loads.  Inside the group the plain dot products finish the reduction.
// Every column sees the same sums in the same order whatever the thread
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
#include <cstdlib>
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

// sums[r][c] = the sum of a[r][m] b[c][m] over m = 0 .. count - 1, for R
// rows a and C columns b.
template <int R, int C>
__attribute__((always_inline)) inline void Dots(const double *const *a, const double *const *b,
                                                std::int64_t count, double (*sums)[kChunk]) {
  Lanes acc[R][C] = {};
  std::int64_t m = 0;
  for (; m + 4 <= count; m += 4) {
    Lanes x[R];
    for (int r = 0; r < R; ++r)
      std::memcpy(&x[r], a[r] + m, sizeof(Lanes));
    for (int c = 0; c < C; ++c) {
      Lanes y;
      std::memcpy(&y, b[c] + m, sizeof y);
      for (int r = 0; r < R; ++r)
        acc[r][c] += x[r] * y;
    }
  }
  for (int r = 0; r < R; ++r)
    for (int c = 0; c < C; ++c) {
      double s = (acc[r][c][0] + acc[r][c][1]) + (acc[r][c][2] + acc[r][c][3]);
      for (std::int64_t t = m; t < count; ++t)
        s += a[r][t] * b[c][t];
      sums[r][c] = s;
    }
}

// Dots for one or two rows and one to kChunk columns: each value of a row is
// loaded once for all columns, and the sums run over the four lanes of a
// vector register.  Built twice, for processors with 256-bit vectors and for
// any other; the program picks one when it starts.
__attribute__((target_clones("avx2", "default"))) void
TileDots(int rows, int columns, const double *const *a, const double *const *b, std::int64_t count,
         double (*sums)[kChunk]) {
  static_assert(kChunk == 4);
  switch (rows * 8 + columns) {
  case 9:
    return Dots<1, 1>(a, b, count, sums);
  case 10:
    return Dots<1, 2>(a, b, count, sums);
  case 11:
    return Dots<1, 3>(a, b, count, sums);
  case 12:
    return Dots<1, 4>(a, b, count, sums);
  case 17:
    return Dots<2, 1>(a, b, count, sums);
  case 18:
    return Dots<2, 2>(a, b, count, sums);
  case 19:
    return Dots<2, 3>(a, b, count, sums);
  default:
    return Dots<2, 4>(a, b, count, sums);
  }
}

// d is the reduced pivot, diagonal the column's diagonal before reduction.
bool PivotTooSmall(double d, double diagonal) {
  return !(std::fabs(d) >= kPivotLimit) || std::fabs(d) < kRelativePivotLimit * std::fabs(diagonal);
}

std::int32_t Top(const KMatrix &K, std::int32_t c) {
  return c - K.Height(c) + 1;
}

// Sum over k = from .. to - 1 of L(r, k) g(k, c), both stored there.
double RowDot(KMatrix &K, std::int32_t r, std::int32_t c, std::int32_t from, std::int32_t to) {
  if (to <= from)
    return 0.0;
  return Dot(K.Column(r) + (r - to + 1), K.Column(c) + (c - to + 1), to - from);
}

// g(i, c) loses its whole sum: k from the lower of the two tops to i - 1.
void ReduceElement(KMatrix &K, std::int32_t i, std::int32_t c) {
  K.Column(c)[c - i] -= RowDot(K, i, c, std::max(Top(K, i), Top(K, c)), i);
}

// The columns of a group copied into one dense panel whose columns all
// begin at the group's lowest top, with zeros above each column's own top.
// The zeros stay exactly zero through the reduction, so every row above the
// group meets all columns of the panel in one stretch of k.  base[t] - k
// points at g(k, j0 + t).
class Panel {
public:
  // Copies columns j0 .. j1 - 1 in.
  void Load(KMatrix &K, std::int32_t j0, std::int32_t j1) {
    first = j0;
    columns = static_cast<int>(j1 - j0);
    top = j0;
    for (std::int32_t c = j0; c < j1; ++c)
      top = std::min(top, Top(K, c));
    length = j1 - top;
    values.assign(static_cast<std::size_t>(columns) * length, 0.0);
    for (int t = 0; t < columns; ++t) {
      const std::int32_t c = j0 + t;
      std::copy_n(K.Column(c), K.Height(c), &values[static_cast<std::size_t>(t) * length]);
      base[t] = &values[static_cast<std::size_t>(t) * length] + c;
    }
  }
  // Copies the columns' stored rows back.
  void Store(KMatrix &K) const {
    for (int t = 0; t < columns; ++t) {
      const std::int32_t c = first + t;
      std::copy_n(&values[static_cast<std::size_t>(t) * length], K.Height(c), K.Column(c));
    }
  }

  std::int32_t first = 0;
  int columns = 0;
  std::int32_t top = 0;
  std::int32_t length = 0;
  double *base[kGroup];

private:
  std::vector<double> values;
};

// Adds to sums[r][t] the sums over k = from .. to - 1 of L(i + first + r, k)
// g(k, j0 + t), for rows rows and all columns of the panel.
void AddPiece(KMatrix &K, std::int32_t i, int first, int rows, const Panel &panel,
              std::int32_t from, std::int32_t to, double (*sums)[kGroup]) {
  if (to <= from)
    return;
  const double *a[2];
  for (int r = 0; r < rows; ++r) {
    const std::int32_t row = i + first + r;
    a[r] = K.Column(row) + (row - to + 1);
  }
  for (int t0 = 0; t0 < panel.columns; t0 += kChunk) {
    const int columns = std::min(kChunk, panel.columns - t0);
    const double *b[kChunk];
    for (int t = 0; t < columns; ++t)
      b[t] = panel.base[t0 + t] - to + 1;
    double part[2][kChunk];
    TileDots(rows, columns, a, b, to - from, part);
    for (int r = 0; r < rows; ++r)
      for (int t = 0; t < columns; ++t)
        sums[first + r][t0 + t] += part[r][t];
  }
}

// Rows i .. i + rows - 1 (one or two, above the group) of the panel.  The
// sums run over the rows k both rows store, then over those only the row
// with the lower top stores; last, row i + 1 takes its k = i term with the
// reduced g(i, c).
void ReduceRows(KMatrix &K, std::int32_t i, int rows, Panel &panel) {
  const std::int32_t rowTop[2] = {std::max(Top(K, i), panel.top),
                                  std::max(rows == 2 ? Top(K, i + 1) : Top(K, i), panel.top)};
  const std::int32_t both = std::max(rowTop[0], rowTop[1]);
  const int lone = rowTop[0] <= rowTop[1] ? 0 : 1;
  double sums[2][kGroup] = {};
  AddPiece(K, i, 0, rows, panel, both, i, sums);
  if (rows == 2)
    AddPiece(K, i, lone, 1, panel, rowTop[lone], std::min(i, both), sums);
  const bool coupled = rows == 2 && Top(K, i + 1) <= i;
  const double l = coupled ? K.Column(i + 1)[1] : 0.0;
  for (int t = 0; t < panel.columns; ++t) {
    double *g = panel.base[t] - i;
    g[0] -= sums[0][t];
    if (rows == 2)
      g[-1] -= sums[1][t] + (coupled ? l * g[0] : 0.0);
  }
}

// The rows above the group (below j0) of its columns j0 .. j1 - 1, two at a
// time, on the panel.
template <class Ready>
bool ReduceAboveGroup(KMatrix &K, std::int32_t j0, std::int32_t j1, Panel &panel, Ready &ready) {
  panel.Load(K, j0, j1);
  for (std::int32_t i = panel.top; i < j0;) {
    const int rows = i + 1 < j0 ? 2 : 1;
    if (!ready(i) || (rows == 2 && !ready(i + 1)))
      return false;
    ReduceRows(K, i, rows, panel);
    i += rows;
  }
  panel.Store(K);
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
GroupResult ReduceGroup(KMatrix &K, std::int32_t j0, std::int32_t j1, Panel &panel, Ready &&ready,
                        Finished &&finished) {
  if (!ReduceAboveGroup(K, j0, j1, panel, ready))
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
  Panel panel;
  for (std::int32_t j0 = 0; j0 < K.N(); j0 += kGroup) {
    const auto result = ReduceGroup(
        K, j0, std::min(j0 + kGroup, K.N()), panel, [](std::int32_t) { return true; },
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
    auto finished = [this](std::int32_t c) { Mark(c, kDone); };
    Panel panel;
    while (!failed.load(std::memory_order_relaxed)) {
      const std::int32_t j0 = next.fetch_add(kGroup, std::memory_order_relaxed);
      if (j0 >= K.N())
        return;
      const std::int32_t j1 = std::min(j0 + kGroup, K.N());
      const GroupResult result = ReduceGroup(K, j0, j1, panel, ready, finished);
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

// Half the cores, and no more than are idle by the load average of the last
// minute: a thread that has to share its core with other programs holds up
// every thread waiting for its columns.
int FactorisationThreads() {
  const int cores = static_cast<int>(std::thread::hardware_concurrency());
  int threads = cores / 2;
  double load = 0.0;
  if (getloadavg(&load, 1) == 1)
    threads = std::min(threads, cores - static_cast<int>(std::ceil(load)));
  return std::clamp(threads, 1, kMaxThreads);
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
