#pragma once
// Assembly of the element stiffness matrices into the skyline matrix through
// the DOF dependencies: dependent DOFs get no equation, and the constants of
// imposed displacements and hinge deformations move to the right-hand side.
#include "analysis/FGTab.h"

#include <cstdint>
#include <span>
#include <vector>

class ElementContainer;
class KMatrix;
class Matrix;

// Every DOF of the table expanded into independent equations, once per
// solve (the table must not change while it is in use).
class DofExpansions {
public:
  explicit DofExpansions(const FGTabCont &table);
  std::span<const FGFieldTerm> Terms(std::int32_t dof) const {
    return {terms.data() + offsets[dof], terms.data() + offsets[dof + 1]};
  }
  double Constant(std::int32_t dof) const { return constants[dof]; }

private:
  std::vector<std::size_t> offsets;
  std::vector<FGFieldTerm> terms;
  std::vector<double> constants;
};

// Column heights of all elements' couplings (CouplingHeights).
void SetProfile(const ElementContainer &elements, KMatrix &K);
// Element stiffness matrices into K, their products with the constants of
// dependent DOFs into F.  Large models are assembled on several threads;
// every value comes out as the sequential assembly forms it.
void AssembleStiffness(const ElementContainer &elements, KMatrix &K, Matrix &F, std::int32_t flags,
                       const DofExpansions &expansions);
// The same on the given number of threads (1 or less: on the calling one).
void AssembleStiffness(const ElementContainer &elements, KMatrix &K, Matrix &F, std::int32_t flags,
                       const DofExpansions &expansions, int threads);
