#include "platform/DrawGrid.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>

namespace {
constexpr int kDefaultColWidth = 64;
const QColor kGridLineColour(128, 128, 128);
} // namespace

TDrawGrid::TDrawGrid(QWidget *parent)
    : QAbstractScrollArea(parent), colWidths(5, kDefaultColWidth) {
  setFocusPolicy(Qt::StrongFocus);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  UpdateScrollRange();
}

void TDrawGrid::SetColCount(int count) {
  colWidths.resize(std::max(count, 1), kDefaultColWidth);
  fixedCols = std::min(fixedCols, ColCount() - 1);
  ClampCurrent();
  viewport()->update();
}

void TDrawGrid::SetRowCount(int count) {
  rowCount = std::max(count, std::max(fixedRows + 1, 1));
  UpdateScrollRange();
  ClampCurrent();
  viewport()->update();
}

void TDrawGrid::SetFixedRows(int count) {
  fixedRows = std::clamp(count, 0, rowCount - 1);
  topRow = std::max(topRow, fixedRows);
  ClampCurrent();
  UpdateScrollRange();
  viewport()->update();
}

void TDrawGrid::SetFixedCols(int count) {
  fixedCols = std::clamp(count, 0, ColCount() - 1);
  ClampCurrent();
  viewport()->update();
}

int TDrawGrid::ColWidths(int column) const {
  return column >= 0 && column < ColCount() ? colWidths[column] : 0;
}

void TDrawGrid::SetColWidths(int column, int width) {
  if (column < 0 || column >= ColCount())
    return;
  colWidths[column] = std::max(width, 0);
  viewport()->update();
}

void TDrawGrid::SetDefaultRowHeight(int height) {
  rowHeight = std::max(height, 1);
  UpdateScrollRange();
  viewport()->update();
}

int TDrawGrid::ClientWidth() const {
  return viewport()->width();
}

void TDrawGrid::SetRow(int value) {
  MoveTo(col, value);
}

void TDrawGrid::SetCol(int value) {
  MoveTo(value, row);
}

void TDrawGrid::SetCell(int column, int cellRow) {
  MoveTo(column, cellRow);
}

int TDrawGrid::ColumnLeft(int column) const {
  int x = 0;
  for (int i = 0; i < column; ++i)
    x += colWidths[i] + GridLineWidth();
  return x;
}

QRect TDrawGrid::CellRect(int column, int cellRow) const {
  if (column < 0 || column >= ColCount() || cellRow < 0 || cellRow >= rowCount)
    return {};
  int y;
  if (cellRow < fixedRows)
    y = cellRow * RowPitch();
  else if (cellRow < topRow)
    return {};
  else
    y = (fixedRows + cellRow - topRow) * RowPitch();
  const int x = ColumnLeft(column);
  if (y >= viewport()->height() || x >= viewport()->width())
    return {};
  return QRect(x, y, colWidths[column], rowHeight);
}

void TDrawGrid::MouseToCell(int x, int y, int &column, int &cellRow) const {
  column = -1;
  cellRow = -1;
  if (x < 0 || y < 0)
    return;
  for (int i = 0, left = 0; i < ColCount(); ++i) {
    left += colWidths[i] + GridLineWidth();
    if (x < left) {
      column = i;
      break;
    }
  }
  const int line = y / RowPitch();
  const int r = line < fixedRows ? line : topRow + line - fixedRows;
  if (column < 0 || r >= rowCount) {
    column = -1;
    return;
  }
  cellRow = r;
}

bool TDrawGrid::CanSelectCell(int, int) {
  return true;
}

void TDrawGrid::SelectCell(int, int) {}

int TDrawGrid::VisibleDataRows() const {
  return std::max((viewport()->height() - fixedRows * RowPitch()) / RowPitch(), 1);
}

void TDrawGrid::MoveTo(int newCol, int newRow, bool always) {
  newCol = std::clamp(newCol, fixedCols, ColCount() - 1);
  newRow = std::clamp(newRow, fixedRows, rowCount - 1);
  if ((newCol == col && newRow == row && !always) || !CanSelectCell(newCol, newRow))
    return;
  viewport()->update(CellRect(col, row));
  col = newCol;
  row = newRow;
  ScrollIntoView();
  viewport()->update(CellRect(col, row));
  SelectCell(col, row);
}

void TDrawGrid::ClampCurrent() {
  col = std::clamp(col, fixedCols, ColCount() - 1);
  row = std::clamp(row, fixedRows, rowCount - 1);
}

void TDrawGrid::ScrollIntoView() {
  int top = topRow;
  if (row < top)
    top = row;
  else if (row >= top + VisibleDataRows())
    top = row - VisibleDataRows() + 1;
  top = std::max(top, fixedRows);
  if (top != topRow) {
    topRow = top;
    verticalScrollBar()->setValue(topRow - fixedRows);
    viewport()->update();
  }
}

void TDrawGrid::UpdateScrollRange() {
  const int dataRows = rowCount - fixedRows;
  const int page = VisibleDataRows();
  verticalScrollBar()->setRange(0, std::max(dataRows - page, 0));
  verticalScrollBar()->setPageStep(page);
  topRow = fixedRows + verticalScrollBar()->value();
}

void TDrawGrid::paintEvent(QPaintEvent *event) {
  QPainter painter(viewport());
  const QRect area = event->rect();
  // Grid lines between the cells; beyond the last column and row the
  // window's own colour, as on an empty part of the window.
  const int shownRows = fixedRows + rowCount - topRow;
  const QRect cells(0, 0, ColumnLeft(ColCount()), shownRows * RowPitch());
  painter.fillRect(area, palette().base());
  painter.fillRect(area & cells, kGridLineColour);
  painter.setFont(font());
  canvas = &painter;
  const int height = viewport()->height();
  for (int line = 0; line * RowPitch() < height; ++line) {
    const int cellRow = line < fixedRows ? line : topRow + line - fixedRows;
    if (cellRow >= rowCount)
      break;
    for (int c = 0; c < ColCount(); ++c) {
      const QRect rect = CellRect(c, cellRow);
      if (!rect.isEmpty() && rect.intersects(area))
        DrawGridCell(c, cellRow, rect);
    }
  }
  canvas = nullptr;
}

void TDrawGrid::resizeEvent(QResizeEvent *event) {
  QAbstractScrollArea::resizeEvent(event);
  UpdateScrollRange();
}

void TDrawGrid::scrollContentsBy(int, int) {
  topRow = fixedRows + verticalScrollBar()->value();
  viewport()->update();
}

void TDrawGrid::keyPressEvent(QKeyEvent *event) {
  switch (event->key()) {
  case Qt::Key_Up:
    SetRow(row - 1);
    break;
  case Qt::Key_Down:
    SetRow(row + 1);
    break;
  case Qt::Key_PageUp:
    SetRow(row - VisibleDataRows());
    break;
  case Qt::Key_PageDown:
    SetRow(row + VisibleDataRows());
    break;
  default:
    event->ignore();
  }
}

void TDrawGrid::mousePressEvent(QMouseEvent *event) {
  setFocus(Qt::MouseFocusReason);
  if (event->button() != Qt::LeftButton)
    return;
  int c = -1;
  int r = -1;
  const QPoint at = event->position().toPoint();
  MouseToCell(at.x(), at.y(), c, r);
  if (c >= fixedCols && r >= fixedRows)
    MoveTo(c, r, true);
}
