#include "analysis/ProtocolFormat.h"

#include "model/CLocale.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace {

// Widths and precisions beyond these go to the C library: a number then
// might not fit the buffer below.
constexpr int kLargestWidth = 1000;
constexpr int kLargestPrecision = 100;
// Up to this many significant digits the scaled value of RoundedScaled is
// below 10^6, so its one rounding error (under 10^-10) cannot move it across
// a half by more than the margin it keeps.
constexpr int kFastDigits = 6;

struct Spec {
  bool left = false;      // '-'
  bool alternate = false; // '#'
  bool zeros = false;     // '0'
  bool isLong = false;    // 'l'
  int width = 0;
  int precision = -1; // none given
  char conversion = 0;
};

int ReadNumber(const char *&p) {
  int value = 0;
  while (*p >= '0' && *p <= '9' && value <= kLargestPrecision * kLargestWidth)
    value = value * 10 + (*p++ - '0');
  return value;
}

// Reads the conversion that follows a '%' and moves p past it.  False when
// it is not one this formatter handles.
bool ReadSpec(const char *&p, Spec &spec) {
  for (;; ++p) {
    if (*p == '-')
      spec.left = true;
    else if (*p == '#')
      spec.alternate = true;
    else if (*p == '0')
      spec.zeros = true;
    else
      break;
  }
  spec.width = ReadNumber(p);
  if (*p == '.') {
    ++p;
    spec.precision = ReadNumber(p);
  }
  if (*p == 'l') {
    spec.isLong = true;
    ++p;
  }
  spec.conversion = *p;
  if (*p != '\0')
    ++p;
  if (spec.width > kLargestWidth || spec.precision > kLargestPrecision)
    return false;
  const bool plain = !spec.alternate && !spec.zeros && !spec.isLong;
  switch (spec.conversion) {
  case 'd':
  case 'i':
    return spec.precision < 0 && !spec.alternate;
  case 'g':
  case 'e':
  case 'f':
    return !spec.zeros;
  case 's':
    return plain;
  case 'c':
    return plain && spec.precision < 0;
  default:
    return false;
  }
}

// Appends body padded with blanks to the width, on the left unless '-'.
void Pad(std::string &text, std::string_view body, const Spec &spec) {
  const std::size_t width = static_cast<std::size_t>(spec.width);
  const std::size_t fill = body.size() < width ? width - body.size() : 0;
  if (!spec.left)
    text.append(fill, ' ');
  text += body;
  if (spec.left)
    text.append(fill, ' ');
}

void AppendInteger(std::string &text, long value, const Spec &spec) {
  std::array<char, 24> digits;
  const std::string_view body(
      digits.data(), std::to_chars(digits.begin(), digits.end(), value).ptr - digits.data());
  if (!spec.zeros || spec.left || body.size() >= static_cast<std::size_t>(spec.width)) {
    Pad(text, body, spec);
    return;
  }
  // Zeros go between the sign and the digits.
  const std::size_t sign = value < 0 ? 1 : 0;
  text += body.substr(0, sign);
  text.append(static_cast<std::size_t>(spec.width) - body.size(), '0');
  text += body.substr(sign);
}

// Whether %#g of value with digits significant digits is a value of
// digits digits before the point that rounded up to 10^digits, as 9999.5 does
// for 4 digits.  The C library then switches to the exponent form without the
// trailing zeros ("1.e+04", not "1.000e+04"), and the protocols have always
// had those bytes.
bool CarriedIntoExponent(std::string_view number, double value, int digits) {
  const std::size_t e = number.find('e');
  int exponent = 0;
  if (e == std::string_view::npos ||
      std::from_chars(number.data() + e + 2, number.data() + number.size(), exponent).ec !=
          std::errc() ||
      number[e + 1] != '+' || exponent != digits)
    return false;
  return std::fabs(value) < std::pow(10.0, digits);
}

// The alternate form of printf: the decimal point always, and for g the
// trailing zeros up to the precision in significant digits, both before any
// exponent.  number holds to_chars' text of value; the result goes to out.
std::string_view AlternateForm(std::string_view number, double value, const Spec &spec, int digits,
                               char *out) {
  const std::size_t exponent = std::min(number.find('e'), number.size());
  const std::string_view mantissa = number.substr(0, exponent);
  int shown = 0;
  bool leading = value != 0.0; // zeros before the first other digit do not count
  for (const char c : mantissa) {
    if (c < '0' || c > '9' || (leading && c == '0'))
      continue;
    leading = false;
    ++shown;
  }
  char *end = std::copy(mantissa.begin(), mantissa.end(), out);
  if (mantissa.find('.') == std::string_view::npos)
    *end++ = '.';
  if (spec.conversion == 'g' && shown < digits && !CarriedIntoExponent(number, value, digits))
    end = std::fill_n(end, digits - shown, '0');
  end = std::copy(number.begin() + static_cast<std::ptrdiff_t>(exponent), number.end(), end);
  return {out, static_cast<std::size_t>(end - out)};
}

