#pragma once
// Visits the rows in use of an input table in row order.
#include "model/InputTable.h"

// Calls visit(row index, record) for every row in use.
template <class Record, class Visit> void ForRowsInUse(InputTable<Record> &table, Visit visit) {
  for (int i = 0; i < table.Count(); ++i)
    if (table.IsRowValid(i))
      visit(i, table.At(i));
}
