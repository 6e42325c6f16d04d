#include "analysis/ModelBuild.h"

#include "analysis/DivPoints.h"
#include "analysis/ModelIndex.h"
#include "analysis/RowsInUse.h"
#include "analysis/SolElement.h"
#include "analysis/Solutions.h"
#include "model/GeometryQueries.h"
#include "model/LoadLists.h"
#include "model/SystemTables.h"

#include <numbers>

namespace {

constexpr double kPi = std::numbers::pi;

// A constraint holding the displacement of node entry e in direction a.
void HoldDirection(SolutionsCont &context, std::int32_t e, double a) {
  AddDirectionTerms(context.Constraints.Add(), e, a, 1.0);
}

// Node entries and support constraints of the connected nodes.
void BuildNodes(SolutionsCont &context, const ModelIndex &index) {
  ForRowsInUse(Nodes, [&](int row, NodeRecord &node) {
    node.modelNode = -1;
    if (!index.NodeIsConnected(row))
      return;
    const std::int32_t e = context.AddNodeEntry(node.x, node.z, row);
    node.modelNode = e;
    const double a = node.skew * (1.0 / 180.0) * kPi;
    // A supported direction with a nonzero imposed displacement is left to
    // the imposed constraints.
    if (node.supportX != 0 && !index.HasImposedComponent(row, 0))
      HoldDirection(context, e, a);
    if (node.supportZ != 0 && !index.HasImposedComponent(row, 1))
      HoldDirection(context, e, a + kPi / 2);
    if (node.supportR != 0 && !index.HasImposedComponent(row, 2))
      context.Constraints.Add().AddTerm(e, 2, 1.0);
  });
}

// The two node entries left and right of a hinge place move together in
// every direction that none of its hinges releases.
void CoupleHingePlace(SolutionsCont &context, const DivPoint &place, std::int32_t left,
                      std::int32_t right, double a) {
  if (!place.HasHinge(kHingeNormalForce))
    AddRelativeDisplacement(context.Constraints.Add(), left, right, a);
  if (!place.HasHinge(kHingeShearForce))
    AddRelativeDisplacement(context.Constraints.Add(), left, right, a + kPi / 2);
  if (!place.HasHinge(kHingeMoment)) {
    OneBCContainer &constraint = context.Constraints.Add();
    constraint.AddTerm(left, 2, 1.0);
    constraint.AddTerm(right, 2, -1.0);
  }
}

// The chain of elements of one beam from its division places.
void BuildBeam(SolutionsCont &context, int number, const DivContainer &points) {
  BeamRecord &beam = Beams.At(number - 1);
  std::int32_t previous = -1;
  std::int32_t left = Nodes.At(beam.node1 - 1).modelNode;
  const int last = points.Count() - 2;
  for (int i = 0; i <= last; ++i) {
    const DivPoint &from = points[i];
    const DivPoint &to = points[i + 1];
    std::int32_t right;
    if (i == last) {
      right = Nodes.At(beam.node2 - 1).modelNode;
    } else {
      const Point2D p = PointOnBeam(beam, to.position, 0.0);
      right = context.AddNodeEntry(p.x, p.y, -1);
    }
    if (from.position == to.position) {
      from.SetHingeNodes(left, right);
      to.SetHingeNodes(left, right);
      CoupleHingePlace(context, from, left, right, BeamAngle(beam));
    } else {
      from.SetPointLoadNode(left);
      to.SetPointLoadNode(right);
      const std::int32_t e = context.AddElement(left, right, number, from.position, to.position);
      if (previous >= 0)
        context.Elements.At(previous).next = e;
      previous = e;
      if (beam.firstElement == -1)
        beam.firstElement = e;
    }
    left = right;
  }
}

} // namespace

void DivideBeam(int beam, DivContainer &points, std::int32_t mode, const ModelIndex &index) {
  points.Empty();
  points.AddPoint(0.0, {kNoAttachment, -1});
  points.AddPoint(1.0, {kNoAttachment, -1});
  if (mode & kBuckling)
    points.AddPoint(0.5, {kNoAttachment, -1});
  for (std::int32_t row : index.HingesOf(beam))
    points.AddPoint(Hinges.At(row).position, {kHingeAttachment, row});
  for (std::int32_t row : index.PointLoadsOf(beam))
    points.AddPoint(PointLoads.At(row).position, {kPointLoadAttachment, row});
  for (double edge : index.LoadEdgesOf(beam))
    points.AddPoint(edge, {kNoAttachment, -1});
  points.SortDivPoints();
  points.DoubleHingePlaces();
}

void BuildModel(SolutionsCont &context, std::int32_t mode) {
  const ModelIndex index;
  BuildNodes(context, index);
  DivContainer points;
  ForRowsInUse(Beams, [&](int row, BeamRecord &beam) {
    beam.firstElement = -1;
    // The checks reject beams without two distinct defined nodes; such a
    // beam would have no node entries to join.
    if (!BeamIsValid(beam))
      return;
    DivideBeam(row + 1, points, mode, index);
    BuildBeam(context, row + 1, points);
  });
}
