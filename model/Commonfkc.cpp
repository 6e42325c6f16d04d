#include "model/Commonfkc.h"

#include "model/CLocale.h"

#include <cstdarg>
#include <cstring>

char *Trim(char *text) {
  std::size_t length = std::strlen(text);
  while (length > 0 && (text[length - 1] == ' ' || text[length - 1] == '\t'))
    --length;
  text[length] = '\0';
  std::size_t lead = 0;
  while (text[lead] == ' ')
    ++lead;
  std::memmove(text, text + lead, length - lead + 1);
  return text;
}

std::string FormatString(const char *format, ...) {
  va_list args;
  va_start(args, format);
  std::string text = VFormatC(format, args);
  va_end(args);
  return text;
}

char *ExpandTabs(char *text, int size) {
  std::size_t length = std::strlen(text);
  for (std::size_t i = 0; i + 1 < length; ++i) {
    if (text[i] != '\t')
      continue;
    const std::size_t target = (i / 8) * 8 + 8;
    const std::size_t rest = length - i - 1; // characters after the tab
    if (static_cast<long long>(target + rest) >= static_cast<long long>(size) - 1)
      break;
    std::memmove(text + target, text + i + 1, rest + 1);
    std::memset(text + i, ' ', target - i);
    length = target + rest;
    i = target - 1;
  }
  return text;
}

int ReadLine(char *buffer, int size, std::FILE *file) {
  if (size < 2 || std::fgets(buffer, size, file) == nullptr)
    return kEndOfFile;
  std::size_t length = std::strlen(buffer);
  if (length > 0 && buffer[length - 1] == '\n') {
    buffer[--length] = '\0';
    if (length > 0 && buffer[length - 1] == '\r')
      buffer[--length] = '\0';
  }
  ExpandTabs(buffer, size);
  return kLineRead;
}
