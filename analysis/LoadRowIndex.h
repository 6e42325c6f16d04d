#pragma once
// The rows of a load list whose beam range from .. to holds a beam, gathered
// per beam in one pass, so that an element finds its loads without scanning
// every row of the list.  The index of a list is rebuilt when the list's row
// counts change and after ReindexLoadRows, which every solve step calls.
#include "model/InputTable.h"
#include "model/LoadQueries.h"
#include "model/SystemTables.h"

#include <cstdint>
#include <vector>

// Marks every index stale.
void ReindexLoadRows();
// Counts the calls of ReindexLoadRows.
std::uint32_t LoadRowGeneration();

// Positions n (for Active(n)) of the rows in use of list whose range holds
// beam number beam, in row order.
template <class Record>
const std::vector<std::int32_t> &RowsOnBeam(InputTable<Record> &list, int beam) {
  struct Index {
    const void *list = nullptr;
    std::uint32_t generation = 0;
    int rowCount = -1;
    int activeCount = -1;
    std::vector<std::vector<std::int32_t>> rows; // by beam number - 1
  };
  static Index index;
  static const std::vector<std::int32_t> none;
  if (index.list != &list || index.generation != LoadRowGeneration() ||
      index.rowCount != list.Count() || index.activeCount != list.ActiveCount()) {
    index.list = &list;
    index.generation = LoadRowGeneration();
    index.rowCount = list.Count();
    index.activeCount = list.ActiveCount();
    index.rows.assign(Beams.Count(), {});
    for (int n = 0; n < index.activeCount; ++n) {
      const Record &row = list.Active(n);
      const NumberRange range = ClampToTable(row.from, row.to, Beams);
      for (int b = range.first; b <= range.last; ++b)
        index.rows[b - 1].push_back(n);
    }
  }
  if (beam < 1 || beam > static_cast<int>(index.rows.size()))
    return none;
  return index.rows[beam - 1];
}

// Calls visit(row) for every row in use of list whose range from .. to holds
// the beam, in row order.
template <class Record, class Visit>
void ForEachRowOnBeam(InputTable<Record> &list, int beam, Visit &&visit) {
  for (std::int32_t n : RowsOnBeam(list, beam))
    visit(list.Active(n));
}
