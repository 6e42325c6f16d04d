#include "model/CheckSupport.h"
#include "model/Checks.h"
#include "model/GeometryQueries.h"
#include "model/SystemTables.h"

#include <map>
#include <tuple>

namespace {

CheckResult CheckMaterial(int number) {
  const int row = number - 1;
  const MatRecord &mat = Materials.At(row);
  const InputPage page = InputPage::Querschnittstab;
  if (!(mat.E > 0.0))
    return Fault(page, row, 1, "Ungültiger E-Modul !");
  if (!(mat.I > 0.0))
    return Fault(page, row, 2, "Ungültiges Flächenträgheitsmoment !");
  if (!(mat.A > 0.0))
    return Fault(page, row, 3, "Ungültige Fläche !");
  if (!(mat.bedding >= 0.0))
    return Fault(page, row, 5, "Ungültiger Bettungsmodul !");
  return std::nullopt;
}

CheckResult CheckBeam(const BeamRecord &beam, int row) {
  const InputPage page = InputPage::StabTab;
  if (!InUse(Nodes, beam.node1))
    return Fault(page, row, 1, "Der erste Knoten ist nicht definiert !");
  if (!InUse(Nodes, beam.node2))
    return Fault(page, row, 2, "Der zweite Knoten ist nicht definiert !");
  if (VecEqual(NodePoint(beam.node1), NodePoint(beam.node2)))
    return Fault(page, row, 2, "Stablänge ist Null !");
  if (!InUse(Materials, beam.material))
    return Fault(page, row, 3, "Material ist nicht definiert !");
  if (CheckResult fault = CheckMaterial(beam.material))
    return fault;
  if (beam.intervals < 0 || beam.intervals > kMaxIntervals)
    return Fault(page, row, 5, "Anzahl der Intervalle muss zwischen 0 und 1000 liegen !");
  return std::nullopt;
}

CheckResult CheckHinge(const HingeRecord &hinge, int row) {
  const InputPage page = InputPage::GelenkTab;
  if (!InUse(Beams, hinge.beam))
    return Fault(page, row, 1, "Stab nicht definiert !");
  if (!(hinge.position >= 0.0 && hinge.position <= 1.0))
    return Fault(page, row, 2, "Gelenkposition muss zwischen 0 und 1 liegen !");
  if (hinge.type < kHingeNormalForce || hinge.type > kHingeMoment)
    return Fault(page, row, 3, "Ungültiger Gelenktyp !");
  return std::nullopt;
}

// Two hinges of the same kind at exactly the same place: the fault lies on
// the first of them in row order.
CheckResult CheckHingePairs() {
  using Place = std::tuple<std::int32_t, double, std::int32_t>;
  std::map<Place, int> hingesAt;
  const auto placeOf = [](const HingeRecord &h) { return Place{h.beam, h.position, h.type}; };
  for (int n = 0; n < Hinges.ActiveCount(); ++n)
    ++hingesAt[placeOf(Hinges.Active(n))];
  return FirstFaultInRows(Hinges, [&](const HingeRecord &hinge, int row) -> CheckResult {
    if (hingesAt[placeOf(hinge)] < 2)
      return std::nullopt;
    return Fault(InputPage::GelenkTab, row, 2, "Zwei gleichartige Gelenke liegen übereinander !");
  });
}

CheckResult CheckHinges() {
  if (CheckResult fault = FirstFaultInRows(Hinges, CheckHinge))
    return fault;
  return CheckHingePairs();
}

CheckResult CheckBeamsAndHinges() {
  // The hinge tests give the same answer after every beam: they run once,
  // after the tests of the first beam in use, and not at all without beams.
  bool first = true;
  return FirstFaultInRows(Beams, [&](const BeamRecord &beam, int row) -> CheckResult {
    if (CheckResult fault = CheckBeam(beam, row))
      return fault;
    if (!first)
      return std::nullopt;
    first = false;
    return CheckHinges();
  });
}

} // namespace

CheckResult CheckSystem() {
  return Reported(CheckBeamsAndHinges());
}
