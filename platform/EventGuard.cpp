#include "platform/EventGuard.h"

#include "platform/MessageBox.h"

#include <QCoreApplication>
#include <exception>

// Exception (model/Message.h) derives from std::runtime_error, so one handler
// catches both.
bool Guarded(const std::function<void()> &body) {
  try {
    body();
    return true;
  } catch (const std::exception &error) {
    MessageBox(error.what(), QCoreApplication::applicationName().toStdString(), MsgButtons::Ok,
               MsgIcon::Error);
    return false;
  }
}
