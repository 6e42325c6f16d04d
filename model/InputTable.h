#pragma once
// An input table of one record type whose data columns are fields of the
// record: typed access to its rows and column access by field offset.
#include "model/InputContainer.h"
#include "model/RecordFields.h"

#include <cstddef>
#include <cstring>
#include <span>
#include <type_traits>

template <class Record> class InputTable : public InputContainer {
  static_assert(std::is_standard_layout_v<Record> && std::is_trivially_copyable_v<Record>);
  static_assert(offsetof(Record, state) == offsetof(RowHeader, state) &&
                    offsetof(Record, index) == offsetof(RowHeader, index),
                "a record begins with the row header");

public:
  // The columns are also the fields of a record line, in the same order;
  // integerWidth is the width of its integers (0: as wide as they are).
  InputTable(const char *section, std::span<const FieldColumn> columns, int integerWidth = 0)
      : InputContainer(sizeof(Record)), section(section), columns(columns),
        integerWidth(integerWidth) {}

  // Row i as GetRow: a row beyond the end extends the table.
  Record &At(int i) { return *static_cast<Record *>(GetRow(i)); }
  // The n-th row in use.
  Record &Active(int n) { return *static_cast<Record *>(ActiveRow(n)); }
  // Row i when the table holds it, else null; never extends the table.
  Record *Find(int i) { return i >= 0 && i < count ? &At(i) : nullptr; }

  const char *SectionName() const override { return section; }

  void *GetField(int row, int column) override { return FieldAddress(row, column); }

  // Stores only into the record's own columns, whatever GetField computes.
  void SetField(int row, int column, const void *value) override {
    if (value == nullptr)
      return;
    if (void *field = FieldAddress(row, column))
      std::memmove(field, value, columns[column].size); // value may be the field itself
  }

  void WriteItem(std::FILE *file, int row) override {
    WriteFields(file, &At(row), columns, integerWidth);
  }
  void ReadItem(const char *line, int row) override { ReadFields(line, &At(row), columns); }

private:
  void *FieldAddress(int row, int column) {
    if (row < 0 || column < 0 || column >= static_cast<int>(columns.size()))
      return nullptr;
    return reinterpret_cast<char *>(&At(row)) + columns[column].offset;
  }

  const char *section;
  std::span<const FieldColumn> columns;
  int integerWidth;
};
