#pragma once
// The rows a load row names: node and beam numbers of a range from .. to,
// visited in ascending order, only those whose rows are in use (beams also
// valid).  The range is cut to the table first, so a typed range up to 2e9
// costs no more than the table.
#include "model/GeometryQueries.h"
#include "model/LoadQueries.h"
#include "model/SystemTables.h"

// visit(node row, node) for the nodes from .. to in use.
template <class Visit> void ForNodesInRange(int from, int to, Visit visit) {
  const NumberRange range = ClampToTable(from, to, Nodes);
  for (int k = range.first; k <= range.last; ++k)
    if (Nodes.IsRowValid(k - 1))
      visit(k - 1, Nodes.At(k - 1));
}

// visit(beam row, beam) for the valid beams from .. to in use.
template <class Visit> void ForBeamsInRange(int from, int to, Visit visit) {
  const NumberRange range = ClampToTable(from, to, Beams);
  for (int k = range.first; k <= range.last; ++k)
    if (Beams.IsRowValid(k - 1) && BeamIsValid(Beams.At(k - 1)))
      visit(k - 1, Beams.At(k - 1));
}
