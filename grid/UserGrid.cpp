// The data grid: binding to its table, table access, the editing model,
// navigation, painting and the column and header tables.
#include "grid/UserGrid.h"

#include "grid/EditText.h"
#include "grid/UserCell.h"
#include "grid/UserHeader.h"
#include "model/InputContainer.h"
#include "platform/EventGuard.h"
#include "platform/MessageBeep.h"

#include <QMenu>
#include <QPainter>
#include <algorithm>

namespace {
constexpr int kRowHeight = 18;
} // namespace

TUserGrid::TUserGrid(QWidget *parent) : TDrawGrid(parent), blockPopup(new QMenu(this)) {
  SetDefaultRowHeight(kRowHeight);
  const std::pair<const char *, void (TUserGrid::*)()> items[] = {
      {"Addieren", &TUserGrid::AddPoupClick},
      {"Multiplizieren", &TUserGrid::MultPoupClick},
      {"Löschen", &TUserGrid::DelPoupClick}};
  for (const auto &[caption, handler] : items)
    connect(blockPopup->addAction(QString::fromUtf8(caption)), &QAction::triggered, this,
            [this, handler = handler] { Guarded([this, handler] { (this->*handler)(); }); });
}

TUserGrid::~TUserGrid() {
  if (container != nullptr) {
    InputContainer *table = container;
    container = nullptr;
    table->SetGrid(nullptr);
  }
  // Cells and headers bound to the grid, also those that lost their place
  // in its tables, forget it before they go with it.
  for (TUserCell *&cell : columns)
    if (cell != nullptr)
      std::exchange(cell, nullptr)->SetGrid(nullptr);
  for (auto &row : headers)
    for (TUserHeader *&header : row)
      if (header != nullptr)
        std::exchange(header, nullptr)->SetGrid(nullptr);
  for (TUserCell *cell : findChildren<TUserCell *>())
    if (cell->Grid() == this)
      cell->SetGrid(nullptr);
  for (TUserHeader *header : findChildren<TUserHeader *>())
    if (header->Grid() == this)
      header->SetGrid(nullptr);
}

void TUserGrid::SetRowCount(int rows) {
  rowsChanged = true;
  TDrawGrid::SetRowCount(rows);
}

void TUserGrid::Fill(int row, int column) {
  const bool reloadOnly = std::exchange(rowsChanged, false);
  TUserCell *cell = ColumnCell(column);
  if (cell == nullptr)
    return;
  if (!reloadOnly && !Push())
    return; // the refused text stays for correction
  cell->BeginEdit(row, column);
  Caret = 0;
  EChanged = 0;
  cell->TextOffset(column, EText);
  SetSelect(1);
}

void TUserGrid::DrawRow(int dataRow) {
  const QRect first = CellRect(0, dataRow + FixedRows());
  if (!first.isEmpty())
    viewport()->update(0, first.top(), viewport()->width(), first.height());
}

void TUserGrid::DrawCell(int dataRow, int dataColumn) {
  const int column = dataColumn + FixedCols();
  if (ColumnCell(column) != nullptr)
    viewport()->update(CellRect(column, dataRow + FixedRows()));
}

void TUserGrid::Invalidate() {
  rowsChanged = false;
  viewport()->update();
}

void TUserGrid::SetContainer(InputContainer *table) {
  // A table that is going has unbound itself already: leave it alone.
  if (container != nullptr && container->Grid() == this) {
    CommitEdit();
    container->SetGrid(nullptr);
  }
  container = table;
  if (container == nullptr)
    return;
  TDrawGrid::SetRowCount(std::max(container->LastUsedRow(), kMinGridRows) + FixedRows());
  container->SetGrid(this);
}

void *TUserGrid::GetValue(int row, int column) {
  return container != nullptr ? container->GetField(row - FixedRows(), column - FixedCols())
                              : nullptr;
}

void TUserGrid::SetValue(int row, int column, const void *value) {
  if (container != nullptr)
    container->SetCellValue(row - FixedRows(), column - FixedCols(), value);
}

int TUserGrid::isValid(int row, int column) {
  return container != nullptr ? container->IsValid(row - FixedRows(), column - FixedCols()) : 0;
}

void TUserGrid::ChangeValid(int row, int column, int state) {
  if (container != nullptr)
    container->SetRowState(row - FixedRows(), column - FixedCols(), state);
}

void TUserGrid::ChangeValid(int row, int state) {
  for (int column = FixedCols(); column < ColCount(); ++column)
    ChangeValid(row, column, state);
}

int TUserGrid::isOnlyRead(int row, int column) {
  return container != nullptr ? container->isOnlyRead(row - FixedRows(), column - FixedCols()) : 0;
}

const char *TUserGrid::GetListStrings(int column, int i) {
  return container != nullptr ? container->GetListStrings(column - FixedCols(), i) : nullptr;
}

