#pragma once
// Right-clicks a bar of a main window (tool bar, menu bar) and tells whether
// a menu opened there; one that did is closed again.
#include <QApplication>
#include <QContextMenuEvent>
#include <QTimer>
#include <QWidget>

inline bool BarMenuOpens(QWidget *bar) {
  bool opened = false;
  auto closePopup = [&opened] {
    if (QWidget *popup = QApplication::activePopupWidget()) {
      opened = true;
      popup->close();
    }
  };
  // A menu run modally is closed from inside its own loop.
  QTimer::singleShot(0, bar, closePopup);
  const QPoint at(4, 4);
  QContextMenuEvent click(QContextMenuEvent::Mouse, at, bar->mapToGlobal(at));
  QApplication::sendEvent(bar, &click);
  closePopup();
  QApplication::processEvents();
  return opened;
}
