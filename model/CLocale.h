#pragma once
// Number formatting and parsing that ignore the process locale.  Every file
// the programs write (system, load, settings, protocol) must read the same
// on any machine, so none of them may pick up a decimal comma.
#include <cstdarg>
#include <string>

// printf-style formatting in the "C" locale, never cut.
std::string FormatC(const char *format, ...) __attribute__((format(printf, 1, 2)));
std::string VFormatC(const char *format, va_list args);

// sscanf in the "C" locale; returns what sscanf returns.
int ScanC(const char *text, const char *format, ...) __attribute__((format(scanf, 2, 3)));

// atof and atol in the "C" locale: leading blanks skipped, the longest
// number prefix read, text that is no number reads 0.
double AtofC(const char *text);
long AtolC(const char *text);

// The text with its first ',' turned into '.', so that a number written
// with a decimal comma ("0,001") reads as one; other text comes back as it
// was.
std::string WithDecimalPoint(std::string text);

// Strict parse of a whole field: true only when text (after blanks) is a
// finite number and nothing but blanks follows it.
bool ParseDoubleC(const char *text, double &value);
bool ParseLongC(const char *text, long &value);