// Significant digits and decimal exponent of a value: digits[0] is the
// first digit, exponent the power of ten it stands for.
struct Decimal {
  char digits[24] = {};
  int count = 0;
  int exponent = 0;
};

// The value rounded to precision significant digits by one scaling with an
// exact power of ten: the scaled value is then off by at most one rounding,
// far less than its distance from the nearest half unless it lies on or next
// to one, and there false asks for the exact conversion, as it does for
// magnitudes the exact powers of ten do not reach.  carried is set when the
// rounding added a digit in front (9.9995 to 10.00).
bool RoundedScaled(double value, int precision, Decimal &decimal, bool &carried) {
  static constexpr double kPowers[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                       1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                       1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
  constexpr int kLargest = 22;
  const double magnitude = std::fabs(value);
  // The binary exponent gives the decimal one, or one less (the loop below
  // corrects that), without a logarithm: 2^(e - 1) <= magnitude < 2^e, e
  // read from the bits of the (normal) value; 78913 / 2^18 is log10(2) to
  // six digits, and the shift rounds towards minus infinity.
  const int binary =
      static_cast<int>((std::bit_cast<std::uint64_t>(magnitude) >> 52) & 0x7FF) - 1022;
  int exponent = ((binary - 1) * 78913) >> 18;
  for (int attempt = 0; attempt < 2; ++attempt) {
    const int shift = precision - 1 - exponent;
    if (shift > kLargest || shift < -kLargest)
      return false;
    const double scaled = shift >= 0 ? magnitude * kPowers[shift] : magnitude / kPowers[-shift];
    // Where log10 was off by one.
    if (scaled < kPowers[precision - 1]) {
      --exponent;
      continue;
    }
    if (scaled >= kPowers[precision]) {
      ++exponent;
      continue;
    }
    // scaled is positive and below 10^precision: the cast is its floor.
    const auto whole = static_cast<std::int64_t>(scaled);
    const double fraction = scaled - static_cast<double>(whole);
    if (std::fabs(fraction - 0.5) < 1e-6)
      return false;
    std::int64_t digits = whole + (fraction > 0.5 ? 1 : 0);
    carried = static_cast<double>(digits) == kPowers[precision];
    if (carried) {
      digits /= 10;
      ++exponent;
    }
    // 10^(precision - 1) <= digits < 10^precision: precision digits.
    decimal.count = precision;
    auto rest = static_cast<std::uint32_t>(digits);
    for (int k = precision - 1; k >= 0; --k, rest /= 10)
      decimal.digits[k] = static_cast<char>('0' + rest % 10);
    decimal.exponent = exponent;
    return true;
  }
  return false;
}

// Copies count digits (at most kFastDigits) from a Decimal to out and
// returns the end: always eight bytes, without a call, so out needs room
// for eight beyond the end.
char *CopyDigits(char *out, const char *digits, int count) {
  std::memcpy(out, digits, 8);
  return out + count;
}

// %g of a normal value (not zero, subnormal, infinite or NaN) with a
// precision of 1 .. kFastDigits, from its digits rounded by RoundedScaled,
// into out (room for 24 characters); returns the end.  nullptr where those
// cannot decide.
char *GeneralFromScaled(double value, const Spec &spec, int precision, char *out) {
  Decimal d;
  bool carried = false;
  if (!RoundedScaled(value, precision, d, carried))
    return nullptr;
  // The digits printed: all precision of them in the alternate form (but as
  // CarriedIntoExponent describes after a carry into 10^precision), else
  // without trailing zeros.
  int shown = d.count;
  for (; spec.alternate && shown < precision; ++shown)
    d.digits[shown] = '0';
  const bool quirk = spec.alternate && carried && d.exponent == precision;
  while ((!spec.alternate || quirk) && shown > 1 && d.digits[shown - 1] == '0')
    --shown;
  if (std::signbit(value))
    *out++ = '-';
  if (d.exponent < -4 || d.exponent >= precision) {
    *out++ = d.digits[0];
    if (shown > 1 || spec.alternate)
      *out++ = '.';
    out = CopyDigits(out, d.digits + 1, shown - 1);
    const int magnitude = d.exponent < 0 ? -d.exponent : d.exponent; // at most 308
    *out++ = 'e';
    *out++ = d.exponent < 0 ? '-' : '+';
    if (magnitude >= 100)
      *out++ = static_cast<char>('0' + magnitude / 100);
    *out++ = static_cast<char>('0' + magnitude / 10 % 10);
    *out++ = static_cast<char>('0' + magnitude % 10);
  } else if (d.exponent < 0) {
    *out++ = '0';
    *out++ = '.';
    std::memcpy(out, "000", 3); // -d.exponent - 1 <= 3 of them
    out = CopyDigits(out - d.exponent - 1, d.digits, shown);
  } else {
    const int whole = d.exponent + 1;
    for (int k = 0; k < whole; ++k)
      *out++ = k < shown ? d.digits[k] : '0';
    if (shown > whole || spec.alternate)
      *out++ = '.';
    if (shown > whole)
      out = CopyDigits(out, d.digits + whole, shown - whole);
  }
  return out;
}

// Appends the length characters at body right-aligned in width, with one
// append: a number column, the common case.  body must be readable for
// kShortBody characters.
constexpr std::size_t kShortBody = 16;
constexpr std::size_t kShortWidth = 32;
void AppendShort(std::string &text, const char *body, std::size_t length, std::size_t width) {
  char field[kShortWidth + kShortBody];
  const std::size_t fill = length < width ? width - length : 0;
  std::memset(field, ' ', kShortWidth);
  std::memcpy(field + fill, body, kShortBody);
  text.append(field, fill + length);
}

// False when the number does not fit the buffer (not with the limits above).
bool AppendDouble(std::string &text, double value, const Spec &spec) {
  // %f of the largest double has 309 digits before the point.
  std::array<char, 320 + kLargestPrecision> number, alternate;
  int precision = spec.precision < 0 ? 6 : spec.precision;
  std::chars_format style = std::chars_format::general;
  if (spec.conversion == 'e')
    style = std::chars_format::scientific;
  else if (spec.conversion == 'f')
    style = std::chars_format::fixed;
  else if (precision == 0)
    precision = 1; // %g counts significant digits, at least one
  if (spec.conversion == 'g' && precision <= kFastDigits && std::isnormal(value)) {
    if (const char *end = GeneralFromScaled(value, spec, precision, number.data())) {
      const auto length = static_cast<std::size_t>(end - number.data());
      if (!spec.left && static_cast<std::size_t>(spec.width) <= kShortWidth)
        AppendShort(text, number.data(), length, static_cast<std::size_t>(spec.width));
      else
        Pad(text, std::string_view(number.data(), length), spec);
      return true;
    }
  }
  const std::to_chars_result r =
      std::to_chars(number.begin(), number.end(), value, style, precision);
  if (r.ec != std::errc())
    return false;
  std::string_view body(number.data(), static_cast<std::size_t>(r.ptr - number.data()));
  if (spec.alternate && std::isfinite(value))
    body = AlternateForm(body, value, spec, precision, alternate.data());
  Pad(text, body, spec);
  return true;
}

void AppendString(std::string &text, const char *value, const Spec &spec) {
  if (value == nullptr)
    value = "(null)";
  const std::size_t length = spec.precision < 0
                                 ? std::strlen(value)
                                 : strnlen(value, static_cast<std::size_t>(spec.precision));
  Pad(text, std::string_view(value, length), spec);
}

// Appends one conversion, taking its argument from args.
bool AppendConversion(std::string &text, const Spec &spec, va_list &args) {
  switch (spec.conversion) {
  case 'd':
  case 'i':
    AppendInteger(text, spec.isLong ? va_arg(args, long) : va_arg(args, int), spec);
    return true;
  case 'c': {
    const char c = static_cast<char>(va_arg(args, int));
    Pad(text, std::string_view(&c, 1), spec);
    return true;
  }
  case 's':
    AppendString(text, va_arg(args, const char *), spec);
    return true;
  default:
    return AppendDouble(text, va_arg(args, double), spec);
  }
}

// Formats by hand; false at the first conversion not handled here.
bool AppendByHand(std::string &text, const char *format, va_list &args) {
  for (const char *p = format; *p != '\0';) {
    const char *percent = std::strchr(p, '%');
    if (percent == nullptr) {
      text += p;
      return true;
    }
    text.append(p, percent);
    p = percent + 1;
    if (*p == '%') {
      text += '%';
      ++p;
      continue;
    }
    Spec spec;
    if (!ReadSpec(p, spec) || !AppendConversion(text, spec, args))
      return false;
  }
  return true;
}

} // namespace

void AppendFormatted(std::string &text, const char *format, va_list args) {
  const std::size_t start = text.size();
  va_list byHand;
  va_copy(byHand, args);
  const bool done = AppendByHand(text, format, byHand);
  va_end(byHand);
  if (done)
    return;
  text.resize(start);
  text += VFormatC(format, args);
}

void AppendAlternateG(std::string &text, double value, int width, int precision) {
  Spec spec;
  spec.alternate = true;
  spec.isLong = true;
  spec.width = std::clamp(width, 0, kLargestWidth);
  spec.precision = std::clamp(precision, 0, kLargestPrecision);
  spec.conversion = 'g';
  AppendDouble(text, value, spec);
}
