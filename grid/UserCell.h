#pragma once
// The column cell: one object serves one data column of one data grid.  It
// turns the value stored in the grid's table into text and back, maps and
// filters typed characters, paints the cells of its column (with the caret
// in the cell being edited), types into the grid's edit buffer, splits
// pasted text into cells and gives the copy text of a cell.  Rows and
// columns are grid coordinates.  The value conversion is left to the cell
// types (UserInt.h, UserList.h).  A cell is bound to its grid by its
// property writes, in any order: Grid and Column.
#include "grid/UserGrid.h"
#include <QChar>
#include <QColor>

#include <QObject>
#include <QPointer>
#include <string>

class TUserCell : public QObject {
  Q_OBJECT
  Q_PROPERTY(TUserGrid *Grid READ Grid WRITE SetGrid)
  Q_PROPERTY(int Column READ Column WRITE SetColumn)
  Q_PROPERTY(int MaxTextLen READ MaxTextLen WRITE SetMaxTextLen)
  Q_PROPERTY(int ColWidth READ ColWidth WRITE SetColWidth)
  Q_PROPERTY(bool Center READ Center WRITE SetCenter)
  Q_PROPERTY(QString Filter READ Filter WRITE SetFilter)
  Q_PROPERTY(bool OnlyRead READ OnlyRead WRITE SetOnlyRead)

public:
  explicit TUserCell(QObject *owner = nullptr);
  // Leaves the grid's column table (when it still serves its column).
  ~TUserCell() override;

  int Column() const { return column; }
  // Leaves the old column of the grid (when >= 0) and enters the new one
  // (when >= 0).
  void SetColumn(int value);
  int MaxTextLen() const { return maxTextLen; }
  void SetMaxTextLen(int value) { maxTextLen = value; }
  int ColWidth() const { return colWidth; }
  // Also the grid's width of the column, when bound.
  void SetColWidth(int value);
  bool Center() const { return center; }
  void SetCenter(bool value) { center = value; }
  // Pairs (typed character, stored character); an odd last one is ignored.
  QString Filter() const { return filter; }
  void SetFilter(const QString &value) { filter = value; }
  bool OnlyRead() const { return onlyRead; }
  void SetOnlyRead(bool value) { onlyRead = value; }
  TUserGrid *Grid() const { return grid; }
  // Enters the grid's column table and sets its column width; null only
  // clears the pointer (what the grid does when it goes).
  void SetGrid(TUserGrid *value);

  // Text of a stored value (value: a field of the grid's table, or what
  // TextToValue returned); no value leaves text as it was.
  virtual void ValueToText(const void *value, std::string &text) = 0;
  // Runs after each typed or deleted character; before is the text as it
  // was.  False when the change was refused (the text is then restored).
  virtual bool Textfilter(std::string &text, const std::string &before);
  // The character as stored, or a null character when refused.
  virtual QChar Charfilter(QChar ch);
  virtual QColor CellColor(int row, int column);
  // Change a stored value in place; a result that typing could not give
  // the cell leaves it and answers false.
  virtual bool Add(void *value, double x);
  virtual bool Mult(void *value, double x);
  // Address of the value of text, held by the cell until the next call;
  // null when text gives no value the column can hold (refused).
  virtual const void *TextToValue(std::string &text) = 0;
  virtual void CellKeyPress(QChar ch);
  // The key table; key is a virtual-key code, set to 0 when swallowed.
  virtual void CellKeyDown(int &key, Qt::KeyboardModifiers shift);
  // The double-click hook: may change the edit text, never the stored
  // value; false when the cell has nothing to change, so that the double
  // click does nothing at all.
  virtual bool UDblClick();
  virtual void UMouseDown(int row, int column, int left, int top, void *value);
  // Caret from x, measured from the cell's left edge.
  virtual void PlaceCursor(int row, int column, int x);
  virtual void MapChar(QChar &ch);
  virtual void PaintCell(int row, int column);
  // 0, or 1 for choice lists.
  virtual int GetCellTyp() const;

  int TextOffset(int column, const std::string &text);
  int CaretOffset(const std::string &text, int n);
  void DrawCaret(const std::string &text, int n, int x, int y);
  void BeginEdit(int row, int column);
  int IsReadOnly(int row, int column);
  // Splits tab- and line-separated text into the grid from the edit row.
  // A block reaching beyond the grid's columns raises before any cell is
  // stored.
  void PasteText(int startColumn, const std::string &text);
  // A pasted cell's text held to what typing allows: each character mapped
  // by Filter and passed by Charfilter, the whole then Readable.  False when
  // refused; an empty text passes (it stores what an empty edit stores).
  bool PastedText(std::string &text);
  // Whether the cell takes a typed (mapped and filtered) text: empty, or
  // Readable.
  bool Accepts(const std::string &text);
  // Whether typing could give the cell this value: its copy text passes as
  // pasted text.
  bool Typeable(const void *value);
  // The text of a cell as copied to the clipboard, with a tab after it
  // unless it lies in the grid's last column; only the tab for a free row.
  std::string CopyText(int row, int column);

protected:
  // Whether a mapped, non-empty pasted text gives a value of the column.
  virtual bool Readable(const std::string &text);
  // The text copied for a stored value: what the cell shows.
  virtual void ValueToCopyText(const void *value, std::string &text);

  // The stored value of a cell of a row in use, else null (a free row is
  // never read: reading past the table's end would extend it).
  void *ValueInUse(int row, int column);

private:
  int textOffset = 0;
  int column = 0;
  int maxTextLen = 0;
  bool center = false;
  int colWidth = 0;
  QString filter;
  bool onlyRead = false;
  QPointer<TUserGrid> grid; // null also once the grid is gone
};
