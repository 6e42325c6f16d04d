#include "analysis/Assembly.h"

#include "analysis/ElementStiffness.h"
#include "analysis/EquationOrder.h"
#include "analysis/KMatrix.h"
#include "analysis/Matrix.h"
#include "analysis/SolElement.h"
#include "analysis/Solutions.h"

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

void AssembleElement(const SolElement &element, const Matrix &Ke, KMatrix &K, Matrix &F,
                     const DofExpansions &expansions) {
  for (int i = 0; i < 6; ++i) {
    const std::int32_t dofI = element.GlobalDof(i);
    for (int j = 0; j < 6; ++j) {
      const std::int32_t dofJ = element.GlobalDof(j);
      const double kij = Ke(i, j);
      for (const FGFieldTerm &a : expansions.Terms(dofI)) {
        const double ak = a.coefficient * kij;
        for (const FGFieldTerm &b : expansions.Terms(dofJ))
          if (b.equation >= a.equation)
            K.At(a.equation, b.equation) += b.coefficient * ak;
        F(a.equation, 0) += ak * expansions.Constant(dofJ);
      }
    }
  }
}

void AssembleStiffness(const ElementContainer &elements, KMatrix &K, Matrix &F, std::int32_t flags,
                       const DofExpansions &expansions) {
  Matrix Ke(6, 6);
  for (int i = 0; i < elements.Count(); ++i) {
    const SolElement &element = elements.At(i);
    Ke.Zero();
    ElementStiffness(element, Ke, flags);
    AssembleElement(element, Ke, K, F, expansions);
  }
}
