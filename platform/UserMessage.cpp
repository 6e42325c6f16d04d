#include "platform/UserMessage.h"

#include <QCoreApplication>

QEvent::Type UserMessageEvent::EventType() {
  static const QEvent::Type type = static_cast<QEvent::Type>(QEvent::registerEventType());
  return type;
}

const UserMessageEvent *AsUserMessage(const QEvent *event) {
  return event->type() == UserMessageEvent::EventType()
             ? static_cast<const UserMessageEvent *>(event)
             : nullptr;
}

void PostUserMessage(QObject *receiver, int message, std::intptr_t wParam, std::intptr_t lParam) {
  QCoreApplication::postEvent(receiver, new UserMessageEvent(message, wParam, lParam));
}

bool SendUserMessage(QObject *receiver, int message, std::intptr_t wParam, std::intptr_t lParam) {
  UserMessageEvent event(message, wParam, lParam);
  return QCoreApplication::sendEvent(receiver, &event);
}
