#include "analysis/EquationOrder.h"

#include "analysis/CuthillMcKee.h"
#include "analysis/FGTab.h"
#include "analysis/SolElement.h"
#include "analysis/Solutions.h"

#include <algorithm>
#include <array>

namespace {

// The node entry each DOF belongs to.
std::vector<std::int32_t> EntryOfDof(const SolutionsCont &context) {
  std::vector<std::int32_t> entry(FGTab.Count(), 0);
  for (int e = 0; e < context.NodeEntries.Count(); ++e)
    for (int k = 0; k < 3; ++k)
      entry[context.NodeEntries.At(e).firstDof + k] = e;
  return entry;
}

// Couplings of the node entries through the elements' expanded DOFs.  The
// expansion names equations, so the DOFs are numbered in table order first.
AdjacencyGraph CouplingGraph(const SolutionsCont &context) {
  FGTab.ClearEquationOrder();
  FGTab.NumberEquations();
  const std::vector<std::int32_t> entryOfDof = EntryOfDof(context);
  std::vector<std::int32_t> entryOfEquation(FGTab.equationCount, 0);
  for (int i = 0; i < FGTab.Count(); ++i)
    if (FGTab.Dof(i).dependent == 0)
      entryOfEquation[FGTab.Dof(i).equation] = entryOfDof[i];

  std::vector<std::pair<std::int32_t, std::int32_t>> edges;
  FGFieldCont row;
  std::vector<std::int32_t> entries;
  for (int i = 0; i < context.Elements.Count(); ++i) {
    const SolElement &element = context.Elements.At(i);
    entries.assign({element.Node(0), element.Node(1)});
    for (int k = 0; k < 6; ++k) {
      element.Dof(k).Expand(row);
      for (int t = 0; t < row.Count(); ++t)
        entries.push_back(entryOfEquation[row.Term(t).equation]);
    }
    std::sort(entries.begin(), entries.end());
    entries.erase(std::unique(entries.begin(), entries.end()), entries.end());
    for (std::size_t a = 0; a < entries.size(); ++a)
      for (std::size_t b = a + 1; b < entries.size(); ++b)
        edges.emplace_back(entries[a], entries[b]);
  }
  return MakeGraph(context.NodeEntries.Count(), edges);
}

} // namespace

std::vector<std::int32_t> NodeEntryOrder(const SolutionsCont &context) {
  return ReverseCuthillMcKee(CouplingGraph(context));
}

std::vector<std::int32_t> EquationOrder(const SolutionsCont &context) {
  std::vector<std::int32_t> order;
  order.reserve(FGTab.Count());
  for (std::int32_t e : NodeEntryOrder(context))
    for (int k = 0; k < 3; ++k)
      order.push_back(context.NodeEntries.At(e).firstDof + k);
  return order;
}

void CouplingHeights(const SolElement &element, std::int32_t *heights) {
  static std::array<FGFieldCont, 6> rows; // kept from element to element
  std::int32_t lowest = -1;
  for (int k = 0; k < 6; ++k) {
    element.Dof(k).Expand(rows[k]);
    for (int t = 0; t < rows[k].Count(); ++t)
      if (lowest < 0 || rows[k].Term(t).equation < lowest)
        lowest = rows[k].Term(t).equation;
  }
  // Every pair of the element's equations is coupled, so the highest column
  // an equation b reaches is the element's lowest equation.
  for (const FGFieldCont &row : rows)
    for (int t = 0; t < row.Count(); ++t) {
      const std::int32_t b = row.Term(t).equation;
      heights[b] = std::max(heights[b], b - lowest + 1);
    }
}

std::int64_t ProfileSize(const SolutionsCont &context) {
  std::vector<std::int32_t> heights(FGTab.equationCount, 0);
  for (int i = 0; i < context.Elements.Count(); ++i)
    CouplingHeights(context.Elements.At(i), heights.data());
  std::int64_t size = 0;
  for (std::int32_t h : heights)
    size += std::max(h, 1);
  return size;
}
