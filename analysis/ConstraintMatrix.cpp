#include "analysis/ConstraintMatrix.h"

#include "analysis/Constraint.h"
#include "analysis/FGTab.h"
#include "analysis/Solutions.h"

#include <algorithm>
#include <cmath>

namespace {

bool Negligible(double v) {
  return std::fabs(v) < ConstraintMatrix::kTolerance;
}

// Sorts by column; of several entries for one column the last one stays.
void KeepLastPerColumn(std::vector<ConstraintMatrix::Entry> &entries) {
  std::stable_sort(entries.begin(), entries.end(),
                   [](const auto &a, const auto &b) { return a.column < b.column; });
  std::vector<ConstraintMatrix::Entry> kept;
  for (std::size_t i = 0; i < entries.size(); ++i)
    if (i + 1 == entries.size() || entries[i + 1].column != entries[i].column)
      kept.push_back(entries[i]);
  std::erase_if(kept, [](const auto &e) { return e.value == 0.0; });
  entries.swap(kept);
}

} // namespace

void ConstraintMatrix::AddRow(std::vector<Entry> entries, double constant) {
  KeepLastPerColumn(entries);
  const auto r = static_cast<std::int32_t>(rows.size());
  rows.push_back(Row{std::move(entries), constant, r});
  rowAtKey.push_back(-1);
  if (LeadingColumn(r) < n)
    Activate(r);
  else if (std::fabs(constant) > kTolerance)
    contradictingRow = true;
}

std::int32_t ConstraintMatrix::LeadingColumn(std::int32_t r) const {
  for (const Entry &e : rows[r].entries)
    if (!Negligible(e.value))
      return e.column;
  return n;
}

double ConstraintMatrix::ValueAt(const Row &row, std::int32_t column) const {
  auto it = std::lower_bound(row.entries.begin(), row.entries.end(), column,
                             [](const Entry &e, std::int32_t c) { return e.column < c; });
  return it != row.entries.end() && it->column == column ? it->value : 0.0;
}

ConstraintMatrix::Candidate ConstraintMatrix::CandidateOf(std::int32_t r) const {
  const std::int32_t c = LeadingColumn(r);
  const double magnitude = c < n ? std::fabs(ValueAt(rows[r], c)) : 0.0;
  return {c, -magnitude, rows[r].key, r};
}

void ConstraintMatrix::Activate(std::int32_t r) {
  candidates.insert(CandidateOf(r));
  rowAtKey[rows[r].key] = r;
}

void ConstraintMatrix::Deactivate(std::int32_t r) {
  candidates.erase(CandidateOf(r));
  rowAtKey[rows[r].key] = -1;
}

std::int32_t ConstraintMatrix::FirstInOrder() {
  while (rowAtKey[firstKey] < 0)
    ++firstKey;
  return rowAtKey[firstKey];
}

std::int32_t ConstraintMatrix::PivotRow() const {
  return std::get<3>(*candidates.begin());
}

std::int32_t ConstraintMatrix::TakePivot(std::int32_t p) {
  const std::int32_t head = FirstInOrder();
  const std::int32_t pivotKey = rows[p].key;
  const std::int32_t c = LeadingColumn(p);
  Deactivate(p);
  if (head != p) {
    // The swap of rows k and p: the row at k moves to p's place.
    Deactivate(head);
    rows[head].key = pivotKey;
    Activate(head);
  }
  echelon.push_back(p);
  return c;
}

std::vector<std::int32_t> ConstraintMatrix::RowsLeadingAt(std::int32_t c) const {
  std::vector<std::int32_t> found;
  for (auto it = candidates.lower_bound(Candidate{c, -HUGE_VAL, 0, 0});
       it != candidates.end() && std::get<0>(*it) == c; ++it)
    found.push_back(std::get<3>(*it));
  return found;
}

int ConstraintMatrix::ReduceRow(std::int32_t r, std::int32_t p, std::int32_t c) {
  Row &row = rows[r];
  const Row &pivot = rows[p];
  const double head = ValueAt(row, c);
  if (!(std::fabs(head) > kTolerance))
    return 1;
  Deactivate(r);
  const double f = head / ValueAt(pivot, c);
  // row(j) -= f x pivot(j) for every column j >= c in either row; results
  // below the tolerance become zero.  Columns before c stay as they are.
  std::vector<Entry> reduced;
  auto a = row.entries.begin();
  while (a != row.entries.end() && a->column < c)
    reduced.push_back(*a++);
  auto b = std::lower_bound(pivot.entries.begin(), pivot.entries.end(), c,
                            [](const Entry &e, std::int32_t col) { return e.column < col; });
  while (a != row.entries.end() || b != pivot.entries.end()) {
    std::int32_t j;
    double rv = 0.0, pv = 0.0;
    if (b == pivot.entries.end() || (a != row.entries.end() && a->column < b->column)) {
      j = a->column;
      rv = (a++)->value;
    } else if (a == row.entries.end() || b->column < a->column) {
      j = b->column;
      pv = (b++)->value;
    } else {
      j = a->column;
      rv = (a++)->value;
      pv = (b++)->value;
    }
    const double v = rv - f * pv;
    if (!Negligible(v))
      reduced.push_back(Entry{j, v});
  }
  row.entries.swap(reduced);
  row.constant -= f * pivot.constant;
  if (Negligible(row.constant))
    row.constant = 0.0;
  if (LeadingColumn(r) < n) {
    Activate(r);
    return 1;
  }
  // No coefficient left: redundant, or contradictory when a constant is.
  return std::fabs(row.constant) > kTolerance ? 2 : 1;
}

void ConstraintMatrix::Finish() {
  while (!candidates.empty()) {
    const std::int32_t r = FirstInOrder();
    Deactivate(r);
    echelon.push_back(r);
  }
}

void ConstraintMatrix::WriteDependencies() const {
  for (std::int32_t t : echelon) {
    const Row &row = rows[t];
    const std::int32_t c = LeadingColumn(t);
    const double lead = ValueAt(row, c);
    BCClass &dof = FGTab.Dof(c);
    dof.dependent = 1;
    for (const Entry &e : row.entries)
      if (e.column > c && std::fabs(e.value) > kTolerance)
        dof.AddTerm(e.value / lead, e.column);
    dof.constant = row.constant / lead;
  }
}

int EliminateConstraints(ConstraintMatrix &M) {
  if (M.HasContradictingRow())
    return 2;
  while (M.ActiveRows() > 1) {
    const std::int32_t p = M.PivotRow();
    const std::int32_t c = M.TakePivot(p);
    for (std::int32_t r : M.RowsLeadingAt(c))
      if (M.ReduceRow(r, p, c) == 2)
        return 2;
  }
  M.Finish();
  M.WriteDependencies();
  return 1;
}

int SolveConstraintMatrix(const BCContainer &constraints, const NodeContainer &nodes) {
  ConstraintMatrix M(FGTab.Count());
  for (int i = 0; i < constraints.Count(); ++i) {
    const OneBCContainer &constraint = constraints.At(i);
    std::vector<ConstraintMatrix::Entry> entries;
    for (int t = 0; t < constraint.Count(); ++t) {
      const ConstraintTerm &term = constraint.Term(t);
      entries.push_back({nodes.At(term.nodeEntry).firstDof + term.component, term.coefficient});
    }
    M.AddRow(std::move(entries), constraint.constant);
  }
  return EliminateConstraints(M);
}
