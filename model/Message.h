#pragma once
// The exception every unexpected condition raises, and Error, which formats
// its message printf-style.  The event dispatch of the windows catches it and
// shows the message; the program goes on.
#include <stdexcept>
#include <string>

class Exception : public std::runtime_error {
public:
  explicit Exception(const std::string &message) : std::runtime_error(message) {}
};

// Formats the message (locale-independent, never cut) and throws Exception.
[[noreturn]] void Error(const char *format, ...) __attribute__((format(printf, 1, 2)));
