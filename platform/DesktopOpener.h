#pragma once
// Opens a local file with the program the desktop has for its type, and
// reports when that did not happen.  Where the desktop's opener (xdg-open)
// exists it is started without waiting and watched: it ends with a non-zero
// status when no program for the type is registered or the one registered
// could not be run, which the start alone does not tell.  Without it Qt's
// own search for a browser is asked.
#include <functional>

class QObject;
class QString;

// Calls failed, at once or later from the message loop, when there is no
// opener, it could not be started or it ended with a failure.  failed is not
// called once receiver is gone.  An opener that still runs when the program
// ends is left running (it may be the browser that shows the file).
void OpenWithDesktop(const QString &path, QObject *receiver, std::function<void()> failed);
