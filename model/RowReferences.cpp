#include "model/RowReferences.h"

#include "model/LoadLists.h"
#include "model/SystemTables.h"

#include <algorithm>
#include <vector>

namespace {

// Where a table names the rows of another: the data column of the number,
// and for a range the column after it holds the last number.
struct Reference {
  InputContainer *table;
  int column;
  bool range;
  InputContainer *target;
};

constexpr Reference kReferences[] = {
    {&Beams, 0, false, &Nodes},           {&Beams, 1, false, &Nodes},
    {&Beams, 2, false, &Materials},       {&Hinges, 0, false, &Beams},
    {&NodeLoads, 0, true, &Nodes},        {&ImposedDisplacements, 0, true, &Nodes},
    {&BeamLoads, 0, true, &Beams},        {&PointLoads, 0, false, &Beams},
    {&TemperatureLoads, 0, true, &Beams}, {&Imperfections, 0, true, &Beams},
    {&HingeLoads, 0, false, &Hinges},
};

bool NamesARow(std::int32_t number) {
  return number >= 1 && number <= kMaxRows;
}

// An end that names a row from number from on moves by step.
std::int32_t Shifted(std::int32_t end, int from, int step) {
  return NamesARow(end) && end >= from ? end + step : end;
}

// Follows one reference of row; true when it changed.
bool Follow(const Reference &reference, int row, const RowChange &change) {
  auto *first = static_cast<std::int32_t *>(reference.table->GetField(row, reference.column));
  auto *last =
      reference.range
          ? static_cast<std::int32_t *>(reference.table->GetField(row, reference.column + 1))
          : first;
  const NumberRange after = Renumbered({*first, *last}, change);
  if (after == NumberRange{*first, *last})
    return false;
  *first = after.first;
  *last = after.last;
  return true;
}

} // namespace

NumberRange Renumbered(NumberRange range, const RowChange &change) {
  const bool alone = range.first == change.number && range.last == change.number;
  switch (change.kind) {
  case RowChange::Inserted:
    return {Shifted(range.first, change.number, 1), Shifted(range.last, change.number, 1)};
  case RowChange::Deleted:
    if (alone)
      return {0, 0};
    return {Shifted(range.first, change.number + 1, -1), Shifted(range.last, change.number, -1)};
  case RowChange::Moved:
    return alone ? NumberRange{change.to, change.to} : range;
  }
  return range;
}

void FollowRowChange(InputContainer &target, const RowChange &change) {
  std::vector<InputContainer *> changed;
  for (const Reference &reference : kReferences) {
    if (reference.target != &target)
      continue;
    InputContainer &table = *reference.table;
    bool any = false;
    for (int row = 0; row < table.Count(); ++row)
      if (table.IsRowValid(row) != 0)
        any = Follow(reference, row, change) || any;
    if (any && std::find(changed.begin(), changed.end(), &table) == changed.end())
      changed.push_back(&table);
  }
  for (InputContainer *table : changed) {
    table->Redraw();
    table->Changed();
  }
}
