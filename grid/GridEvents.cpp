// The data grid's input: keys (the key table of the cells, then typing),
// mouse, focus and the grid's window messages.  Every handler body runs
// guarded, so an error is shown and the program goes on.
#include "grid/UserCell.h"
#include "grid/UserGrid.h"
#include "model/Codepage1252.h"
#include "platform/EventGuard.h"
#include "platform/UserMessage.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMdiSubWindow>
#include <QMenu>
#include <QStackedWidget>
#include <QTabWidget>
#include <cstring>

namespace {

constexpr int VK_PRIOR = 33, VK_DOWN = 40; // Page Up .. Down: the draw grid's keys

// Virtual-key codes of the keys the grid knows; 0 for the others.
int VirtualKey(int qtKey) {
  static const std::pair<int, int> kKeys[] = {
      {Qt::Key_Backspace, 8}, {Qt::Key_Tab, 9},     {Qt::Key_Backtab, 9}, {Qt::Key_Return, 13},
      {Qt::Key_Enter, 13},    {Qt::Key_Escape, 27}, {Qt::Key_Space, 32},  {Qt::Key_PageUp, 33},
      {Qt::Key_PageDown, 34}, {Qt::Key_End, 35},    {Qt::Key_Home, 36},   {Qt::Key_Left, 37},
      {Qt::Key_Up, 38},       {Qt::Key_Right, 39},  {Qt::Key_Down, 40},   {Qt::Key_Insert, 45},
      {Qt::Key_Delete, 46}};
  if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9))
    return qtKey;
  for (const auto &[key, code] : kKeys)
    if (key == qtKey)
      return code;
  return 0;
}

// Characters typed into a cell, tested on their 1252 code: letters,
// digits, . , + - \ : = ( ) [ ] { } < > # and the German umlauts and ß.
bool IsInputChar(QChar ch) {
  const std::string code = Utf8ToCp1252(QString(ch).toStdString());
  if (code.size() != 1)
    return false;
  const unsigned char c = static_cast<unsigned char>(code[0]);
  if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'))
    return true;
  static const unsigned char kOthers[] = ".,+-\\:=()[]{}<>#\xC4\xE4\xD6\xF6\xDC\xFC\xDF";
  return std::memchr(kOthers, c, sizeof kOthers - 1) != nullptr;
}

// The keys the grid takes before a shortcut of its window can.
bool IsGridShortcut(const QKeyEvent *event) {
  const int key = event->key();
  const Qt::KeyboardModifiers held = event->modifiers();
  if (held & (Qt::ControlModifier | Qt::AltModifier))
    return key == Qt::Key_C || key == Qt::Key_V || key == Qt::Key_X || key == Qt::Key_Insert ||
           key == Qt::Key_Delete;
  return VirtualKey(key) != 0;
}

// Brings the pages that hold widget to the front.
void ShowPages(QWidget *widget) {
  for (QWidget *page = widget; page != nullptr; page = page->parentWidget()) {
    QWidget *stack = page->parentWidget();
    if (auto *tabs = qobject_cast<QTabWidget *>(stack ? stack->parentWidget() : nullptr);
        tabs != nullptr && tabs->indexOf(page) >= 0)
      tabs->setCurrentWidget(page);
    else if (auto *pages = qobject_cast<QStackedWidget *>(stack))
      pages->setCurrentWidget(page);
  }
}

// A child window of a frame is moved back into the frame's visible area as
// far as it fits, its left and top edges first.
void KeepInView(QWidget *frame) {
  const QWidget *area = frame->parentWidget();
  if (qobject_cast<QMdiSubWindow *>(frame) == nullptr || area == nullptr)
    return;
  const QRect shown = frame->geometry();
  const int x = std::max(0, std::min(shown.x(), area->width() - shown.width()));
  const int y = std::max(0, std::min(shown.y(), area->height() - shown.height()));
  frame->move(x, y);
}

} // namespace

