#include "model/GeometryQueries.h"

#include "model/Commonfkc.h"

#include <cmath>

Point2D NodePoint(int number) {
  const NodeRecord *node = Nodes.Find(number - 1);
  return node != nullptr ? Point2D{node->x, node->z} : Point2D{};
}

int NodeIsUnconnected(BeamClass &beams, int number) {
  for (int n = 0; n < beams.ActiveCount(); ++n) {
    const BeamRecord &beam = beams.Active(n);
    if (beam.node1 == number || beam.node2 == number)
      return 0;
  }
  return 1;
}

int BeamIsValid(const BeamRecord &beam) {
  return beam.node1 != beam.node2 && Nodes.IsRowValid(beam.node1 - 1) &&
                 Nodes.IsRowValid(beam.node2 - 1)
             ? 1
             : 0;
}

double BeamLength(const BeamRecord &beam) {
  return VecLength(VecSub(NodePoint(beam.node2), NodePoint(beam.node1)));
}

double BeamAngle(const BeamRecord &beam) {
  return VecAngle(VecSub(NodePoint(beam.node2), NodePoint(beam.node1)));
}

Point2D PointOnBeam(const BeamRecord &beam, double t, double offset) {
  const double a = BeamAngle(beam);
  const Point2D onAxis = InterpolatePoint(NodePoint(beam.node1), NodePoint(beam.node2), t);
  return VecAdd(onAxis, VecScale(offset, {std::sin(a), -std::cos(a)}));
}

int HingeBeamIsValid(const HingeRecord &hinge) {
  return Beams.IsRowValid(hinge.beam - 1) && BeamIsValid(Beams.At(hinge.beam - 1)) ? 1 : 0;
}

Box2D NodesExtent(NodeClass &nodes) {
  Box2D box;
  for (int n = 0; n < nodes.ActiveCount(); ++n) {
    const NodeRecord &node = nodes.Active(n);
    if (n == 0)
      box = {node.x, node.z, node.x, node.z};
    else
      BoxExtend(box, node.x, node.z);
  }
  return box;
}

Box2D BeamPieceExtent(const BeamRecord &beam, double a, double b) {
  const Point2D p = PointOnBeam(beam, a, 0.0);
  const Point2D q = PointOnBeam(beam, b, 0.0);
  return {DMin(p.x, q.x), DMin(p.y, q.y), DMax(p.x, q.x), DMax(p.y, q.y)};
}

Box2D BeamsExtent(BeamClass &beams) {
  Box2D box;
  for (int n = 0; n < beams.ActiveCount(); ++n) {
    const BeamRecord &beam = beams.Active(n);
    if (!BeamIsValid(beam))
      continue;
    const Box2D piece = BeamPieceExtent(beam, 0.0, 1.0);
    BoxExtend(box, piece.xmin, piece.ymin);
    BoxExtend(box, piece.xmax, piece.ymax);
  }
  return box;
}
