#include "analysis/Assembly.h"

#include "analysis/ElementStiffness.h"
#include "analysis/EquationOrder.h"
#include "analysis/KMatrix.h"
#include "analysis/Matrix.h"
#include "analysis/ParallelWork.h"
#include "analysis/SolElement.h"
#include "analysis/Solutions.h"

#include <algorithm>

DofExpansions::DofExpansions(const FGTabCont &table) {
  const int n = table.Count();
  offsets.reserve(n + 1);
  constants.reserve(n);
  terms.reserve(n);
  offsets.push_back(0);
  FGFieldCont row;
  for (int i = 0; i < n; ++i) {
    table.Dof(i).Expand(row);
    for (int t = 0; t < row.Count(); ++t)
      terms.push_back(row.Term(t));
    offsets.push_back(terms.size());
    constants.push_back(row.constant);
  }
}

void SetProfile(const ElementContainer &elements, KMatrix &K) {
  std::vector<std::int32_t> heights(K.N(), 0);
  for (int i = 0; i < elements.Count(); ++i)
    CouplingHeights(elements.At(i), heights.data());
  for (std::int32_t c = 0; c < K.N(); ++c)
    K.RaiseHeight(c, heights[c]);
}

namespace {

// Below this many elements the threads cost more than they save.
constexpr int kThreadedElements = 4000;

// The equations [first, last) whose columns of K and rows of F one thread
// adds to.
struct EquationRange {
  std::int32_t first, last;
  bool Holds(std::int32_t equation) const { return equation >= first && equation < last; }
};

// Ke (6 x 6, row by row) into the columns of K and the rows of F in range,
// every sum formed in the order of the element's rows and columns.
void AddElement(const SolElement &element, const double *Ke, KMatrix &K, Matrix &F,
                const DofExpansions &expansions, EquationRange range) {
  for (int i = 0; i < 6; ++i) {
    const std::int32_t dofI = element.GlobalDof(i);
    for (int j = 0; j < 6; ++j) {
      const std::int32_t dofJ = element.GlobalDof(j);
      const double kij = Ke[i * 6 + j];
      for (const FGFieldTerm &a : expansions.Terms(dofI)) {
        const double ak = a.coefficient * kij;
        for (const FGFieldTerm &b : expansions.Terms(dofJ))
          if (b.equation >= a.equation && range.Holds(b.equation))
            K.At(a.equation, b.equation) += b.coefficient * ak;
        if (range.Holds(a.equation))
          F(a.equation, 0) += ak * expansions.Constant(dofJ);
      }
    }
  }
}

// Splits the equations into count ranges holding about the same share of
// K's stored values.
std::vector<EquationRange> SplitEquations(const KMatrix &K, int count) {
  std::vector<EquationRange> ranges;
  std::int32_t first = 0;
  std::int64_t stored = 0;
  for (std::int32_t c = 0; c < K.N(); ++c) {
    stored += K.Height(c);
    const auto share = static_cast<std::int64_t>(ranges.size() + 1) * K.StoredCount() / count;
    if (stored >= share && static_cast<int>(ranges.size()) < count - 1) {
      ranges.push_back({first, c + 1});
      first = c + 1;
    }
  }
  ranges.push_back({first, K.N()});
  return ranges;
}

void AssembleSequential(const ElementContainer &elements, KMatrix &K, Matrix &F, std::int32_t flags,
                        const DofExpansions &expansions) {
  Matrix Ke(6, 6);
  for (int i = 0; i < elements.Count(); ++i) {
    const SolElement &element = elements.At(i);
    Ke.Zero();
    ElementStiffness(element, Ke, flags);
    AddElement(element, Ke.Data(), K, F, expansions, {0, K.N()});
  }
}

// The element matrices on all threads, then each thread adds all elements
// to its own range of equations: every value of K and F receives the same
// terms in the same order as in the sequential assembly.
void AssembleThreaded(const ElementContainer &elements, KMatrix &K, Matrix &F, std::int32_t flags,
                      const DofExpansions &expansions, int threads) {
  const int n = elements.Count();
  std::vector<double> matrices(static_cast<std::size_t>(n) * 36);
  std::vector<Matrix> Ke(static_cast<std::size_t>(threads));
  for (Matrix &m : Ke)
    m.Resize(6, 6);
  RunOnThreads(threads, [&](int t) {
    const int last = static_cast<int>(static_cast<std::int64_t>(n) * (t + 1) / threads);
    for (int i = static_cast<int>(static_cast<std::int64_t>(n) * t / threads); i < last; ++i) {
      Ke[t].Zero();
      ElementStiffness(elements.At(i), Ke[t], flags);
      std::copy(Ke[t].Data(), Ke[t].Data() + 36,
                matrices.data() + 36 * static_cast<std::size_t>(i));
    }
  });
  const std::vector<EquationRange> ranges = SplitEquations(K, threads);
  RunOnThreads(static_cast<int>(ranges.size()), [&](int t) {
    for (int i = 0; i < n; ++i)
      AddElement(elements.At(i), matrices.data() + 36 * static_cast<std::size_t>(i), K, F,
                 expansions, ranges[t]);
  });
}

} // namespace

void AssembleStiffness(const ElementContainer &elements, KMatrix &K, Matrix &F, std::int32_t flags,
                       const DofExpansions &expansions, int threads) {
  if (threads <= 1)
    AssembleSequential(elements, K, F, flags, expansions);
  else
    AssembleThreaded(elements, K, F, flags, expansions, threads);
}

void AssembleStiffness(const ElementContainer &elements, KMatrix &K, Matrix &F, std::int32_t flags,
                       const DofExpansions &expansions) {
  const int threads = elements.Count() < kThreadedElements ? 1 : AnalysisThreads();
  AssembleStiffness(elements, K, F, flags, expansions, threads);
}
