#include "platform/WaitCursor.h"

#include <QCursor>
#include <QGuiApplication>

WaitCursor::WaitCursor() {
  QGuiApplication::setOverrideCursor(Qt::WaitCursor);
}

WaitCursor::~WaitCursor() {
  QGuiApplication::restoreOverrideCursor();
}

NormalCursor::NormalCursor() : Lifted(QGuiApplication::overrideCursor() != nullptr) {
  if (Lifted)
    QGuiApplication::setOverrideCursor(Qt::ArrowCursor);
}

NormalCursor::~NormalCursor() {
  if (Lifted)
    QGuiApplication::restoreOverrideCursor();
}
