#pragma once
// A table of numbered rows of one record type, bound to at most one grid.
// A row is free (state 0) or in use (state nonzero: 255 read from a file,
// 1 set by a grid edit or the keyed import); free rows may lie between rows
// in use.  Rows are numbered from 0 here and from 1 in files, grids and
// messages.  The virtual operations are the contract between the tables,
// the grids, the graph windows and the main window.
#include "model/ContainerTyp.h"

#include <cstdint>
#include <cstdio>

class InputGrid;

// Every record of every table begins with this header.
struct RowHeader {
  std::int32_t state; // 0 free, nonzero in use
  std::int32_t index; // in the record at position k: the row of the k-th row in use
};

// Most rows a table holds.  Row numbers come from files and grids; a larger
// one raises an Exception instead of an allocation that could overflow.
constexpr int kMaxRows = 1000000;

// Rows a bound grid offers at least.
constexpr int kMinGridRows = 40;

class InputContainer : public ContainerTyp {
public:
  explicit InputContainer(int recordSize);
  // Drops every row and unbinds the grid.
  ~InputContainer() override;

  const char *TypeName() const override;
  // 1 when 0 <= row < count and the row is in use, else 0.
  virtual int IsValid(int row, int column);
  virtual int IsRowValid(int row);
  // Defaults of a row that comes into use through SetRowState.
  virtual void InitRow(int row);
  // Reports a change of the table upward.
  virtual void Changed();
  // Address of the value in a data column (of the field's own type, 32-bit
  // integer or double), null for a column without value or a negative row.
  virtual void *GetField(int row, int column) = 0;
  // Copies a value of the column's type into the field.
  virtual void SetField(int row, int column, const void *value) = 0;
  // Writes the table's section of a system or load file: keyword, count of
  // rows in use, one record line per row in use, an empty line.  A failed
  // write raises FileWriteError.
  virtual void SaveToFile(std::FILE *file);
  // Empties the table and reads its section, found anywhere in the file;
  // false when the file has none.  Record lines end at the first line that
  // does not begin with an integer; rows numbered outside 1 .. kMaxRows are
  // passed over.  A count that disagrees with the record lines, or a field
  // that is no number, raises FileFormatError; the table then holds what was
  // read so far (the file commands read into fresh tables).
  virtual bool LoadFromFile(std::FILE *file);
  // Keyword of the table's file section.
  virtual const char *SectionName() const;
  virtual const char *GetListStrings(int column, int index);
  virtual int GetListStringsCount(int column);
  virtual int isOnlyRead(int row, int column);
  virtual void RowSelected(int row);
  // Copies the data fields and the state of row from onto row to (the table
  // grows as needed); 1 when done, 0 for a negative or equal row or a free
  // source row.  References to either row stay as they are.
  virtual int CopyRow(int from, int to);
  // Write one record's fields, parse one record line into a row.
  virtual void WriteItem(std::FILE *file, int row);
  virtual void ReadItem(const char *line, int row);

  // Appends free rows until the table holds n rows; a bound grid that shows
  // fewer rows then shows them all.  n above kMaxRows raises an Exception.
  void GrowTo(int n);
  // Drops every row; the bound grid is repainted.
  void ClearRows();
  // Record of row i (i >= 0); a row beyond the end extends the table with
  // free rows.  A negative row or one at or above kMaxRows raises.
  void *GetRow(int i);
  // Record of the n-th row in use (0 <= n < ActiveCount(), else raises).
  void *ActiveRow(int n);
  // Number of rows in use (cached).
  int ActiveCount();
  // 1-based number of the last row in use, 0 when none.
  int LastUsedRow();
  // 0-based row of a record of this table, -1 for any other address.
  int IndexOfRecord(const void *record);
  // Sets the row's state.  A row that comes into use or is freed is
  // emptied first (every field but the header zero); one coming into use
  // then gets the table's defaults (InitRow).  With a bound grid a change
  // is redrawn and reported, and a freed row released.
  void SetRowState(int row, int column, int state);
  void SetCellValue(int row, int column, const void *value);
  void DrawCell(int row, int column);
  void SetGrid(InputGrid *grid);
  InputGrid *Grid() const { return grid; }
  // A free row at row, the rows from it on move one number up, and so do
  // the references of other tables to them (RowReferences.h).  A row
  // outside the table changes nothing.
  void InsertLine(int row);
  // Drops row, the rows after it move one number down; references to them
  // follow, references to row alone become 0.  A row outside the table
  // changes nothing.
  void DeleteLine(int row);
  // CopyRow(from, to), then, when the copy was done, frees row from and
  // turns the references to it alone into references to row to.
  void MoveLine(int from, int to);
  // Marks the active count stale and brings a bound grid up to date.
  void Refresh();
  // Shows values changed in place, the rows where they were: a bound grid
  // stores or keeps its pending edit (a refused text stays for
  // correction), reloads its current cell and repaints.
  void Redraw();
  // Exchanges all rows with other, a table of the same record size, and
  // refreshes both.  Cannot fail: the file commands put a table read in full
  // in place of the live one with it.
  void SwapRows(InputContainer &other);
  // Header of row i, as GetRow.  Code that writes a state directly (the
  // file readers) runs Refresh afterwards.
  RowHeader &Header(int i) { return *static_cast<RowHeader *>(GetRow(i)); }

private:
  // Zeros the fields of row behind its header.
  void ClearRecord(int row);

  int activeCount = -1;
  InputGrid *grid = nullptr;
};