bool TUserGrid::event(QEvent *event) {
  rowsChanged = false; // only a refresh of the table sets it, never an event
  if (event->type() == QEvent::ShortcutOverride &&
      IsGridShortcut(static_cast<QKeyEvent *>(event))) {
    event->accept();
    return true;
  }
  if (const UserMessageEvent *message = AsUserMessage(event)) {
    bool handled = false;
    Guarded([&] { handled = UserMessage(message->Message, message->WParam, message->LParam); });
    if (handled)
      return true;
  }
  return TDrawGrid::event(event);
}

bool TUserGrid::viewportEvent(QEvent *event) {
  if (event->type() != QEvent::Paint)
    rowsChanged = false;
  return TDrawGrid::viewportEvent(event);
}

bool TUserGrid::focusNextPrevChild(bool) {
  return false; // Tab and Backtab stay in the grid
}

void TUserGrid::keyPressEvent(QKeyEvent *event) {
  Guarded([&] {
    const int code = VirtualKey(event->key());
    const Qt::KeyboardModifiers shift = event->modifiers();
    int key = code;
    if (code != 0)
      UKeyDown(key, shift);
    if (code != 0 && key == 0)
      return; // swallowed by the key table
    if (key >= VK_PRIOR && key <= VK_DOWN)
      TDrawGrid::keyPressEvent(event);
    if (!(shift & (Qt::ControlModifier | Qt::AltModifier)))
      for (QChar ch : event->text())
        UKeyPress(ch);
  });
  event->accept();
}

void TUserGrid::UKeyDown(int &key, Qt::KeyboardModifiers shift) {
  EnsureEditCell();
  if (key == VK_DOWN && Row() + 1 == RowCount())
    TDrawGrid::SetRowCount(RowCount() + 1);
  if (TUserCell *cell = ColumnCell(Col()))
    cell->CellKeyDown(key, shift);
}

void TUserGrid::UKeyPress(QChar ch) {
  TUserCell *cell = ColumnCell(Col());
  if (cell != nullptr && IsInputChar(ch))
    cell->CellKeyPress(ch);
}

void TUserGrid::mousePressEvent(QMouseEvent *event) {
  Guarded([&] {
    TDrawGrid::mousePressEvent(event);
    const QPoint at = event->position().toPoint();
    UMouseDown(event->button(), at.x(), at.y());
  });
  event->accept();
}

void TUserGrid::UMouseDown(Qt::MouseButton button, int x, int y) {
  int column = -1;
  int row = -1;
  MouseToCell(x, y, column, row);
  if (button == Qt::RightButton) {
    if (isBlock(row, column) != 0) {
      blockPopup->popup(viewport()->mapToGlobal(QPoint(x, y)));
      return;
    }
    TUserCell *cell = ColumnCell(Col());
    if (cell == nullptr)
      return;
    const QRect current = CellRect(Col(), Row());
    void *value = isValid(Row(), Col()) != 0 ? GetValue(Row(), Col()) : nullptr;
    cell->UMouseDown(Row(), Col(), current.left(), current.bottom() + 1 + GridLineWidth(), value);
  } else if (button == Qt::LeftButton) {
    PaintBlock(cornerRow, cornerCol, 0);
    anchorRow = std::max(row, FixedRows());
    anchorCol = std::max(column, FixedCols());
    cornerRow = anchorRow;
    cornerCol = anchorCol;
    mouseHeld = 1;
    TUserCell *cell = ColumnCell(Col());
    if (cell != nullptr && Select == 0)
      cell->PlaceCursor(Row(), Col(), x - CellRect(Col(), Row()).left());
  }
}

void TUserGrid::mouseMoveEvent(QMouseEvent *event) {
  const QPoint at = event->position().toPoint();
  Guarded([&] { UMouseMove(at.x(), at.y()); });
}

void TUserGrid::UMouseMove(int x, int y) {
  if (mouseHeld == 0)
    return;
  int column = -1;
  int row = -1;
  MouseToCell(x, y, column, row);
  row = std::max(row, FixedRows());
  column = std::max(column, FixedCols());
  if (row == cornerRow && column == cornerCol)
    return;
  cornerRow = row;
  cornerCol = column;
  PaintBlock(row, column, 1);
}

