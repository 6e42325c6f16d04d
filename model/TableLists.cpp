#include "model/TableLists.h"

#include "model/LoadLists.h"
#include "model/SystemTables.h"

namespace {

InputContainer *const kAllTables[] = {&Nodes,
                                      &Beams,
                                      &Materials,
                                      &Hinges,
                                      &NodeLoads,
                                      &BeamLoads,
                                      &PointLoads,
                                      &ImposedDisplacements,
                                      &TemperatureLoads,
                                      &Imperfections,
                                      &HingeLoads};
constexpr std::size_t kSystemCount = 4;

} // namespace

TableList SystemTableList() {
  return TableList(kAllTables).first(kSystemCount);
}

TableList LoadTableList() {
  return TableList(kAllTables).subspan(kSystemCount);
}

TableList AllInputTables() {
  return kAllTables;
}
