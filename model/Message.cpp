#include "model/Message.h"

#include "model/CLocale.h"

#include <cstdarg>

void Error(const char *format, ...) {
  va_list args;
  va_start(args, format);
  std::string message = VFormatC(format, args);
  va_end(args);
  throw Exception(message);
}
