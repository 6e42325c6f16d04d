#include "model/CLocale.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <locale.h>
#include <vector>

namespace {

locale_t CLocaleHandle() {
  static locale_t handle = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0));
  return handle;
}

// Switches the calling thread to the "C" locale for its lifetime.
class ScopedCLocale {
public:
  ScopedCLocale() : previous_(uselocale(CLocaleHandle())) {}
  ~ScopedCLocale() { uselocale(previous_); }
  ScopedCLocale(const ScopedCLocale &) = delete;
  ScopedCLocale &operator=(const ScopedCLocale &) = delete;

private:
  locale_t previous_;
};

bool OnlyBlanksFrom(const char *p) {
  while (*p == ' ' || *p == '\t' || *p == '\r' || *p == '\n')
    ++p;
  return *p == '\0';
}

} // namespace

std::string VFormatC(const char *format, va_list args) {
  ScopedCLocale c;
  va_list copy;
  va_copy(copy, args);
  char small[256];
  int n = std::vsnprintf(small, sizeof small, format, copy);
  va_end(copy);
  if (n < 0)
    return {};
  if (static_cast<std::size_t>(n) < sizeof small)
    return std::string(small, n);
  std::vector<char> big(static_cast<std::size_t>(n) + 1);
  std::vsnprintf(big.data(), big.size(), format, args);
  return std::string(big.data(), n);
}

std::string FormatC(const char *format, ...) {
  va_list args;
  va_start(args, format);
  std::string s = VFormatC(format, args);
  va_end(args);
  return s;
}

int ScanC(const char *text, const char *format, ...) {
  ScopedCLocale c;
  va_list args;
  va_start(args, format);
  int n = std::vsscanf(text, format, args);
  va_end(args);
  return n;
}

double AtofC(const char *text) {
  ScopedCLocale c;
  return std::atof(text);
}

long AtolC(const char *text) {
  ScopedCLocale c;
  return std::atol(text);
}

std::string WithDecimalPoint(std::string text) {
  const std::size_t comma = text.find(',');
  if (comma != std::string::npos)
    text[comma] = '.';
  return text;
}

bool ParseDoubleC(const char *text, double &value) {
  ScopedCLocale c;
  char *end = nullptr;
  errno = 0;
  double v = std::strtod(text, &end);
  if (end == text || !std::isfinite(v) || !OnlyBlanksFrom(end))
    return false;
  value = v;
  return true;
}

bool ParseLongC(const char *text, long &value) {
  ScopedCLocale c;
  char *end = nullptr;
  errno = 0;
  long v = std::strtol(text, &end, 10);
  if (end == text || errno == ERANGE || !OnlyBlanksFrom(end))
    return false;
  value = v;
  return true;
}
