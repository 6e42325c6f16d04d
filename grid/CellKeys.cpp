// The key table of the column cells: what each key does to the grid's edit
// buffer, its cursor and its table.  Keys are virtual-key codes; Ctrl is
// tested before Alt.  A swallowed key is set to 0 so that the draw grid
// does not act on it as well.
#include "grid/EditText.h"
#include "grid/UserCell.h"
#include "grid/UserGrid.h"
#include "platform/MessageBeep.h"

#include <QClipboard>
#include <QGuiApplication>
#include <iterator>

namespace {

enum class Held { Any, Neither, Ctrl, Alt };

struct KeyCommand {
  int key;
  Held held;
  void (*run)(TUserCell &cell, TUserGrid &grid, Qt::KeyboardModifiers shift);
  bool swallowed;
};

Held HeldOf(Qt::KeyboardModifiers shift) {
  if (shift & Qt::ControlModifier)
    return Held::Ctrl;
  return shift & Qt::AltModifier ? Held::Alt : Held::Neither;
}

// Deletes the character at position; a change the cell refuses is undone.
void DeleteAt(TUserCell &cell, TUserGrid &grid, int position) {
  const std::string before = grid.EText;
  EraseChar(grid.EText, position);
  if (!cell.Textfilter(grid.EText, before))
    return;
  grid.Change();
  grid.Caret = position;
  grid.SetSelect(0);
}

void Backspace(TUserCell &cell, TUserGrid &grid, Qt::KeyboardModifiers) {
  if (grid.Caret == 0)
    MessageBeep(BeepKind::Simple);
  else
    DeleteAt(cell, grid, grid.Caret - 1);
}

void DeleteChar(TUserCell &cell, TUserGrid &grid, Qt::KeyboardModifiers) {
  if (grid.Caret >= grid.ETextLen())
    MessageBeep(BeepKind::Simple);
  else
    DeleteAt(cell, grid, grid.Caret);
}

// A refused text keeps the cell, and a free row stays free.
void NextOrPrevious(TUserCell &, TUserGrid &grid, Qt::KeyboardModifiers shift) {
  if (grid.EditRefused())
    return;
  grid.ChangeValid(grid.Row(), grid.Col(), 1);
  if (shift & Qt::ShiftModifier)
    grid.PreviousCell();
  else
    grid.NextCell();
}

void Escape(TUserCell &cell, TUserGrid &grid, Qt::KeyboardModifiers) {
  cell.BeginEdit(grid.ERow, grid.ECol);
  grid.Caret = 0;
  grid.EChanged = 0;
  grid.SetSelect(0);
}

void Space(TUserCell &cell, TUserGrid &, Qt::KeyboardModifiers) {
  cell.CellKeyPress(QChar(' '));
}

void End(TUserCell &, TUserGrid &grid, Qt::KeyboardModifiers) {
  if (grid.Caret >= grid.ETextLen())
    grid.NextCell();
  grid.Caret = grid.ETextLen();
  grid.SetSelect(0);
}

void Home(TUserCell &, TUserGrid &grid, Qt::KeyboardModifiers) {
  if (grid.Caret <= 0)
    grid.PreviousCell();
  grid.Caret = 0;
  grid.SetSelect(0);
}

void Left(TUserCell &, TUserGrid &grid, Qt::KeyboardModifiers) {
  if (grid.Caret <= 0)
    return grid.PreviousCell();
  grid.Caret -= 1;
  grid.SetSelect(0);
}

void Right(TUserCell &, TUserGrid &grid, Qt::KeyboardModifiers) {
  if (grid.Caret >= grid.ETextLen())
    return grid.NextCell();
  grid.Caret += 1;
  grid.SetSelect(0);
}

void InsertRow(TUserCell &, TUserGrid &grid, Qt::KeyboardModifiers) {
  grid.LineInsert(grid.ERow - grid.FixedRows());
}

void FreeRow(TUserCell &, TUserGrid &grid, Qt::KeyboardModifiers) {
  grid.FreeEditRow();
}

void DeleteRow(TUserCell &, TUserGrid &grid, Qt::KeyboardModifiers) {
  grid.LineDelete(grid.ERow - grid.FixedRows());
}

void CopyBlock(TUserCell &, TUserGrid &grid, Qt::KeyboardModifiers) {
  grid.Copy();
}

void CutBlock(TUserCell &, TUserGrid &grid, Qt::KeyboardModifiers) {
  grid.XCopy();
}

void CopyRow(TUserCell &, TUserGrid &grid, Qt::KeyboardModifiers) {
  grid.LineCopy(grid.ERow - grid.FixedRows());
}

void MoveRow(TUserCell &, TUserGrid &grid, Qt::KeyboardModifiers) {
  grid.LineMove(grid.ERow - grid.FixedRows());
}

void Paste(TUserCell &cell, TUserGrid &grid, Qt::KeyboardModifiers) {
  if (grid.CommitEdit())
    cell.PasteText(cell.Column(), QGuiApplication::clipboard()->text().toStdString());
}

constexpr int VK_BACK = 8, VK_TAB = 9, VK_RETURN = 13, VK_ESCAPE = 27, VK_SPACE = 32, VK_END = 35,
              VK_HOME = 36, VK_LEFT = 37, VK_RIGHT = 39, VK_INSERT = 45, VK_DELETE = 46, VK_C = 67,
              VK_V = 86, VK_X = 88;

const KeyCommand kKeyTable[] = {
    {VK_BACK, Held::Any, Backspace, false},
    {VK_TAB, Held::Any, NextOrPrevious, true},
    {VK_RETURN, Held::Any, NextOrPrevious, true},
    {VK_ESCAPE, Held::Any, Escape, false},
    {VK_SPACE, Held::Any, Space, false},
    {VK_END, Held::Any, End, true},
    {VK_HOME, Held::Any, Home, true},
    {VK_LEFT, Held::Any, Left, true},
    {VK_RIGHT, Held::Any, Right, true},
    {VK_INSERT, Held::Alt, InsertRow, false},
    {VK_DELETE, Held::Ctrl, FreeRow, false},
    {VK_DELETE, Held::Alt, DeleteRow, false},
    {VK_DELETE, Held::Neither, DeleteChar, false},
    {VK_C, Held::Ctrl, CopyBlock, false},
    {VK_C, Held::Alt, CopyRow, false},
    {VK_V, Held::Ctrl, Paste, false},
    {VK_V, Held::Alt, MoveRow, false},
    {VK_X, Held::Ctrl, CutBlock, false},
};

} // namespace

void TUserCell::CellKeyDown(int &key, Qt::KeyboardModifiers shift) {
  const Held held = HeldOf(shift);
  for (const KeyCommand &command : kKeyTable) {
    if (command.key != key || (command.held != Held::Any && command.held != held))
      continue;
    if (command.swallowed)
      key = 0;
    command.run(*this, *Grid(), shift);
    return;
  }
}
