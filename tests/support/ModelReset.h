#pragma once
// Empties the eleven global input tables, so that each window test starts
// and ends on an empty model.
#include "model/TableLists.h"

inline void ClearModelTables() {
  for (InputContainer *table : AllInputTables())
    table->ClearRows();
}
