#include "platform/MessageBeep.h"

#include <QApplication>
#include <atomic>

namespace {
std::atomic<int> simpleBeeps{0};
std::atomic<int> defaultBeeps{0};
} // namespace

void MessageBeep(BeepKind kind) {
  ++(kind == BeepKind::Simple ? simpleBeeps : defaultBeeps);
  if (qobject_cast<QApplication *>(QCoreApplication::instance()))
    QApplication::beep();
}

int MessageBeepCount(BeepKind kind) {
  return kind == BeepKind::Simple ? simpleBeeps.load() : defaultBeeps.load();
}

int MessageBeepCount() {
  return simpleBeeps + defaultBeeps;
}

void ResetMessageBeepCount() {
  simpleBeeps = 0;
  defaultBeeps = 0;
}
