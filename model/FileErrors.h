#pragma once
// Faults of the file readers and writers.  The whole-file commands turn them
// into the message the user sees; other exceptions ("Line to long", out of
// memory) keep their own text.
#include "model/Message.h"

// A file holds something no writer of ours produced: a section count that
// disagrees with its records, a field that is no number.
class FileFormatError : public Exception {
public:
  using Exception::Exception;
};

// A write to a file failed.
class FileWriteError : public Exception {
public:
  using Exception::Exception;
};
