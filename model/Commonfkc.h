#pragma once
// Small number and text helpers used throughout the program.  Error, which
// raises an Exception with a formatted message, lives in model/Message.h.
#include <cstdint>
#include <cstdio>
#include <string>

// (1 - t) * a + t * b.
inline double Interpolate(double a, double b, double t) {
  return (1.0 - t) * a + t * b;
}

// a when b < a, else b.
inline std::int32_t IMax(std::int32_t a, std::int32_t b) {
  return b < a ? a : b;
}
// The first argument when it is strictly smaller, else the second.
inline double DMin(double a, double b) {
  return a >= b ? b : a;
}
// The first argument when it is strictly larger, else the second.
inline double DMax(double a, double b) {
  return a > b ? a : b;
}

// value clamped to 0 .. 1; a value that is not >= 0 (NaN too) becomes 0.
inline double ClampToUnit(double value) {
  if (!(value >= 0.0))
    return 0.0;
  return value > 1.0 ? 1.0 : value;
}

// In place: trailing blanks and tabs removed, then leading blanks (leading
// tabs stay).  Returns text.
char *Trim(char *text);

// printf-style formatting in the "C" locale; the text is never cut.
std::string FormatString(const char *format, ...) __attribute__((format(printf, 1, 2)));

// In place: every tab but one in the last position becomes blanks up to the
// next multiple of 8.  A tab whose expansion would leave the text at size - 1
// characters or more stays, and so do all tabs after it.  Returns text.
char *ExpandTabs(char *text, int size);

// Reads at most size - 1 characters of one line from file into buffer, drops
// the line end (a line feed and a carriage return before it) and expands the
// tabs.  A longer line is continued by the next call.
// Returns kLineRead, or kEndOfFile when nothing was left to read.
constexpr int kLineRead = 1;
constexpr int kEndOfFile = 3;
int ReadLine(char *buffer, int size, std::FILE *file);