void TUserGrid::mouseReleaseEvent(QMouseEvent *event) {
  mouseHeld = 0;
  event->accept();
}

void TUserGrid::mouseDoubleClickEvent(QMouseEvent *event) {
  if (event->button() == Qt::LeftButton)
    Guarded([this] { UDblClick(); });
  event->accept();
}

void TUserGrid::UDblClick() {
  TUserCell *cell = ColumnCell(Col());
  if (cell == nullptr)
    return;
  EnsureEditCell();
  if (!cell->UDblClick())
    return;
  DrawCell(Row() - FixedRows(), Col() - FixedCols());
  Change();
}

// Right clicks belong to the grid: the frame's own popup stays shut.
void TUserGrid::contextMenuEvent(QContextMenuEvent *event) {
  event->accept();
}

void TUserGrid::focusInEvent(QFocusEvent *event) {
  if (event->reason() == Qt::PopupFocusReason)
    return; // back from a popup menu: the grid never lost the edit
  if (SelectRow)
    viewport()->update(CellRect(0, Row()));
  TDrawGrid::focusInEvent(event);
  // The current cell is loaded and highlighted, also on a free row, so
  // that the user sees where typing goes.
  Guarded([this] { EnsureEditCell(); });
  viewport()->update();
}

void TUserGrid::focusOutEvent(QFocusEvent *event) {
  if (event->reason() == Qt::PopupFocusReason)
    return; // a popup menu of the grid opened
  Guarded([this] { KillFocus(); });
  TDrawGrid::focusOutEvent(event);
}

// A refused text keeps its edit cell, for correction when the focus
// returns.
void TUserGrid::KillFocus() {
  PaintBlock(cornerRow, cornerCol, 0);
  if (CommitEdit()) {
    ERow = -1;
    ECol = -1;
  }
  lastRow = -1;
  lastCol = -1;
  SetSelect(0);
  viewport()->update();
}

void TUserGrid::resizeEvent(QResizeEvent *event) {
  TDrawGrid::resizeEvent(event);
  PostAutoSize();
}

void TUserGrid::showEvent(QShowEvent *event) {
  TDrawGrid::showEvent(event);
  PostAutoSize();
}

void TUserGrid::PostAutoSize() {
  if (autoSizePosted)
    return;
  autoSizePosted = true;
  PostUserMessage(this, UM_AUTOSIZE);
}

bool TUserGrid::UserMessage(int message, std::intptr_t wParam, std::intptr_t lParam) {
  switch (message) {
  case UM_AUTOSIZE:
    autoSizePosted = false;
    AutoSize();
    return true;
  case UM_DELETEROW:
    if (container != nullptr) {
      EnsureEditCell();
      FreeEditRow();
    }
    return true;
  case UM_MODELCHANGED:
    show();
    ShowPages(this);
    setFocus(Qt::OtherFocusReason);
    SetCell(std::clamp<int>(lParam, FixedCols(), ColCount() - 1),
            FixedRows() + static_cast<int>(wParam));
    Invalidate();
    return true;
  default:
    return false;
  }
}

// A form follows the width of its columns; a grid without a form, when
// allowed, stretches its columns to its width.
void TUserGrid::AutoSize() {
  const int difference = GetDWidth();
  if (difference == 0)
    return;
  if (ParentForm != nullptr && isVisible() && isEnabled()) {
    QWidget *frame = ParentForm;
    if (auto *child = qobject_cast<QMdiSubWindow *>(ParentForm->parentWidget()))
      frame = child;
    if (!(frame->windowState() &
          (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen))) {
      frame->resize(frame->width() + difference, frame->height());
      KeepInView(frame);
    }
    DrawHeader();
    return;
  }
  const int rest = GetWidth() - ColWidths(0);
  if (!AlowStrech || rest <= 0)
    return;
  const float f = static_cast<float>(ClientWidth() - ColWidths(0)) / static_cast<float>(rest);
  for (int column = 1; column < ColCount() - 1; ++column)
    SetColWidths(column, static_cast<int>(ColWidths(column) * f));
  SetColWidths(ColCount() - 1, ColWidths(ColCount() - 1) - GetDWidth());
}
