#pragma once
// Sets up the eleven global input tables for a test: empties them and puts
// rows in use the way the file reader does (state 255, no defaults).
#include "model/LoadLists.h"
#include "model/SystemTables.h"
#include "model/TableLists.h"

inline void ClearModelTables() {
  for (InputContainer *table : AllInputTables())
    table->ClearRows();
}

// Puts row number (1-based) of list in use.
template <class Record> Record &Use(InputTable<Record> &list, int number) {
  Record &record = list.At(number - 1);
  record.state = 255;
  list.Refresh();
  return record;
}

inline NodeRecord &AddNode(int number, double x, double z) {
  NodeRecord &node = Use(Nodes, number);
  node.x = x;
  node.z = z;
  return node;
}

inline BeamRecord &AddBeam(int number, int node1, int node2, int material = 1) {
  BeamRecord &beam = Use(Beams, number);
  beam.node1 = node1;
  beam.node2 = node2;
  beam.material = material;
  return beam;
}
