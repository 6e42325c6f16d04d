#pragma once
// What an input table needs of the grid bound to it.  The Qt data grid
// implements it; tests use a fake.  Rows and columns passed to DrawRow and
// DrawCell are data coordinates (0-based row of the table, data column);
// RowCount, FixedRows, Row, Col and Fill use grid coordinates (data row r is
// grid row r + FixedRows, data column c is grid column c + 1).
class InputContainer;

class InputGrid {
public:
  virtual int RowCount() const = 0;
  virtual void SetRowCount(int rows) = 0;
  virtual int FixedRows() const = 0;
  // The current cell.
  virtual int Row() const = 0;
  virtual int Col() const = 0;
  // Commits a pending edit and reloads the edit buffer of the cell.
  virtual void Fill(int row, int col) = 0;
  virtual void DrawRow(int row) = 0;
  virtual void DrawCell(int row, int col) = 0;
  // Repaints the whole grid.
  virtual void Invalidate() = 0;
  // Binds the grid to a table (null unbinds): unbinds the previous table
  // with SetGrid(null), sets the row count and calls SetGrid(this).
  virtual void SetContainer(InputContainer *table) = 0;

protected:
  ~InputGrid() = default;
};
