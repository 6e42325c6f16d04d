#include "model/CheckSupport.h"
#include "model/Checks.h"
#include "model/Commonfkc.h"
#include "model/LoadLists.h"
#include "model/SystemTables.h"

#include <map>
#include <vector>

namespace {

// Which node numbers a beam in use touches, counted once for all tests.
class Connections {
public:
  Connections() : touched(Nodes.Count() + 1, false) {
    for (int n = 0; n < Beams.ActiveCount(); ++n) {
      Mark(Beams.Active(n).node1);
      Mark(Beams.Active(n).node2);
    }
  }
  bool Connected(int node) const {
    return node >= 1 && node < static_cast<int>(touched.size()) && touched[node];
  }

private:
  void Mark(int node) {
    if (node >= 1 && node < static_cast<int>(touched.size()))
      touched[node] = true;
  }
  std::vector<bool> touched;
};

const char *const kNodeOrder = "Knotenreihenfolge ist falsch";
const char *const kBeamOrder = "Stabreihenfolge ist falsch";

CheckResult BeamInUse(InputPage page, int row, int beam) {
  if (InUse(Beams, beam))
    return std::nullopt;
  return Fault(page, row, 1, FormatString("Stab %d ist nicht definiert", beam));
}

// The nodes of from .. to in use and connected to a beam; the connection
// fault is reported in connectionColumn.
CheckResult CheckNodeRange(InputPage page, int row, int from, int to, int connectionColumn,
                           const Connections &connections) {
  if (to < from)
    return Fault(page, row, 1, kNodeOrder);
  return FirstFaultInRange(from, to, [&](int node) -> CheckResult {
    if (!InUse(Nodes, node))
      return Fault(page, row, 1, FormatString("Knoten %d ist nicht definiert", node));
    if (!connections.Connected(node))
      return Fault(page, row, connectionColumn,
                   FormatString("Knoten %d hat keine Verbindung mit der Struktur !", node));
    return std::nullopt;
  });
}

CheckResult CheckNodeLoads(const Connections &connections) {
  return FirstFaultInRows(NodeLoads, [&](const NodeLoadRecord &load, int row) {
    return CheckNodeRange(InputPage::Knotenlastentab, row, load.from, load.to, 1, connections);
  });
}

CheckResult CheckBeamLoads() {
  const InputPage page = InputPage::Streckenlastentab;
  return FirstFaultInRows(BeamLoads, [&](const BeamLoadRecord &load, int row) -> CheckResult {
    if (load.to < load.from)
      return Fault(page, row, 1, kBeamOrder);
    if (load.partialEnd < load.partialStart)
      return Fault(page, row, 8, "Anfangswert muss kleiner als der Endwert sein");
    if (!(load.partialStart >= 0.0 && load.partialStart < 1.0))
      return Fault(page, row, 8, "Anfangswert muss zwischen 0 und 0.9999 liegen");
    if (!(load.partialEnd > 0.0 && load.partialEnd <= 1.0))
      return Fault(page, row, 9, "Endwert muss zwischen 0.0001 und 1 liegen");
    return FirstFaultInRange(load.from, load.to,
                             [&](int beam) { return BeamInUse(page, row, beam); });
  });
}

CheckResult CheckPointLoads() {
  const InputPage page = InputPage::Einzellastentab;
  return FirstFaultInRows(PointLoads, [&](const PointLoadRecord &load, int row) -> CheckResult {
    if (!InUse(Beams, load.beam))
      return Fault(page, row, 1, "Der Stab ist nicht definiert !");
    if (load.position > 1.0 || !(load.position >= 0.0))
      return Fault(page, row, 2, "Die X-Position ist nur gültig für Werte zwischen 0 und 1 !");
    return std::nullopt;
  });
}

// alphaT of a beam's cross-section type; 0 when the type is not defined.
double AlphaTOf(const BeamRecord &beam) {
  return InUse(Materials, beam.material) ? Materials.At(beam.material - 1).alphaT : 0.0;
}

CheckResult CheckTemperatureLoads() {
  const InputPage page = InputPage::Temperaturtab;
  return FirstFaultInRows(TemperatureLoads, [&](const TempLoadRecord &load, int row) {
    if (load.to < load.from)
      return Fault(page, row, 1, kBeamOrder);
    return FirstFaultInRange(load.from, load.to, [&](int j) -> CheckResult {
      if (CheckResult fault = BeamInUse(page, row, j))
        return fault;
      const BeamRecord &beam = Beams.At(j - 1);
      if ((load.t != 0.0 || load.dT != 0.0) && !(beam.thickness > 0.0))
        return Fault(page, row, 4, FormatString("Ungültige Stabdicke bei Stab %d angegeben", j));
      if (!(AlphaTOf(beam) >= 0.0))
        return Fault(page, row, 3,
                     FormatString("Ungültiger Temperaturausdehnungskoeffizient bei "
                                  "Querschnittstyp %d angegeben",
                                  beam.material));
      return std::nullopt;
    });
  });
}

CheckResult CheckImposedDisplacements(const Connections &connections) {
  return FirstFaultInRows(ImposedDisplacements, [&](const ZwvRecord &load, int row) {
    return CheckNodeRange(InputPage::Zwangsverformungentab, row, load.from, load.to, 2,
                          connections);
  });
}

CheckResult CheckImperfections() {
  const InputPage page = InputPage::Vorverformungentab;
  return FirstFaultInRows(Imperfections, [&](const ImperfectionRecord &load, int row) {
    if (load.to < load.from)
      return Fault(page, row, 1, kBeamOrder);
    return FirstFaultInRange(load.from, load.to,
                             [&](int beam) { return BeamInUse(page, row, beam); });
  });
}

// One load per hinge: the fault lies on the later of two rows.
CheckResult CheckHingeLoads() {
  const InputPage page = InputPage::Gelenklastentab;
  std::vector<int> laterRow(HingeLoads.Count(), -1); // row -> next row on its hinge
  std::map<int, int> nextRowOf;                      // hinge -> row of the next load on it
  for (int n = HingeLoads.ActiveCount() - 1; n >= 0; --n) {
    const HingeLoadRecord &load = HingeLoads.Active(n);
    const int row = HingeLoads.IndexOfRecord(&load);
    const auto next = nextRowOf.find(load.hinge);
    if (next != nextRowOf.end())
      laterRow[row] = next->second;
    nextRowOf[load.hinge] = row;
  }
  return FirstFaultInRows(HingeLoads, [&](const HingeLoadRecord &load, int row) -> CheckResult {
    if (!InUse(Hinges, load.hinge))
      return Fault(page, row, 1, "Das Gelenk ist nicht definiert !");
    if (laterRow[row] >= 0)
      return Fault(page, laterRow[row], 1,
                   "Es darf nur eine Gelenklast an einem Gelenk angreifen !");
    return std::nullopt;
  });
}

CheckResult CheckAllLoads() {
  const Connections connections;
  CheckResult fault = CheckNodeLoads(connections);
  if (!fault)
    fault = CheckBeamLoads();
  if (!fault)
    fault = CheckPointLoads();
  if (!fault)
    fault = CheckTemperatureLoads();
  if (!fault)
    fault = CheckImposedDisplacements(connections);
  if (!fault)
    fault = CheckImperfections();
  if (!fault)
    fault = CheckHingeLoads();
  return fault;
}

} // namespace

CheckResult CheckLoads() {
  return Reported(CheckAllLoads());
}
