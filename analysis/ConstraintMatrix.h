#pragma once
// The constraint matrix of the model, one row per constraint: the
// coefficients of the DOFs (columns 0 .. n - 1) and the constant (column n).
// Rows are stored sparsely (a constraint has a handful of coefficients), and
// the rows still to be eliminated are kept ordered by their leading column,
// so that the pivot row is found without scanning them all.
//
// The elimination gives the same rows, in the same order and with the same
// arithmetic, as Gauss elimination on the dense matrix: the pivot at step k is
// the row (from k on) with the smallest leading column, then the largest
// leading magnitude, then the first in row order; it is swapped with row k.
#include <cstdint>
#include <set>
#include <tuple>
#include <vector>

class BCContainer;
class NodeContainer;

class ConstraintMatrix {
public:
  // Magnitudes below this count as zero.
  static constexpr double kTolerance = 1e-10;

  struct Entry {
    std::int32_t column;
    double value;
  };

  explicit ConstraintMatrix(std::int32_t dofCount) : n(dofCount) {}

  // Appends a row.  Entries name columns below n; when a column occurs more
  // than once the last entry counts (coefficients are assigned, not added).
  // A row without coefficients is redundant and left out, or, when its
  // constant is not zero, a contradiction.
  void AddRow(std::vector<Entry> entries, double constant);
  bool HasContradictingRow() const { return contradictingRow; }

  // Number of rows still to be eliminated.
  std::int32_t ActiveRows() const { return static_cast<std::int32_t>(candidates.size()); }
  // The next pivot row among the rows still to be eliminated.
  std::int32_t PivotRow() const;
  // Makes row p the next row of the echelon form: the first row still to be
  // eliminated takes p's place in the row order.  Returns p's leading column.
  std::int32_t TakePivot(std::int32_t p);
  // The rows still to be eliminated whose leading column is c.
  std::vector<std::int32_t> RowsLeadingAt(std::int32_t c) const;
  // Eliminates column c of row r by pivot row p (when its coefficient there
  // is not negligible).  A row left without coefficients is dropped; returns
  // 2 when its constant is not zero (the constraints contradict), else 1.
  int ReduceRow(std::int32_t r, std::int32_t p, std::int32_t c);
  // Ends the elimination: the rows left join the echelon form in row order.
  void Finish();
  // Turns each echelon row into one dependent DOF of FGTab.
  void WriteDependencies() const;

  std::int32_t LeadingColumn(std::int32_t r) const;

private:
  struct Row {
    std::vector<Entry> entries; // ascending columns, no zero values
    double constant;
    std::int32_t key; // place in the row order
  };
  // (leading column, -leading magnitude, key, row): the first is the pivot.
  using Candidate = std::tuple<std::int32_t, double, std::int32_t, std::int32_t>;

  double ValueAt(const Row &row, std::int32_t column) const;
  Candidate CandidateOf(std::int32_t r) const;
  void Activate(std::int32_t r);
  void Deactivate(std::int32_t r);
  std::int32_t FirstInOrder();

  std::int32_t n;
  std::vector<Row> rows;
  std::set<Candidate> candidates;
  std::vector<std::int32_t> rowAtKey; // -1 for a key no active row holds
  std::int32_t firstKey = 0;
  std::vector<std::int32_t> echelon;
  bool contradictingRow = false;
};

// Fills the matrix from the constraints (node entries give the first DOF of
// each term) and eliminates it; returns 1, or 2 on a contradiction.
int SolveConstraintMatrix(const BCContainer &constraints, const NodeContainer &nodes);
// Brings M to echelon form and makes one DOF of FGTab dependent per row;
// returns 1, or 2 when the constraints contradict each other.
int EliminateConstraints(ConstraintMatrix &M);
