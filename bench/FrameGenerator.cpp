#include "bench/FrameGenerator.h"

#include "model/CLocale.h"
#include "model/LoadLists.h"
#include "model/SystemTables.h"
#include "model/TableLists.h"

#include <algorithm>
#include <span>

namespace {

template <class Record> Record &Use(InputTable<Record> &table, int number) {
  Record &record = table.At(number - 1);
  record.state = 255;
  return record;
}

void AddSections() {
  MatRecord &column = Use(Materials, 1); // HEB 300
  column.E = 2.1e8;
  column.I = 2.517e-4;
  column.A = 1.491e-2;
  column.alphaT = 1.2e-5;
  MatRecord &girder = Use(Materials, 2); // IPE 400
  girder.E = 2.1e8;
  girder.I = 2.313e-4;
  girder.A = 8.446e-3;
  girder.alphaT = 1.2e-5;
}

void AddBeam(FrameSize &size, int node1, int node2, int material) {
  BeamRecord &beam = Use(Beams, ++size.beams);
  beam.node1 = node1;
  beam.node2 = node2;
  beam.material = material;
  beam.thickness = material == 1 ? 0.3 : 0.4;
  beam.intervals = 10;
}

void AddHinge(FrameSize &size, int beam) {
  HingeRecord &hinge = Use(Hinges, ++size.hinges);
  hinge.beam = beam;
  hinge.position = 0.5;
  hinge.type = kHingeMoment;
}

BeamLoadRecord &AddBeamLoad(FrameSize &size, int from, int to, double q) {
  BeamLoadRecord &load = Use(BeamLoads, ++size.beamLoads);
  load.from = from;
  load.to = to;
  load.system = kGlobalAxes;
  load.q2Start = load.q2End = q;
  load.partialStart = 0.0;
  load.partialEnd = 1.0;
  return load;
}

void AddGirderLoads(const FrameSpec &spec, FrameSize &size, int firstGirder, int lastGirder) {
  AddBeamLoad(size, firstGirder, lastGirder, 25.0); // dead and live load, kN/m
  for (int g = firstGirder, i = 0; g <= lastGirder; ++g, ++i) {
    if (spec.hingeEvery > 0 && i % spec.hingeEvery == spec.hingeEvery - 1)
      AddHinge(size, g);
    if (spec.pointLoadEvery > 0 && i % spec.pointLoadEvery == 0) {
      PointLoadRecord &load = Use(PointLoads, ++size.pointLoads);
      load.beam = g;
      load.position = 0.3;
      load.q = 40.0;
    }
    if (spec.partialLoadEvery > 0 && i % spec.partialLoadEvery == 1) {
      BeamLoadRecord &load = AddBeamLoad(size, g, g, 10.0);
      load.partialStart = 0.25;
      load.partialEnd = 0.75;
    }
  }
}

} // namespace

FrameSize GenerateFrame(const FrameSpec &spec) {
  for (InputContainer *table : AllInputTables())
    table->ClearRows();
  AddSections();
  FrameSize size;
  auto node = [&spec](int level, int column) { return level * (spec.bays + 1) + column + 1; };
  for (int level = 0; level <= spec.storeys; ++level)
    for (int column = 0; column <= spec.bays; ++column) {
      NodeRecord &n = Use(Nodes, ++size.nodes);
      n.x = spec.bayWidth * column;
      n.z = -spec.storeyHeight * level;
      n.supportX = n.supportZ = n.supportR = level == 0 ? 1 : 0;
    }
  for (int level = 1; level <= spec.storeys; ++level)
    for (int column = 0; column <= spec.bays; ++column)
      AddBeam(size, node(level - 1, column), node(level, column), 1);
  AddHinge(size, 1);
  const int firstGirder = size.beams + 1;
  for (int level = 1; level <= spec.storeys; ++level)
    for (int column = 0; column < spec.bays; ++column)
      AddBeam(size, node(level, column), node(level, column + 1), 2);
  AddGirderLoads(spec, size, firstGirder, size.beams);
  for (int level = 1; level <= spec.storeys; ++level) { // wind on the facade
    NodeLoadRecord &wind = Use(NodeLoads, level);
    wind.from = wind.to = node(level, 0);
    wind.px = 15.0;
  }
  for (InputContainer *table : AllInputTables())
    table->Refresh();
  return size;
}

FrameSpec FrameSpecFromArguments(int argc, char **argv) {
  FrameSpec spec;
  if (argc > 1)
    spec.storeys = std::max(1, static_cast<int>(AtolC(argv[1])));
  if (argc > 2)
    spec.bays = std::max(1, static_cast<int>(AtolC(argv[2])));
  return spec;
}
