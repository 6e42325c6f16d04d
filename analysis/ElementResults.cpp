#include "analysis/FGTab.h"
#include "analysis/SolElement.h"
#include "analysis/Solutions.h"
#include "analysis/SolveStep.h"
#include "analysis/ValuesAlongBeam.h"
#include "model/SystemTables.h"

#include <cmath>
#include <utility>
#include <vector>

namespace {

// The hinges in use, by position in the active order, grouped by beam.
struct HingeWalk {
  std::vector<const HingeRecord *> hinges;
  std::vector<std::vector<int>> ofBeam; // indices into hinges, in order
  std::vector<char> marks;

  HingeWalk() {
    for (int n = 0; n < Hinges.ActiveCount(); ++n) {
      const HingeRecord &hinge = Hinges.Active(n);
      if (hinge.beam < 1)
        continue;
      if (hinge.beam > static_cast<int>(ofBeam.size()))
        ofBeam.resize(hinge.beam);
      ofBeam[hinge.beam - 1].push_back(static_cast<int>(hinges.size()));
      hinges.push_back(&hinge);
    }
    marks.assign(hinges.size(), 0);
  }
};

// From hinge s at node entry a: walks to the next unmarked hinge of the same
// beam that touches a (left side tested first), marking it, and goes on from
// its other side.  Returns the node entry where the walk ends and the last
// hinge reached.
std::pair<std::int32_t, int> FollowHingeChain(HingeWalk &walk, int s, std::int32_t a) {
  for (int h : walk.ofBeam[walk.hinges[s]->beam - 1]) {
    if (h == s || walk.marks[h])
      continue;
    const HingeRecord &hinge = *walk.hinges[h];
    if (hinge.leftNode == a || hinge.rightNode == a) {
      walk.marks[h] = 1;
      return FollowHingeChain(walk, h, hinge.leftNode == a ? hinge.rightNode : hinge.leftNode);
    }
  }
  walk.marks[s] = 1;
  return {a, s};
}

void CombineReactions(std::int32_t a, std::int32_t b) {
  for (int k = 0; k < 3; ++k) {
    const double t = NodeReaction(a, k);
    AddToReaction(Solutions, NodeReaction(b, k), a, k);
    AddToReaction(Solutions, t, b, k);
  }
}

} // namespace

void ElementResults(SolutionsCont &context, std::int32_t flags) {
  ComputeEndForces(context.Elements, flags);
  for (int i = 0; i < context.Elements.Count(); ++i)
    PrepareValuesAlongBeam(context.Elements.At(i));
  HingeWalk walk;
  for (int i = 0; i < static_cast<int>(walk.hinges.size()); ++i) {
    if (walk.marks[i] || walk.hinges[i]->leftNode < 0 || walk.hinges[i]->rightNode < 0)
      continue;
    const auto [A, l] = FollowHingeChain(walk, i, walk.hinges[i]->leftNode);
    const HingeRecord &last = *walk.hinges[l];
    const std::int32_t B0 = last.leftNode == A ? last.rightNode : last.leftNode;
    const std::int32_t B = FollowHingeChain(walk, l, B0).first;
    CombineReactions(A, B);
  }
}

double UpdateMidNormalForce(SolElement &element) {
  const double old = element.midNormalForce;
  element.midNormalForce = InternalForceAt(element, 0.5, kNormalForce);
  return std::fabs(old - element.midNormalForce);
}

double NormalForceChange(SolutionsCont &context) {
  double sum = 0.0;
  for (int i = 0; i < context.Elements.Count(); ++i)
    sum += UpdateMidNormalForce(context.Elements.At(i));
  return sum;
}

double MidNormalForceSum(const SolutionsCont &context) {
  double sum = 0.0;
  for (int i = 0; i < context.Elements.Count(); ++i)
    sum += std::fabs(context.Elements.At(i).midNormalForce);
  return sum;
}
