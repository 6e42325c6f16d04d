#pragma once
// The keyboard and mouse as a user has them.  Keys name no widget: they go
// to the window that has the focus and there to its focus widget, the
// window's shortcuts first, so a key lands wherever the program put the
// focus.  The mouse clicks and drags on grid cells.
#include "grid/UserGrid.h"

#include <QApplication>
#include <QMouseEvent>
#include <QtTest>

inline void PressKey(Qt::Key key, Qt::KeyboardModifiers held = Qt::NoModifier) {
  QTest::keyClick(static_cast<QWidget *>(nullptr), key, held);
}

inline void TypeText(const QString &text) {
  QTest::keyClicks(static_cast<QWidget *>(nullptr), text);
}

// The grid that has the focus; null when the focus is elsewhere.
inline TUserGrid *FocusGrid() {
  return qobject_cast<TUserGrid *>(QApplication::focusWidget());
}

// Types rows into whatever has the focus, from its current cell on: Tab
// after each field and Return after a row's last one, unless a full text
// (a one-letter choice) left the cell by itself.  Read-only columns are
// passed over by the grid, so the rows list only editable ones.
inline void TypeRows(const QList<QStringList> &rows) {
  for (const QStringList &row : rows)
    for (int i = 0; i < row.size(); ++i) {
      const TUserGrid *grid = FocusGrid();
      const QPoint at = grid != nullptr ? QPoint(grid->Col(), grid->Row()) : QPoint();
      TypeText(row[i]);
      if (grid == nullptr || QPoint(grid->Col(), grid->Row()) == at)
        PressKey(i + 1 < row.size() ? Qt::Key_Tab : Qt::Key_Return);
    }
}

inline void ClickCell(TUserGrid *grid, int column, int row,
                      Qt::MouseButton button = Qt::LeftButton) {
  QTest::mouseClick(grid->viewport(), button, {}, grid->CellRect(column, row).center());
}

// A block dragged with the left button from one cell to another.
inline void DragCells(TUserGrid *grid, int column1, int row1, int column2, int row2) {
  auto send = [grid](QEvent::Type type, int column, int row) {
    const QPointF at = grid->CellRect(column, row).center();
    QMouseEvent event(type, at, grid->viewport()->mapToGlobal(at), Qt::LeftButton,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(grid->viewport(), &event);
  };
  send(QEvent::MouseButtonPress, column1, row1);
  send(QEvent::MouseMove, column2, row2);
  send(QEvent::MouseButtonRelease, column2, row2);
}
