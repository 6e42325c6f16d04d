#pragma once
// Custom window messages: one event type that carries a message number and
// two parameters.  Posting queues the message behind the events already
// waiting; sending delivers it at once.  Windows that handle messages test
// the number in their event() and pass every other message on.
#include <QEvent>
#include <cstdint>

class QObject;

// Message numbers of Kelmor's windows.
constexpr int UM_EDITCHANGED = 1025;  // a numeric edit's text changed (a signal of TMyEdit)
constexpr int UM_STARTUP = 1425;      // the main window's start-up work
constexpr int UM_AUTOSIZE = 3024;     // a data grid fits its columns or its form to its width
constexpr int UM_DELETEROW = 3025;    // a data grid frees its current row
constexpr int UM_MODELCHANGED = 3027; // rebuild from the model (wParam: keep the view)
constexpr int UM_COUNTPRINT = 3029;   // take a tile number (lParam: the address of the counter)
constexpr int UM_PRINTTILE = 3030;    // draw into a page tile (lParam: the tile record)
constexpr int UM_EXCLUDEPRINT = 3031; // take no part in the next printout
constexpr int UM_INCLUDEPRINT = 3032; // take part in the next printout

class UserMessageEvent : public QEvent {
public:
  UserMessageEvent(int message, std::intptr_t wParam, std::intptr_t lParam)
      : QEvent(EventType()), Message(message), WParam(wParam), LParam(lParam) {}

  // The event type registered for all custom messages.
  static QEvent::Type EventType();

  const int Message;
  const std::intptr_t WParam;
  const std::intptr_t LParam;
};

// The message carried by event, or null when event is no custom message.
const UserMessageEvent *AsUserMessage(const QEvent *event);

void PostUserMessage(QObject *receiver, int message, std::intptr_t wParam = 0,
                     std::intptr_t lParam = 0);
// True when the receiver accepted the message.
bool SendUserMessage(QObject *receiver, int message, std::intptr_t wParam = 0,
                     std::intptr_t lParam = 0);
