#include "model/InputContainer.h"

#include "model/InputGrid.h"
#include "model/Message.h"
#include "model/RowReferences.h"

#include <algorithm>
#include <cstring>
#include <utility>

InputContainer::InputContainer(int recordSize) : ContainerTyp(recordSize, 50) {}

InputContainer::~InputContainer() {
  ClearRows();
  if (grid != nullptr) {
    InputGrid *bound = grid;
    grid = nullptr;
    bound->SetContainer(nullptr);
  }
}

const char *InputContainer::TypeName() const {
  return "InputContainer";
}

int InputContainer::IsValid(int row, int) {
  return row >= 0 && row < count && Header(row).state > 0 ? 1 : 0;
}

int InputContainer::IsRowValid(int row) {
  return IsValid(row, 0) == 1 ? 1 : 0;
}

void InputContainer::InitRow(int) {}

void InputContainer::Changed() {}

const char *InputContainer::SectionName() const {
  return "Void";
}

const char *InputContainer::GetListStrings(int, int) {
  return nullptr;
}

int InputContainer::GetListStringsCount(int) {
  return 0;
}

int InputContainer::isOnlyRead(int, int) {
  return 0;
}

void InputContainer::RowSelected(int) {}

int InputContainer::CopyRow(int from, int to) {
  if (from < 0 || to < 0 || from == to || IsRowValid(from) == 0)
    return 0;
  char *target = static_cast<char *>(GetRow(to)); // may move the block: first
  const char *source = static_cast<const char *>(GetRow(from));
  const std::int32_t keptIndex = Header(to).index;
  std::memcpy(target, source, recordSize);
  Header(to).index = keptIndex;
  activeCount = -1;
  if (grid != nullptr)
    grid->DrawRow(to);
  return 1;
}

void InputContainer::WriteItem(std::FILE *, int) {}

void InputContainer::ReadItem(const char *, int) {}

void InputContainer::GrowTo(int n) {
  if (n > kMaxRows)
    Error("Zeile %d liegt über der größten Zeilennummer %d", n, kMaxRows);
  while (count < n)
    Put(nullptr, -1);
  if (grid != nullptr && grid->RowCount() - grid->FixedRows() < count)
    grid->SetRowCount(count + grid->FixedRows());
}

void InputContainer::ClearRows() {
  Clear();
  activeCount = -1;
  if (grid != nullptr)
    grid->Invalidate();
}

void *InputContainer::GetRow(int i) {
  if (i < 0)
    Error("Zeile %d gibt es nicht", i + 1);
  if (i >= count)
    GrowTo(i + 1);
  return Item(i);
}

void *InputContainer::ActiveRow(int n) {
  if (n < 0 || n >= ActiveCount())
    Error("Es gibt keine %d. belegte Zeile", n + 1);
  return GetRow(Header(n).index);
}

int InputContainer::ActiveCount() {
  if (activeCount >= 0)
    return activeCount;
  int k = 0;
  for (int i = 0; i < count; ++i) {
    if (IsRowValid(i)) {
      Header(k).index = i;
      k += 1;
    }
  }
  activeCount = k;
  return k;
}

int InputContainer::LastUsedRow() {
  for (int i = count - 1; i >= 0; --i)
    if (IsRowValid(i))
      return i + 1;
  return 0;
}

int InputContainer::IndexOfRecord(const void *record) {
  const char *first = static_cast<const char *>(GetRow(0));
  const std::ptrdiff_t offset = static_cast<const char *>(record) - first;
  if (offset < 0 || offset >= static_cast<std::ptrdiff_t>(count) * recordSize)
    return -1;
  return static_cast<int>(offset / recordSize);
}

// A row that changes between free and in use is emptied, so that nothing of
// a freed row comes back: a row coming into use starts from zeros and the
// table's defaults.
void InputContainer::SetRowState(int row, int column, int state) {
  if (row < 0)
    return;
  const int was = IsValid(row, column);
  const bool changed = state != was;
  if ((was == 0) != (state == 0))
    ClearRecord(row);
  Header(row).state = state;
  activeCount = -1;
  if (changed && state != 0)
    InitRow(row);
  if (grid == nullptr)
    return;
  if (changed) {
    grid->DrawRow(row);
    activeCount = -1;
    Changed();
  }
  if (state == 0)
    ReleaseRow(row);
}

void InputContainer::ClearRecord(int row) {
  char *record = static_cast<char *>(GetRow(row));
  std::memset(record + sizeof(RowHeader), 0, recordSize - sizeof(RowHeader));
}

void InputContainer::SetCellValue(int row, int column, const void *value) {
  if (row < 0)
    return;
  activeCount = -1;
  SetField(row, column, value);
  DrawCell(row, column);
  activeCount = -1;
  Changed();
}

void InputContainer::DrawCell(int row, int column) {
  if (grid != nullptr && row >= 0)
    grid->DrawCell(row, column);
}

void InputContainer::SetGrid(InputGrid *newGrid) {
  grid = newGrid;
  Refresh();
}

void InputContainer::InsertLine(int row) {
  if (row < 0 || row >= count)
    return;
  Insert(row, nullptr);
  InitRecord(row);
  FollowRowChange(*this, {RowChange::Inserted, row + 1});
  Refresh();
}

void InputContainer::DeleteLine(int row) {
  if (row < 0 || row >= count)
    return;
  Delete(row, 1);
  FollowRowChange(*this, {RowChange::Deleted, row + 1});
  Refresh();
}

void InputContainer::MoveLine(int from, int to) {
  if (from < 0 || to < 0 || from == to)
    return;
  if (CopyRow(from, to) == 0)
    return;
  SetRowState(from, 0, 0);
  FollowRowChange(*this, {RowChange::Moved, from + 1, to + 1});
}

void InputContainer::Refresh() {
  activeCount = -1;
  if (grid == nullptr)
    return;
  grid->SetRowCount(std::max(LastUsedRow(), kMinGridRows) + grid->FixedRows());
  Redraw();
}

void InputContainer::Redraw() {
  if (grid == nullptr)
    return;
  if (grid->Row() > 0 && grid->Col() > 0)
    grid->Fill(grid->Row(), grid->Col());
  grid->Invalidate();
}

void InputContainer::SwapRows(InputContainer &other) {
  if (other.recordSize != recordSize)
    Error("%s: Zeilen verschiedener Tabellen", TypeName());
  std::swap(data, other.data);
  std::swap(allocated, other.allocated);
  std::swap(count, other.count);
  Refresh();
  other.Refresh();
}
