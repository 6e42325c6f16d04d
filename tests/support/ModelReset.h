#pragma once
// Empties the eleven global input tables, so that each window test starts
// and ends on an empty model.
#include "model/LoadLists.h"
#include "model/SystemTables.h"

#include <initializer_list>

inline void ClearModelTables() {
  for (InputContainer *table : std::initializer_list<InputContainer *>{
           &Nodes, &Beams, &Materials, &Hinges, &NodeLoads, &BeamLoads, &PointLoads,
           &ImposedDisplacements, &TemperatureLoads, &Imperfections, &HingeLoads})
    table->ClearRows();
}
