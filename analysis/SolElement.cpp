#include "analysis/SolElement.h"

#include "analysis/FGTab.h"
#include "analysis/Solutions.h"

std::int32_t SolElement::GlobalDof(int k) const {
  if (k < 3)
    return Solutions.NodeEntries.At(node[0]).firstDof + k;
  return Solutions.NodeEntries.At(node[1]).firstDof + k - 3;
}

BCClass &SolElement::Dof(int k) const {
  return FGTab.Dof(GlobalDof(k));
}

double SolElement::AxialForce() const {
  return Solutions.LoadFactor * midNormalForce;
}
