#include "analysis/ElementGeometry.h"

#include "analysis/SolElement.h"
#include "analysis/Solutions.h"

Point2D ElementEnd(const SolElement &element, int side) {
  const NodeEntry &entry = Solutions.NodeEntries.At(element.Node(side));
  return {entry.x, entry.z};
}

double ElementAngle(const SolElement &element) {
  return VecAngle(VecSub(ElementEnd(element, 1), ElementEnd(element, 0)));
}

const BeamRecord &ElementBeam(const SolElement &element) {
  return Beams.At(element.beam - 1);
}

const MatRecord &ElementMaterial(const SolElement &element) {
  return Materials.At(ElementBeam(element).material - 1);
}
