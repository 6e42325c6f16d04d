#include "analysis/ResultQueries.h"

#include "analysis/FGTab.h"
#include "analysis/SolElement.h"
#include "analysis/Solutions.h"
#include "analysis/ValuesAlongBeam.h"
#include "model/Commonfkc.h"
#include "model/Message.h"
#include "model/SystemTables.h"

#include <cmath>

bool HasNodeEntry(std::int32_t e) {
  return e >= 0 && e < Solutions.NodeEntries.Count();
}

bool HasElements(const BeamRecord &beam) {
  return beam.firstElement >= 0 && beam.firstElement < Solutions.Elements.Count();
}

double NodeDofValue(std::int32_t e, int k) {
  return FGTab.Dof(Solutions.NodeEntries.At(e).firstDof + k).value;
}

Point2D NodeDisplacement(std::int32_t e) {
  return {NodeDofValue(e, 0), NodeDofValue(e, 1)};
}

Point2D DisplacedNodePosition(std::int32_t e, double scale) {
  const NodeEntry &entry = Solutions.NodeEntries.At(e);
  return VecAdd({entry.x, entry.z}, VecScale(scale, NodeDisplacement(e)));
}

namespace {

constexpr double kLargest = 1.7976931348623157e308;

// The five sampling points 0, 0.25, 0.5, 0.75, 1.
template <class Value> double LargestAtQuarters(Value value) {
  double largest = 0.0;
  for (int i = 0; i <= 4; ++i)
    largest = DMax(largest, value(0.25 * i));
  return largest;
}

template <class Value> double LargestOverElements(const SolutionsCont &context, Value value) {
  double largest = 0.0;
  for (int i = 0; i < context.Elements.Count(); ++i)
    largest = DMax(largest, value(context.Elements.At(i)));
  return largest;
}

template <class Value> double LargestOverNodes(const SolutionsCont &context, Value value) {
  double largest = 0.0;
  for (int e = 0; e < context.NodeEntries.Count(); ++e)
    largest = DMax(largest, value(e));
  return largest;
}

} // namespace

double MaxElementDisplacement(const SolElement &element) {
  return LargestAtQuarters([&](double x) { return VecLength(DisplacementAt(element, x)); });
}

double MaxDisplacement(const SolutionsCont &context) {
  return LargestOverElements(context,
                             [](const SolElement &e) { return MaxElementDisplacement(e); });
}

double MaxElementInternalForce(const SolElement &element, int kind) {
  return LargestAtQuarters([&](double x) { return std::fabs(InternalForceAt(element, x, kind)); });
}

double MaxInternalForce(const SolutionsCont &context, int kind) {
  return LargestOverElements(context,
                             [&](const SolElement &e) { return MaxElementInternalForce(e, kind); });
}

double MaxReactionForce(const SolutionsCont &context) {
  return LargestOverNodes(context, [](std::int32_t e) {
    return VecLength({NodeReaction(e, 0), NodeReaction(e, 1)});
  });
}

double MaxReactionMoment(const SolutionsCont &context) {
  return LargestOverNodes(context, [](std::int32_t e) { return std::fabs(NodeReaction(e, 2)); });
}

BeamExtremesResult BeamExtremes(int beamRow, int kind) {
  BeamExtremesResult r;
  r.max.value = -kLargest;
  r.min.value = kLargest;
  for (std::int32_t i = Beams.At(beamRow).firstElement; i >= 0;) {
    const SolElement &element = Solutions.Elements.At(i);
    double values[101];
    InternalForceAtHundredths(element, kind, values);
    for (int step = 0; step <= 100; ++step) {
      const double t = step * 0.01, v = values[step];
      if (v < r.min.value)
        r.min = {0.0, v, &element, t};
      if (v > r.max.value)
        r.max = {0.0, v, &element, t};
    }
    i = element.next;
  }
  // The beam positions of the two samples only, not of every one.
  for (BeamExtreme *extreme : {&r.max, &r.min})
    if (extreme->element != nullptr)
      extreme->position =
          Interpolate(extreme->element->x0, extreme->element->x1, extreme->localPosition);
  return r;
}

void BeamExtremesWithCompanions(int beamRow, double &maxPosition, double &minPosition,
                                double *maxRow, double *minRow, int c, int n, const int *kinds) {
  const BeamExtremesResult r = BeamExtremes(beamRow, kinds[c]);
  maxPosition = r.max.position;
  minPosition = r.min.position;
  maxRow[c] = r.max.value;
  minRow[c] = r.min.value;
  for (int i = 0; i < n; ++i) {
    if (i == c || r.max.element == nullptr || r.min.element == nullptr)
      continue;
    maxRow[i] = InternalForceAt(*r.max.element, r.max.localPosition, kinds[i]);
    minRow[i] = InternalForceAt(*r.min.element, r.min.localPosition, kinds[i]);
  }
}

const SolElement &FindSegment(int beamRow, double x) {
  for (std::int32_t i = Beams.At(beamRow).firstElement; i >= 0;) {
    const SolElement &element = Solutions.Elements.At(i);
    if (element.x0 <= x && x <= element.x1)
      return element;
    i = element.next;
  }
  Error("Schale nicht gefunden");
}

namespace {

template <class Pick> double Extreme(const DeterminateCont &points, double start, Pick pick) {
  double value = start;
  for (int i = 0; i < points.Count(); ++i)
    value = pick(value, points.At(i));
  return value;
}

} // namespace

double DeterminateCont::MinX() const {
  return Extreme(*this, kLargest,
                 [](double v, const DeterminantPoint &p) { return DMin(v, p.loadFactor); });
}
double DeterminateCont::MinY() const {
  return Extreme(*this, kLargest,
                 [](double v, const DeterminantPoint &p) { return DMin(v, p.determinant); });
}
double DeterminateCont::MaxX() const {
  return Extreme(*this, -kLargest,
                 [](double v, const DeterminantPoint &p) { return DMax(v, p.loadFactor); });
}
double DeterminateCont::MaxY() const {
  return Extreme(*this, -kLargest,
                 [](double v, const DeterminantPoint &p) { return DMax(v, p.determinant); });
}