int TUserGrid::GetListStringsCount(int column) {
  return container != nullptr ? container->GetListStringsCount(column - FixedCols()) : 0;
}

bool TUserGrid::EditPending() const {
  return ERow >= 0 && EChanged != 0 && ColumnCell(ECol) != nullptr;
}

const void *TUserGrid::EditValue() {
  TUserCell *cell = ColumnCell(ECol);
  return cell->Accepts(EText) ? cell->TextToValue(EText) : nullptr;
}

bool TUserGrid::EditRefused() {
  if (!EditPending() || EditValue() != nullptr)
    return false;
  MessageBeep(BeepKind::Simple);
  return true;
}

bool TUserGrid::Push() {
  if (!EditPending())
    return true;
  const void *value = EditValue();
  if (value == nullptr) {
    MessageBeep(BeepKind::Simple);
    return false;
  }
  // A free row comes into use first: the table empties it and sets its
  // defaults, then the value goes in.
  if (isValid(ERow, ECol) == 0)
    ChangeValid(ERow, ECol, 1);
  SetValue(ERow, ECol, value);
  rowsChanged = false; // a table grown by the store has not moved its rows
  DrawInfoRow(ERow);
  return true;
}

bool TUserGrid::CommitEdit() {
  if (!Push())
    return false;
  EChanged = 0;
  return true;
}

void TUserGrid::EnsureEditCell() {
  if (ERow < 0)
    Fill(Row(), Col());
}

void TUserGrid::Change() {
  EChanged = 1;
}

bool TUserGrid::Shown(int row, int column) {
  return isValid(row, column) != 0 || (row == ERow && column == ECol && EChanged != 0);
}

void TUserGrid::SetSelect(int flag) {
  Select = flag;
  if (ERow >= 0)
    DrawCell(ERow - FixedRows(), ECol - FixedCols());
}

int TUserGrid::ETextLen() {
  return container != nullptr && Shown(ERow, ECol) ? CharCount(EText) : 0;
}

// Tab, Enter, Right and End move on; read-only cells are passed over.  A
// grid without an editable cell in reach stays where it is.
void TUserGrid::NextCell() {
  int row = Row();
  int column = Col();
  if (ColCount() == 2 && isOnlyRead(row, column) != 0)
    return;
  for (int step = 0; step < ColCount(); ++step) {
    if (column + 1 < ColCount()) {
      column += 1;
    } else {
      column = 1;
      row += 1;
    }
    if (Skipped(row, column))
      continue;
    if (row >= RowCount())
      TDrawGrid::SetRowCount(row + 1);
    SetCell(column, row);
    return;
  }
}

bool TUserGrid::Skipped(int row, int column) {
  TUserCell *cell = ColumnCell(column);
  return cell != nullptr && (cell->OnlyRead() || isOnlyRead(row, column) != 0);
}

void TUserGrid::PreviousCell() {
  int row = Row();
  int column = Col();
  if (ColCount() == 2 && isOnlyRead(row, column) != 0)
    return;
  for (int step = 0; step < ColCount(); ++step) {
    if (column > 1) {
      column -= 1;
    } else {
      column = ColCount() - 1;
      if (row > FixedRows())
        row -= 1;
    }
    if (Skipped(row, column))
      continue;
    SetCell(column, row);
    return;
  }
}

bool TUserGrid::CanSelectCell(int, int) {
  return !EditRefused();
}

void TUserGrid::SelectCell(int column, int row) {
  USelectCell(column, row);
}

void TUserGrid::USelectCell(int column, int row) {
  const bool rowChanged = row != lastRow;
  Fill(row, column);
  if (column == lastCol && row == lastRow && isValid(row, column) != 0)
    SetSelect(0);
  lastCol = column;
  lastRow = row;
  if (container != nullptr && rowChanged)
    container->RowSelected(row - FixedRows());
}

void TUserGrid::DrawCol(int dataColumn) {
  const int column = dataColumn + FixedCols();
  const QRect top = CellRect(column, FixedRows());
  if (ColumnCell(column) != nullptr && !top.isEmpty())
    viewport()->update(top.left(), top.top(), top.width(), viewport()->height());
}

void TUserGrid::DrawInfoRow(int row) {
  for (int column = 0; column < ColCount(); ++column)
    if (TUserCell *cell = ColumnCell(column); cell != nullptr && cell->OnlyRead())
      viewport()->update(CellRect(column, row));
}

void TUserGrid::DrawHeader() {
  viewport()->update(0, 0, viewport()->width(), FixedRows() * (DefaultRowHeight() + 1));
}

void TUserGrid::DrawGridCell(int column, int row, const QRect &rect) {
  if (row < FixedRows()) {
    TUserHeader *header = HeaderAt(row, column);
    if (header != nullptr)
      header->Draw(*Canvas());
    else
      Canvas()->fillRect(rect, palette().button());
  } else if (TUserCell *cell = ColumnCell(column)) {
    cell->PaintCell(row, column);
  } else {
    const bool marked = SelectRow && column == 0 && row == Row() && !Focused();
    DefaultDraw(row, column, rect, marked ? QColor(255, 0, 0) : QColor());
  }
}

