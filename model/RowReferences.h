#pragma once
// Row numbers are the identities by which one input table names the rows of
// another: a beam its two nodes and its cross-section type, a hinge its
// beam, node loads and imposed displacements a range of nodes, beam loads,
// temperature loads and pre-deformations a range of beams, a point load its
// beam and a hinge load its hinge.  When a row command renumbers the rows
// of a table, every reference to them in the rows in use of the tables that
// point at it follows, so the grids, the files, the checks and the analysis
// all see the structure the user built.  A table whose references changed
// is redrawn in place (its rows stay, and so does a text its grid refused)
// and reports the change as an edit of its own would.  Reading a file and the keyed import renumber
// nothing.
#include "model/InputContainer.h"

#include <cstdint>

// A referenced range of 1-based row numbers, first .. last; a single
// reference is the range of one number.
struct NumberRange {
  std::int32_t first;
  std::int32_t last;
  bool operator==(const NumberRange &) const = default;
};

// One row command on a table, in 1-based numbers.
struct RowChange {
  enum Kind {
    Inserted, // a free row came in at number; the rows from it on moved one up
    Deleted,  // the row number went; the rows after it moved one down
    Moved,    // the row number was moved onto the row to and freed
  };
  Kind kind;
  int number;
  int to = 0;
};

// What a reference names after the change (a spreadsheet's rule):
// - Inserted: each end at or above the number goes up by one, so a range
//   across it widens.
// - Deleted: each end above the number goes down by one and a last end on
//   it too, so a range holding it shrinks; a reference to that row alone
//   becomes 0 .. 0, a number no row has, which the checks name.
// - Moved: a reference to that row alone names row to; a range of more
//   rows keeps its ends (it now holds a free row, which the checks name)
//   rather than stretch over rows it never held.
// Numbers outside 1 .. kMaxRows name no row and stay as they are.
NumberRange Renumbered(NumberRange range, const RowChange &change);

// Makes every reference to the rows of target follow the change.
void FollowRowChange(InputContainer &target, const RowChange &change);
