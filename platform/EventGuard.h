#pragma once
// Every event handler body runs inside this guard: an exception that escapes
// the body (an Exception of the model or any std::exception) is shown in a
// message box with the application's name as caption and the error icon,
// and the program goes on with its next event.
#include <functional>

// Runs body; true when it returned normally, false when it threw.
bool Guarded(const std::function<void()> &body);