void TUserGrid::DefaultDraw(int row, int column, const QRect &rect, const QColor &colour) {
  QPainter *canvas = Canvas();
  if (column != 0 || row < FixedRows() || canvas == nullptr)
    return;
  canvas->save();
  canvas->setBrush(colour.isValid() ? QBrush(colour) : palette().button());
  canvas->setPen(Qt::black);
  canvas->drawRect(rect.adjusted(0, 0, -1, -1));
  const QString number = QString::number(row - FixedRows() + 1);
  const QFontMetrics metrics = canvas->fontMetrics();
  const int x =
      static_cast<int>((rect.width() - metrics.horizontalAdvance(number)) * 0.5 + rect.left());
  const int y = static_cast<int>((rect.height() - metrics.height()) * 0.5 + rect.top());
  canvas->setClipRect(rect);
  canvas->drawText(x, y + metrics.ascent(), number);
  canvas->restore();
}

void TUserGrid::RegisterColumn(TUserCell *cell, int column) {
  if (column < 0 || column >= kMaxColumns)
    return;
  columns[column] = cell;
  ChackColWidth(column);
  Invalidate();
  PostAutoSize();
}

void TUserGrid::DestroyColumn(int column) {
  if (column < 0 || column >= kMaxColumns)
    return;
  columns[column] = nullptr;
  Invalidate();
}

TUserCell *TUserGrid::ColumnCell(int column) const {
  return column >= 0 && column < kMaxColumns && column < ColCount() ? columns[column] : nullptr;
}

int TUserGrid::GetWidth() const {
  int width = 0;
  for (int column = 0; column < ColCount(); ++column)
    width += ColWidths(column) + GridLineWidth();
  return width;
}

int TUserGrid::GetDWidth() const {
  return GetWidth() - ClientWidth();
}

void TUserGrid::SetHeader(int firstRow, int lastRow, int firstColumn, int lastColumn,
                          TUserHeader *header) {
  if (lastColumn >= ColCount() || lastRow >= FixedRows() || lastColumn >= kMaxColumns ||
      lastRow >= kMaxHeaderRows)
    return;
  for (int row = 0; row < std::min(FixedRows(), kMaxHeaderRows); ++row)
    for (int column = 0; column < std::min(ColCount(), kMaxColumns); ++column)
      if (headers[row][column] == header)
        headers[row][column] = nullptr;
  for (int row = firstRow; row <= lastRow; ++row)
    for (int column = firstColumn; column <= lastColumn; ++column)
      headers[row][column] = header;
  for (int column = firstColumn; column <= lastColumn; ++column)
    ChackColWidth(column);
  Invalidate();
}

void TUserGrid::RemoveHeader(const TUserHeader *header) {
  for (auto &row : headers)
    for (TUserHeader *&entry : row)
      if (entry == header)
        entry = nullptr;
  Invalidate();
}

TUserHeader *TUserGrid::HeaderAt(int row, int column) const {
  if (row < 0 || row >= kMaxHeaderRows || column < 0 || column >= kMaxColumns)
    return nullptr;
  return headers[row][column];
}

// The columns under a header widen in proportion until its caption and
// 4 pixels fit; they are never narrowed.
void TUserGrid::ChackColWidth(int column) {
  for (int row = 0; row < kMaxHeaderRows; ++row) {
    const TUserHeader *header = HeaderAt(row, column);
    if (header == nullptr)
      continue;
    double sum = 0;
    for (int c = header->ColB(); c <= header->ColE(); ++c) {
      const TUserCell *cell = ColumnCell(c);
      if (cell == nullptr) {
        sum = -1;
        break;
      }
      sum += cell->ColWidth();
    }
    if (sum <= 0)
      continue;
    const double f = (TextWidth(header->Text().toStdString()) + 4) / sum;
    if (f <= 1)
      continue;
    for (int c = header->ColB(); c <= header->ColE(); ++c)
      ColumnCell(c)->SetColWidth(static_cast<int>(ColumnCell(c)->ColWidth() * f));
    PostAutoSize(); // the form follows the wider columns
  }
}

QPoint TUserGrid::TopLeft(int row, int column) const {
  return CellRect(column, row).topLeft();
}

QPoint TUserGrid::BottomRight(int row, int column) const {
  const QRect rect = CellRect(column, row);
  return {rect.left() + rect.width(), rect.top() + rect.height()};
}

int TUserGrid::TextWidth(const std::string &text) const {
  return fontMetrics().horizontalAdvance(QString::fromStdString(text));
}

int TUserGrid::TextHeight(const std::string &) const {
  return fontMetrics().height();
}

void TUserGrid::FreeEditRow() {
  EChanged = 0;
  ChangeValid(ERow, 0);
  Fill(ERow, ECol);
}
