#include "platform/FloatToStrF.h"

#include "model/CLocale.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {
// The digits after the point, trailing zeros dropped; empty when none.
std::string Fraction(const std::string &digits, std::size_t from) {
  std::string fraction = from < digits.size() ? digits.substr(from) : std::string();
  while (!fraction.empty() && fraction.back() == '0')
    fraction.pop_back();
  return fraction;
}
} // namespace

std::string FloatToStrF(double value, int precision, char decimalSeparator) {
  if (std::isnan(value))
    return "NAN";
  if (std::isinf(value))
    return value < 0 ? "-INF" : "INF";
  if (value == 0)
    return "0";
  precision = std::clamp(precision, 1, 17);
  // d.ddddde+x: the rounded digits and the exponent in one step, so that a
  // carry (9.9999996 -> 10) lands in the exponent.
  const std::string scientific = FormatC("%.*e", precision - 1, std::fabs(value));
  const std::size_t ePos = scientific.find('e');
  std::string digits = scientific.substr(0, ePos);
  digits.erase(std::remove(digits.begin(), digits.end(), '.'), digits.end());
  const int e = std::atoi(scientific.c_str() + ePos + 1) + 1;
  std::string text = value < 0 ? "-" : "";
  if (e < -3 || e > precision) {
    text += digits.substr(0, 1);
    const std::string fraction = Fraction(digits, 1);
    if (!fraction.empty())
      text += decimalSeparator + fraction;
    return text + "E" + std::to_string(e - 1);
  }
  if (e <= 0) {
    text += std::string("0") + decimalSeparator + std::string(-e, '0');
    return text + Fraction(digits, 0);
  }
  digits.resize(std::max<std::size_t>(digits.size(), e), '0');
  text += digits.substr(0, e);
  const std::string fraction = Fraction(digits, e);
  if (!fraction.empty())
    text += decimalSeparator + fraction;
  return text;
}
