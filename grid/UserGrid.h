#pragma once
// The data grid in which every input table is edited.  Its rows are the
// rows of one bound table; each data column is served by a column cell that
// converts between stored values and text; the fixed rows carry header
// cells and fixed column 0 shows the 1-based row numbers.  Editing happens
// in one edit buffer (EText, ERow, ECol, Caret): the text of a cell is
// loaded when the cell is selected, changed by typing and stored back when
// the cell is left, the focus goes, or before any command that changes the
// table's rows.  Block selection, clipboard, block arithmetic and row
// commands: GridBlock.cpp; keys, mouse, focus and messages: GridEvents.cpp.
// Rows and columns are grid coordinates unless named data rows.
#include "model/InputGrid.h"
#include "platform/DrawGrid.h"

#include <QColor>
#include <cstdint>
#include <functional>
#include <string>

class QMenu;
class TUserCell;
class TUserHeader;

class TUserGrid : public TDrawGrid, public InputGrid {
  Q_OBJECT
  Q_PROPERTY(int FirstColumnWidth READ GetColumnWidth WRITE SetColumnWidth)

public:
  // Columns from this on and header rows from kMaxHeaderRows on are ignored.
  static constexpr int kMaxColumns = 20;
  static constexpr int kMaxHeaderRows = 5;

  explicit TUserGrid(QWidget *parent = nullptr);
  // Unbinds the table and the column cells.
  ~TUserGrid() override;

  // What the bound table asks of the grid.  Fill commits a pending edit and
  // loads the cell, except right after the table changed its rows (the
  // table's refresh): then the pending edit belongs to a record that may
  // now lie elsewhere, and the cell is only reloaded.  A refused edit is
  // neither stored nor reloaded: it stays open.
  int RowCount() const override { return TDrawGrid::RowCount(); }
  void SetRowCount(int rows) override;
  int FixedRows() const override { return TDrawGrid::FixedRows(); }
  int Row() const override { return TDrawGrid::Row(); }
  int Col() const override { return TDrawGrid::Col(); }
  void Fill(int row, int column) override;
  void DrawRow(int dataRow) override;
  void DrawCell(int dataRow, int dataColumn) override;
  void Invalidate() override;
  void SetContainer(InputContainer *table) override;
  InputContainer *Container() const { return container; }

  int GetColumnWidth() const { return ColWidths(0); }
  void SetColumnWidth(int width) { SetColWidths(0, width); }
  // Form whose width follows the grid's columns (not owned).
  QWidget *ParentForm = nullptr;
  bool AlowStrech = false;
  // Marks the current row's number red while the grid has no focus.
  bool SelectRow = false;

  // Table access; without a table the readers answer 0 or null and the
  // writers do nothing.
  void *GetValue(int row, int column);
  void SetValue(int row, int column, const void *value);
  int isValid(int row, int column);
  void ChangeValid(int row, int column, int state);
  void ChangeValid(int row, int state);
  int isOnlyRead(int row, int column);
  const char *GetListStrings(int column, int i);
  int GetListStringsCount(int column);

  // The editing model.  Push stores a changed edit text into the edit
  // cell (again on a second call), bringing a free edit row into use
  // first.  A text the column cannot take as typed (no value of the column
  // in full) is refused with a beep: nothing is stored, the edit stays
  // open for correction, and Push answers false.
  bool Push();
  // Marks the edit text changed.  A free edit row comes into use only when
  // the text is stored, so that Escape leaves it free and unreported.
  void Change();
  // True, after a beep, when a changed edit text would be refused.
  bool EditRefused();
  // Whether a cell shows text: its row is in use, or it holds the changed
  // edit text of a free row.
  bool Shown(int row, int column);
  // Sets the whole-text selection and repaints the edit cell.
  void SetSelect(int flag);
  // Characters of the edit text; 0 while the edit cell shows none.
  int ETextLen();
  // The next (previous) cell, row by row, passing over read-only cells;
  // NextCell adds a row after the last.  With no editable cell in reach
  // they stay.
  void NextCell();
  void PreviousCell();
  // Commits a pending edit to its own record and marks it stored, so that
  // the refresh after a change of rows has nothing left to commit; false
  // when the edit was refused and stays open.
  bool CommitEdit();
  // With no edit cell (after a focus loss), loads the current cell, so
  // that commands act on the current row.
  void EnsureEditCell();
  // Frees the edit row; what was typed into it goes with it.
  void FreeEditRow();

  // Ask for a repaint of a column, of the read-only cells of a grid row
  // (values the table computes) and of the header rows.
  void DrawCol(int dataColumn);
  void DrawInfoRow(int row);
  void DrawHeader();
  // Paints a row number in column 0 (button face, or colour when valid);
  // only while the grid paints.
  void DefaultDraw(int row, int column, const QRect &rect, const QColor &colour);

  // The column cell table; columns from kMaxColumns on are ignored.
  void RegisterColumn(TUserCell *cell, int column);
  void DestroyColumn(int column);
  TUserCell *ColumnCell(int column) const;
  // Width of all columns with their grid lines, and how far it exceeds the
  // client width (negative when narrower).
  int GetWidth() const;
  int GetDWidth() const;

