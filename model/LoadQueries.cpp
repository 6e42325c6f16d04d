#include "model/LoadQueries.h"

#include "model/Commonfkc.h"
#include "model/GeometryQueries.h"
#include "model/SystemTables.h"

#include <algorithm>
#include <cmath>

namespace {

// Largest value of measure over the rows in use of list, at least 0.
template <class Record, class Measure> double MaxOver(InputTable<Record> &list, Measure measure) {
  double largest = 0.0;
  for (int n = 0; n < list.ActiveCount(); ++n)
    largest = DMax(largest, measure(list.Active(n)));
  return largest;
}

} // namespace

NumberRange ClampToTable(int from, int to, const InputContainer &table) {
  return {std::max(from, 1), std::min(to, table.Count())};
}

int HasImposedComponent(ZwvClass &displacements, int node, int component) {
  for (int n = 0; n < displacements.ActiveCount(); ++n) {
    const ZwvRecord &row = displacements.Active(n);
    if (node < row.from || node > row.to)
      continue;
    const double value = component == 0 ? row.dx : component == 1 ? row.dz : row.rotation;
    if (value != 0.0)
      return 1;
  }
  return 0;
}

double MaxImposedDisplacement(ZwvClass &displacements) {
  return MaxOver(displacements, [](const ZwvRecord &r) { return std::hypot(r.dx, r.dz); });
}

double MaxBeamLoad(BeamLoadClass &loads) {
  return MaxOver(loads, [](const BeamLoadRecord &r) {
    return DMax(DMax(std::fabs(r.q1Start), std::fabs(r.q1End)),
                DMax(std::fabs(r.q2Start), std::fabs(r.q2End)));
  });
}

double MaxNodeLoadForce(NodeLoadClass &loads) {
  return MaxOver(loads, [](const NodeLoadRecord &r) { return std::hypot(r.px, r.pz); });
}

double MaxNodeLoadMoment(NodeLoadClass &loads) {
  return MaxOver(loads, [](const NodeLoadRecord &r) { return std::fabs(r.m); });
}

double MaxPointLoadForce(PointLoadClass &loads) {
  return MaxOver(loads, [](const PointLoadRecord &r) { return std::hypot(r.n, r.q); });
}

double MaxPointLoadMoment(PointLoadClass &loads) {
  return MaxOver(loads, [](const PointLoadRecord &r) { return std::fabs(r.m); });
}

double MaxHingeLoad(HingeLoadClass &loads, int hingeType, int kind) {
  return MaxOver(loads, [&](const HingeLoadRecord &r) {
    const bool counts = r.kind == kind && Hinges.IsRowValid(r.hinge - 1) &&
                        Hinges.At(r.hinge - 1).type == hingeType;
    return counts ? std::fabs(r.value) : 0.0;
  });
}

double MaxImperfection(ImperfectionClass &imperfections) {
  return MaxOver(imperfections, [](const ImperfectionRecord &r) {
    double largest = 0.0;
    const NumberRange beams = ClampToTable(r.from, r.to, Beams);
    for (int j = beams.first; j <= beams.last; ++j) {
      if (!Beams.IsRowValid(j - 1) || BeamIsValid(Beams.At(j - 1)) == 0)
        continue;
      const BeamRecord &beam = Beams.At(j - 1);
      const double length = BeamLength(beam);
      largest = DMax(largest, DMax(std::fabs(r.sway * length), std::fabs(r.bow * length)));
    }
    return largest;
  });
}

void ImperfectionOnPiece(const ImperfectionRecord &imperfection, double &mid, double &rotation,
                         double a, double b) {
  const double c = 4.0 * imperfection.bow;
  const auto f = [c](double x) { return -(c * x - c * x * x); };
  rotation = imperfection.sway - (f(b) - f(a)) / (b - a);
  mid = -(f((a + b) / 2.0) - (f(a) + f(b)) / 2.0) / (b - a);
}
