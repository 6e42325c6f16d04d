#include "platform/WrapLayout.h"

#include <QWidget>

#include <algorithm>

WrapLayout::WrapLayout(QWidget *parent, int spacing) : QLayout(parent), gap(spacing) {}

WrapLayout::~WrapLayout() {
  while (QLayoutItem *item = takeAt(0))
    delete item;
}

void WrapLayout::addItem(QLayoutItem *item) {
  items.append(item);
}

int WrapLayout::count() const {
  return static_cast<int>(items.size());
}

QLayoutItem *WrapLayout::itemAt(int index) const {
  return items.value(index);
}

QLayoutItem *WrapLayout::takeAt(int index) {
  return index >= 0 && index < items.size() ? items.takeAt(index) : nullptr;
}

Qt::Orientations WrapLayout::expandingDirections() const {
  return {};
}

bool WrapLayout::hasHeightForWidth() const {
  return true;
}

int WrapLayout::heightForWidth(int width) const {
  return Arrange(QRect(0, 0, width, 0), false);
}

QSize WrapLayout::sizeHint() const {
  int width = 0, height = 0, shown = 0;
  for (const QLayoutItem *item : items) {
    if (item->isEmpty())
      continue;
    const QSize hint = item->sizeHint();
    width += hint.width() + (shown++ > 0 ? gap : 0);
    height = std::max(height, hint.height());
  }
  const QMargins m = contentsMargins();
  return QSize(width + m.left() + m.right(), height + m.top() + m.bottom());
}

QSize WrapLayout::minimumSize() const {
  QSize size;
  for (const QLayoutItem *item : items)
    if (!item->isEmpty())
      size = size.expandedTo(item->sizeHint());
  const QMargins m = contentsMargins();
  return size + QSize(m.left() + m.right(), m.top() + m.bottom());
}

void WrapLayout::setGeometry(const QRect &rect) {
  QLayout::setGeometry(rect);
  Arrange(rect, true);
}

int WrapLayout::Arrange(const QRect &rect, bool place) const {
  const QRect area = rect.marginsRemoved(contentsMargins());
  int y = area.top();
  QList<QLayoutItem *> row;
  int rowWidth = 0, rowHeight = 0;
  auto finishRow = [&] {
    int x = area.left();
    for (QLayoutItem *item : row) {
      const QSize hint = item->sizeHint();
      if (place)
        item->setGeometry(QRect(QPoint(x, y + (rowHeight - hint.height()) / 2), hint));
      x += hint.width() + gap;
    }
    if (!row.isEmpty())
      y += rowHeight + gap;
    row.clear();
    rowWidth = rowHeight = 0;
  };
  for (QLayoutItem *item : items) {
    if (item->isEmpty())
      continue;
    const QSize hint = item->sizeHint();
    if (!row.isEmpty() && rowWidth + gap + hint.width() > area.width())
      finishRow();
    rowWidth += (row.isEmpty() ? 0 : gap) + hint.width();
    rowHeight = std::max(rowHeight, hint.height());
    row.append(item);
  }
  finishRow();
  const int used = y > area.top() ? y - gap - area.top() : 0;
  return used + contentsMargins().top() + contentsMargins().bottom();
}
