#include "analysis/Solutions.h"

#include "analysis/FGTab.h"
#include "analysis/GrowingAppend.h"
#include "analysis/Matrix.h"
#include "analysis/RunTimeLinks.h"
#include "analysis/SolElement.h"
#include "model/Upcalls.h"

SolutionsCont Solutions;

ElementContainer::~ElementContainer() {
  Clear();
}

void ElementContainer::Clear() {
  for (int i = 0; i < Count(); ++i)
    delete &At(i);
  UContainer::Clear();
}

// Frees the model only: at exit the tables and the windows may be gone.
SolutionsCont::~SolutionsCont() = default;

std::int32_t SolutionsCont::AddNodeEntry(double x, double z, std::int32_t nodeRow) {
  const NodeEntry entry{x, z, -1, nodeRow};
  AppendGrowing(NodeEntries, &entry);
  return NodeEntries.Count() - 1;
}

std::int32_t SolutionsCont::AddElement(std::int32_t node0, std::int32_t node1, std::int32_t beam,
                                       double x0, double x1) {
  auto element = std::make_unique<SolElement>();
  element->beam = beam;
  element->x0 = x0;
  element->x1 = x1;
  element->node[0] = node0;
  element->node[1] = node1;
  AppendOwned(Elements, std::move(element));
  return Elements.Count() - 1;
}

void ResetAnalysis(SolutionsCont &context) {
  context.Elements.Clear();
  context.NodeEntries.Clear();
  context.Constraints.Clear();
  context.ResultsPresent = 0;
  Upcalls().SetResultCaption("");
  context.IterationCount = 0;
  context.LoadFactor = 1.0;
  context.IterationOpen = 0;
  ClearRunTimeLinks();
}

namespace {

BCClass &NodeDof(const SolutionsCont &context, std::int32_t e, std::int32_t k) {
  return FGTab.Dof(context.NodeEntries.At(e).firstDof + k);
}

} // namespace

void AddNodalLoad(SolutionsCont &context, double v, std::int32_t e, std::int32_t k, Matrix &F,
                  std::int32_t reactionFlag) {
  BCClass &dof = NodeDof(context, e, k);
  static FGFieldCont row; // kept: the load vector calls this for every element end
  dof.Expand(row);
  for (int t = 0; t < row.Count(); ++t)
    F(row.Term(t).equation, 0) += row.Term(t).coefficient * v;
  if (reactionFlag == 1)
    dof.reaction -= v;
}

void AddToReaction(SolutionsCont &context, double value, std::int32_t e, std::int32_t k) {
  NodeDof(context, e, k).reaction += value;
}

double NodeReaction(std::int32_t e, std::int32_t k) {
  return NodeDof(Solutions, e, k).reaction;
}
