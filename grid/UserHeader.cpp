#include "grid/UserHeader.h"

#include "grid/UserGrid.h"

#include <QPainter>

TUserHeader::TUserHeader(QObject *owner) : QObject(owner) {}

TUserHeader::~TUserHeader() {
  if (grid != nullptr)
    grid->RemoveHeader(this);
}

void TUserHeader::SetGrid(TUserGrid *value) {
  grid = value;
  Actual();
}

void TUserHeader::SetColB(int value) {
  colB = value;
  Actual();
}

void TUserHeader::SetColE(int value) {
  colE = value;
  Actual();
}

void TUserHeader::SetRowB(int value) {
  rowB = value;
  Actual();
}

void TUserHeader::SetRowE(int value) {
  rowE = value;
  Actual();
}

void TUserHeader::SetText(const QString &value) {
  text = value;
  Actual();
}

void TUserHeader::Actual() {
  if (grid != nullptr && 0 <= rowB && rowB <= rowE && 0 <= colB && colB <= colE)
    grid->SetHeader(rowB, rowE, colB, colE, this);
}

void TUserHeader::Draw(QPainter &canvas) {
  if (grid == nullptr)
    return;
  const QPoint topLeft = grid->TopLeft(rowB, colB);
  const QPoint bottomRight = grid->BottomRight(rowE, colE);
  const QRect rect(topLeft, QPoint(bottomRight.x() - 1, bottomRight.y() - 1));
  canvas.save();
  canvas.setBrush(grid->palette().button());
  canvas.setPen(Qt::black);
  canvas.drawRect(rect.adjusted(0, 0, -1, -1));
  const QFontMetrics metrics = canvas.fontMetrics();
  const int x =
      static_cast<int>((rect.width() - metrics.horizontalAdvance(text)) * 0.5 + rect.left());
  const int y = static_cast<int>((rect.height() - metrics.height()) * 0.5 + rect.top());
  canvas.setClipRect(rect);
  canvas.drawText(x, y + metrics.ascent(), text);
  canvas.restore();
}
