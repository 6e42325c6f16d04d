// The data grid's commands over more than one cell: the block selected
// with the mouse, copy and paste through the clipboard (tab-separated
// text), adding to, multiplying and freeing the block, and inserting,
// deleting, copying and moving one row of the table.  A pending edit is
// stored before any of them changes the table.
#include "grid/CellDialog.h"
#include "grid/MyEdit.h"
#include "grid/UserCell.h"
#include "grid/UserGrid.h"
#include "model/InputContainer.h"
#include "model/Message.h"
#include "platform/MessageBeep.h"
#include "platform/MessageBox.h"

#include <QClipboard>
#include <QGuiApplication>
#include <cmath>
#include <utility>
#include <vector>

int TUserGrid::isBlock(int row, int column) const {
  if (blockShown == 0 || anchorRow < 0)
    return 0;
  int top, left, bottom, right;
  BlockRect(top, left, bottom, right);
  return row >= top && row <= bottom && column >= left && column <= right ? 1 : 0;
}

void TUserGrid::BlockRect(int &top, int &left, int &bottom, int &right) const {
  top = std::min(anchorRow, cornerRow);
  bottom = std::max(anchorRow, cornerRow);
  left = std::min(anchorCol, cornerCol);
  right = std::max(anchorCol, cornerCol);
}

void TUserGrid::PaintBlock(int, int, int shown) {
  blockShown = shown;
  viewport()->update();
}

void TUserGrid::ForBlock(const std::function<void(int row, int column)> &step) {
  if (anchorRow < 0)
    return;
  int top, left, bottom, right;
  BlockRect(top, left, bottom, right);
  for (int row = top; row <= bottom; ++row)
    for (int column = left; column <= right; ++column)
      step(row, column);
}

bool TUserGrid::BlockInUse() {
  bool inUse = false;
  ForBlock([&](int row, int column) { inUse = inUse || isValid(row, column) != 0; });
  return inUse;
}

void TUserGrid::Copy() {
  Push();
  if (anchorRow < 0)
    return;
  PaintBlock(cornerRow, cornerCol, 0);
  std::string text;
  int previousRow = -1;
  ForBlock([&](int row, int column) {
    if (previousRow >= 0 && row != previousRow)
      text += "\r\n";
    previousRow = row;
    if (TUserCell *cell = ColumnCell(column); cell != nullptr && isOnlyRead(row, column) == 0)
      text += cell->CopyText(row, column);
  });
  text += "\r\n";
  QGuiApplication::clipboard()->setText(QString::fromStdString(text));
}

void TUserGrid::XCopy() {
  Copy();
}

void TUserGrid::PasteColumnInGrid(int column) const {
  if (column >= ColCount())
    Error("Kopierbeireich außerhalb der Tabelle");
}

void TUserGrid::Past(int row, int column, const std::string &text) {
  PasteColumnInGrid(column);
  TUserCell *cell = ColumnCell(column);
  if (cell == nullptr || Skipped(row, column))
    return; // a computed column takes nothing, as it takes no typing
  std::string pasted = text;
  if (!cell->PastedText(pasted)) {
    MessageBeep(BeepKind::Simple);
    return;
  }
  if (row >= RowCount())
    TDrawGrid::SetRowCount(row + 1);
  EChanged = 1;
  ERow = row;
  ECol = column;
  EText = pasted;
  CommitEdit();
  Fill(Row(), Col()); // the keys act on the highlighted cell again
}

// Rows in use only: a free row has no value to change, and a block of free
// rows changes nothing.  A cell refusing its result beeps, as a refused
// paste does.  Once every cell has its result, the results taken are
// stored again through the table, whose rules (a position clamped to
// 0 .. 1, a range's last end moved along) apply as to a typed value, and
// the table reports the change; a range moved whole stays whole.
void TUserGrid::ArithmeticBlock(bool (TUserCell::*operation)(void *, double), double x) {
  if (!CommitEdit())
    return;
  std::vector<std::pair<int, int>> taken;
  ForBlock([&](int row, int column) {
    TUserCell *cell = ColumnCell(column);
    if (cell == nullptr || isValid(row, column) == 0)
      return;
    if ((cell->*operation)(GetValue(row, column), x))
      taken.emplace_back(row, column);
    else
      MessageBeep(BeepKind::Simple);
  });
  for (const auto &[row, column] : taken)
    SetValue(row, column, GetValue(row, column));
  Fill(Row(), Col()); // the highlighted cell shows its new value and takes the keys
  viewport()->update();
}

