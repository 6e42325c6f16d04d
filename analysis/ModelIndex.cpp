#include "analysis/ModelIndex.h"

#include "analysis/RowsInUse.h"
#include "model/LoadLists.h"
#include "model/LoadQueries.h"
#include "model/SystemTables.h"

ModelIndex::ModelIndex() {
  IndexNodes();
  IndexBeamDivisions();
}

void ModelIndex::IndexNodes() {
  const int nodeCount = Nodes.Count();
  nodeFlags.assign(nodeCount, 0);
  auto flag = [&](int number, std::uint8_t bits) {
    if (number >= 1 && number <= nodeCount)
      nodeFlags[number - 1] |= bits;
  };
  ForRowsInUse(Beams, [&](int, const BeamRecord &beam) {
    flag(beam.node1, kConnected);
    flag(beam.node2, kConnected);
  });
  ForRowsInUse(ImposedDisplacements, [&](int, const ZwvRecord &row) {
    const std::uint8_t bits = (row.dx != 0.0 ? kImposedX : 0) |
                              (row.dz != 0.0 ? kImposedX << 1 : 0) |
                              (row.rotation != 0.0 ? kImposedX << 2 : 0);
    const NumberRange nodes = ClampToTable(row.from, row.to, Nodes);
    for (int number = nodes.first; number <= nodes.last; ++number)
      flag(number, static_cast<std::uint8_t>(bits));
  });
}

void ModelIndex::IndexBeamDivisions() {
  const int beamCount = Beams.Count();
  hinges.assign(beamCount, {});
  pointLoads.assign(beamCount, {});
  loadEdges.assign(beamCount, {});
  auto onBeam = [beamCount](int number) { return number >= 1 && number <= beamCount; };
  ForRowsInUse(Hinges, [&](int i, const HingeRecord &hinge) {
    if (onBeam(hinge.beam))
      hinges[hinge.beam - 1].push_back(i);
  });
  ForRowsInUse(PointLoads, [&](int i, const PointLoadRecord &load) {
    if (onBeam(load.beam))
      pointLoads[load.beam - 1].push_back(i);
  });
  ForRowsInUse(BeamLoads, [&](int, const BeamLoadRecord &load) {
    if (load.partialStart == 0.0 && load.partialEnd == 1.0)
      return;
    const NumberRange beams = ClampToTable(load.from, load.to, Beams);
    for (int number = beams.first; number <= beams.last; ++number) {
      if (load.partialStart != 0.0)
        loadEdges[number - 1].push_back(load.partialStart);
      if (load.partialEnd != 1.0)
        loadEdges[number - 1].push_back(load.partialEnd);
    }
  });
}