  // Header cells (UserHeader.h).  A header whose last row or column lies
  // beyond the fixed rows or the columns is not entered; one that moves
  // leaves its old cells.
  void SetHeader(int firstRow, int lastRow, int firstColumn, int lastColumn, TUserHeader *header);
  // Clears every header cell of header (a header that goes).
  void RemoveHeader(const TUserHeader *header);
  TUserHeader *HeaderAt(int row, int column) const;
  // Widens the columns under the headers of column until each caption and
  // 4 pixels fit; never narrows them.
  void ChackColWidth(int column);
  QPoint TopLeft(int row, int column) const;
  QPoint BottomRight(int row, int column) const;

  // Blocks, clipboard and row commands (GridBlock.cpp).  The block is the
  // rectangle last dragged (one cell after a plain click; none before the
  // first click); isBlock answers only while it is shown.
  int isBlock(int row, int column) const;
  void PaintBlock(int row, int column, int shown);
  // The block as text: tab after every cell but one in the grid's last
  // column, "\r\n" after every row; the block is hidden.
  void Copy();
  void XCopy();
  // Stores text into a cell (the row comes into use); a column beyond the
  // grid raises "Kopierbeireich außerhalb der Tabelle", a row beyond it
  // grows the grid.  Text that typing could not give the cell is refused
  // with a beep and the cell keeps its value; a read-only cell (one typing
  // passes over) takes nothing and brings no row into use.  Afterwards the
  // current cell is the edit cell again.
  void Past(int row, int column, const std::string &text);
  // Raises "Kopierbeireich außerhalb der Tabelle" for a column beyond the
  // grid, before a paste stores anything.
  void PasteColumnInGrid(int column) const;
  // Add to or multiply every cell of the block in rows in use; a result
  // typing could not give a cell is refused there with a beep.  Afterwards
  // the current cell is the edit cell again.
  void AddBlock(double x);
  void MultBlock(double x);
  // The block popup: "Addieren" and "Multiplizieren" ask for the value,
  // "Löschen" frees every row the block touches, after the question of
  // LineDelete when one of them is in use.
  void AddPoupClick();
  void MultPoupClick();
  void DelPoupClick();
  // Row commands on a data row; each stores a pending edit first (a
  // refused one stops the command).  Without
  // a table they only take the focus.  LineDelete asks before it deletes a
  // row in use; LineCopy and LineMove ask for a 1-based row number, and a
  // number below 1 does nothing.
  void LineInsert(int dataRow);
  void LineDelete(int dataRow);
  void LineCopy(int dataRow);
  void LineMove(int dataRow);
  QMenu *BlockPopup() const { return blockPopup; }

  int TextWidth(const std::string &text) const;
  int TextHeight(const std::string &text) const;
  bool Focused() const { return hasFocus(); }

  // The edit buffer.
  std::string EText;
  int ERow = -1;
  int ECol = -1;
  int Caret = 0;
  int Select = 0;
  int EChanged = 0;

protected:
  // The current cell stays while a changed edit text is refused.
  bool CanSelectCell(int column, int row) override;
  void SelectCell(int column, int row) override;
  void DrawGridCell(int column, int row, const QRect &rect) override;
  bool event(QEvent *event) override;
  bool viewportEvent(QEvent *event) override;
  void keyPressEvent(QKeyEvent *event) override;
  void mousePressEvent(QMouseEvent *event) override;
  void mouseReleaseEvent(QMouseEvent *event) override;
  void mouseMoveEvent(QMouseEvent *event) override;
  void mouseDoubleClickEvent(QMouseEvent *event) override;
  void contextMenuEvent(QContextMenuEvent *event) override;
  void focusInEvent(QFocusEvent *event) override;
  void focusOutEvent(QFocusEvent *event) override;
  void resizeEvent(QResizeEvent *event) override;
  void showEvent(QShowEvent *event) override;
  bool focusNextPrevChild(bool next) override;

private:
  void USelectCell(int column, int row);
  void UKeyDown(int &key, Qt::KeyboardModifiers shift);
  void UKeyPress(QChar ch);
  void UDblClick();
  void UMouseDown(Qt::MouseButton button, int x, int y);
  void UMouseMove(int x, int y);
  bool UserMessage(int message, std::intptr_t wParam, std::intptr_t lParam);
  void AutoSize();
  void PostAutoSize();
  void KillFocus();
  // A cell the cursor passes over: a read-only column or cell.
  bool Skipped(int row, int column);
  void BlockRect(int &top, int &left, int &bottom, int &right) const;
  void ForBlock(const std::function<void(int row, int column)> &step);
  // Whether the block touches a row in use.
  bool BlockInUse();
  void ArithmeticBlock(bool (TUserCell::*operation)(void *, double), double x);
  // The value dialog: true with the value when confirmed with a text that
  // reads in full as a number; any other text beeps and counts as cancelled.
  bool AskValue(const char *caption, double &value);
  // "Zeile Löschen ?" answered with OK.
  bool ConfirmDelete();
  bool MovesRowsInUse(int dataRow) const;
  // The value of the changed edit text, null when its column refuses it.
  const void *EditValue();
  bool EditPending() const;

  TUserCell *columns[kMaxColumns] = {};
  TUserHeader *headers[kMaxHeaderRows][kMaxColumns] = {};
  InputContainer *container = nullptr;
  QMenu *blockPopup = nullptr;
  int anchorRow = -1;
  int anchorCol = -1;
  int cornerRow = -1;
  int cornerCol = -1;
  int blockShown = 0;
  int mouseHeld = 0;
  int lastCol = -1;
  int lastRow = -1;
  // The table changed its rows: the next Fill only reloads.
  bool rowsChanged = false;
  bool autoSizePosted = false;
};
