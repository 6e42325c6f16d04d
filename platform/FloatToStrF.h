#pragma once
// The general number format of the numeric edits and value dialogs: the
// shortest text that shows a value rounded to a number of significant
// digits.
#include <string>

// value rounded to precision significant digits (1 .. 17), trailing zeros
// and a needless decimal separator dropped, a leading '-' for negative
// values.  Written as 0.d1d2... x 10^e, the value is shown in fixed notation
// when -3 <= e <= precision or it is 0 (then "0"); else in scientific
// notation: the first digit, the separator and the further digits when there
// are any, 'E', '-' for a negative exponent and e - 1 without leading zeros
// (1.23457E6, 1E-5).  Infinity and NaN give "INF", "-INF" and "NAN".
std::string FloatToStrF(double value, int precision, char decimalSeparator = '.');
