#pragma once
// The draw grid the data grid is built on: a grid of cells of one height and
// per-column widths on a scroll area, with fixed rows at the top and fixed
// columns at the left that never scroll, a current cell, a vertical scroll
// bar and the keys Up, Down, Page Up and Page Down.  It paints nothing of
// its own but the grid lines: each visible cell is asked to paint itself
// (DrawGridCell) while paintEvent runs, through Canvas().  Everything else
// that wants a cell drawn asks for it with update().
#include <QAbstractScrollArea>
#include <QRect>
#include <vector>

class QPainter;

class TDrawGrid : public QAbstractScrollArea {
  Q_OBJECT

public:
  explicit TDrawGrid(QWidget *parent = nullptr);

  // Columns and rows; fewer than one is raised to one.  A row or column
  // count, or fixed rows or columns, that leave the current cell outside
  // the data cells move it to the nearest one without a selection event.
  int ColCount() const { return static_cast<int>(colWidths.size()); }
  void SetColCount(int count);
  int RowCount() const { return rowCount; }
  void SetRowCount(int count);
  // Fixed rows and columns, kept below the counts.
  int FixedRows() const { return fixedRows; }
  void SetFixedRows(int count);
  int FixedCols() const { return fixedCols; }
  void SetFixedCols(int count);
  // Width of a column in pixels (0 outside the columns; writes there are
  // ignored, negative widths count as 0).
  int ColWidths(int column) const;
  void SetColWidths(int column, int width);
  int DefaultRowHeight() const { return rowHeight; }
  void SetDefaultRowHeight(int height);
  // Width of the line between two cells.
  int GridLineWidth() const { return 1; }
  // Width of the area the cells are painted on.
  int ClientWidth() const;

  // The current cell, always a data cell (never in a fixed row or column).
  // Setting either one raises SelectCell when it changes and scrolls the
  // cell into view; values outside the data cells are clamped.
  int Row() const { return row; }
  int Col() const { return col; }
  void SetRow(int value);
  void SetCol(int value);
  // Both at once: one cell-selection event.
  void SetCell(int column, int row);
  // First data row shown below the fixed rows.
  int TopRow() const { return topRow; }

  // Rectangle of a cell in viewport coordinates without its grid line;
  // empty for a cell out of view or outside the grid.
  QRect CellRect(int column, int row) const;
  // The cell under a viewport point; -1/-1 outside the cells.
  void MouseToCell(int x, int y, int &column, int &row) const;

  // The painter of the running paintEvent; null outside it.
  QPainter *Canvas() const { return canvas; }

protected:
  // Asked before (column, row) becomes the current cell; false keeps the
  // current cell where it is, without a selection event.
  virtual bool CanSelectCell(int column, int row);
  // The cell-selection event: (column, row) has become the current cell.
  virtual void SelectCell(int column, int row);
  // Paints one visible cell on Canvas(); rect as CellRect.
  virtual void DrawGridCell(int column, int row, const QRect &rect) = 0;

  void paintEvent(QPaintEvent *event) override;
  void resizeEvent(QResizeEvent *event) override;
  void scrollContentsBy(int dx, int dy) override;
  // Up, Down, Page Up and Page Down move the current row; other keys are
  // ignored (passed to the parent).
  void keyPressEvent(QKeyEvent *event) override;
  // A left click on a data cell makes it current; it raises SelectCell
  // also when the cell was current already.
  void mousePressEvent(QMouseEvent *event) override;

  // Data rows that fit below the fixed rows.
  int VisibleDataRows() const;

private:
  void MoveTo(int newCol, int newRow, bool always = false);
  // Keeps the current cell among the data cells; raises no event.
  void ClampCurrent();
  void ScrollIntoView();
  void UpdateScrollRange();
  int RowPitch() const { return rowHeight + GridLineWidth(); }
  int ColumnLeft(int column) const;

  std::vector<int> colWidths;
  int rowCount = 5;
  int fixedRows = 1;
  int fixedCols = 1;
  int rowHeight = 24;
  int row = 1;
  int col = 1;
  int topRow = 1;
  QPainter *canvas = nullptr;
};
