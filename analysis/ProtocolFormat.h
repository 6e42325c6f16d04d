#pragma once
// printf-style formatting for the protocols, fast enough for a protocol of
// many megabytes.  The C library's printf takes a locale lock and walks its
// general machinery for every number; here the format is read by hand, %g
// with up to six significant digits is rounded by one exact scaling where
// that decides the rounding, and every other number goes through
// std::to_chars.  The bytes are those printf gives in the "C" locale,
// whatever the process locale.
//
// Handled by hand: the conversions d and i (optionally with l), c, s, %, and
// g, e, f for doubles (l or none); the flags '-', '#' and, for d and i, '0';
// a decimal width; a precision for s, g, e and f.  A format with anything
// else (other conversions or flags, '*', h, ll, z) is formatted as a whole
// by the C library instead, so the result is always printf's.
#include <cstdarg>
#include <string>

// Appends the formatted text to text.
void AppendFormatted(std::string &text, const char *format, va_list args);

// Appends value as "%#<width>.<precision>lg" does, the form of the
// protocols' number columns, without reading a format.  A width beyond 1000
// or a precision beyond 100 is cut to it.
void AppendAlternateG(std::string &text, double value, int width, int precision);