void TUserGrid::AddBlock(double x) {
  ArithmeticBlock(&TUserCell::Add, x);
}

void TUserGrid::MultBlock(double x) {
  ArithmeticBlock(&TUserCell::Mult, x);
}

bool TUserGrid::AskValue(const char *caption, double &value) {
  if (!CommitEdit())
    return false;
  KillFocus(); // as when the dialog takes the focus
  TCellDialog1 dialog(this);
  dialog.setWindowTitle(QString::fromUtf8(caption));
  bool confirmed = dialog.Execute() == MsgResult::Ok;
  if (confirmed && !dialog.MyEdit1->ReadsInFull()) {
    MessageBeep(BeepKind::Simple); // a text that is no number, as in a cell
    confirmed = false;
  }
  if (confirmed)
    value = dialog.MyEdit1->GetValue();
  setFocus(Qt::OtherFocusReason);
  return confirmed;
}

void TUserGrid::AddPoupClick() {
  double x = 0;
  if (AskValue("Wert", x))
    AddBlock(x);
}

void TUserGrid::MultPoupClick() {
  double x = 0;
  if (AskValue("Wert", x))
    MultBlock(x);
}

bool TUserGrid::ConfirmDelete() {
  KillFocus(); // as when the question takes the focus
  const bool confirmed = MessageBox("Zeile Löschen ?", "Info", MsgButtons::OkCancel, MsgIcon::None,
                                    std::nullopt, this) == MsgResult::Ok;
  setFocus(Qt::OtherFocusReason);
  return confirmed;
}

// The table keeps one state per row: every row the block touches is freed
// as a whole, so rows in use are freed only after the question.
void TUserGrid::DelPoupClick() {
  if (!CommitEdit())
    return;
  const bool inUse = BlockInUse();
  if (inUse && !ConfirmDelete())
    return;
  ForBlock([&](int row, int column) { ChangeValid(row, column, 0); });
  if (container != nullptr && inUse)
    container->Changed();
  Fill(Row(), Col());
}

// Inserting or deleting a row changes the table when a row in use moves
// or goes; below the last row in use it changes nothing (the tables that
// name such free rows report their own change).
bool TUserGrid::MovesRowsInUse(int dataRow) const {
  return dataRow < container->LastUsedRow();
}

void TUserGrid::LineInsert(int dataRow) {
  if (container != nullptr && CommitEdit()) {
    const bool changes = MovesRowsInUse(dataRow);
    container->InsertLine(dataRow);
    if (changes)
      container->Changed();
  }
  setFocus(Qt::OtherFocusReason);
}

void TUserGrid::LineDelete(int dataRow) {
  if (container != nullptr && CommitEdit() &&
      (container->IsRowValid(dataRow) == 0 || ConfirmDelete())) {
    const bool changes = MovesRowsInUse(dataRow);
    container->DeleteLine(dataRow);
    if (changes)
      container->Changed();
  }
  setFocus(Qt::OtherFocusReason);
}

namespace {
// The 0-based row of a 1-based number typed into the dialog; -1 for a number
// below 1.  A number beyond the table's rows is passed on as kMaxRows, which
// the table refuses with its message.
int TargetRow(double number) {
  const double row = std::trunc(number - 1);
  if (!(row >= 0))
    return -1;
  return row >= kMaxRows ? kMaxRows : static_cast<int>(row);
}
} // namespace

void TUserGrid::LineCopy(int dataRow) {
  double number = 0;
  if (!AskValue("Kopieren zur Zeile", number))
    return;
  const int to = TargetRow(number);
  if (container != nullptr && to >= 0 && container->CopyRow(dataRow, to) != 0)
    container->Changed();
}

void TUserGrid::LineMove(int dataRow) {
  double number = 0;
  if (!AskValue("Verschieben zur Zeile", number))
    return;
  const int to = TargetRow(number);
  if (container != nullptr && to >= 0)
    container->MoveLine(dataRow, to);
}
