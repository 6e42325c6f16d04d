#include "grid/UserInt.h"

#include "model/CLocale.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <limits>
#include <utility>

namespace {
// Room of the working copy of a string value.
constexpr std::size_t kStringRoom = 1000;

bool FitsInt32(double value) {
  return std::isfinite(value) && value >= std::numeric_limits<std::int32_t>::min() &&
         value <= std::numeric_limits<std::int32_t>::max();
}
} // namespace

TUserInt::TUserInt(QObject *owner) : TUserCell(owner) {}

void TUserInt::ValueToText(const void *value, std::string &text) {
  if (value == nullptr)
    return;
  if (format.empty() && typ != uString) {
    text.clear();
    return;
  }
  switch (typ) {
  case uInteger:
    text = FormatC(format.c_str(), *static_cast<const std::int32_t *>(value));
    break;
  case uDouble:
    text = FormatC(format.c_str(), *static_cast<const double *>(value));
    break;
  case uString:
    text = static_cast<const char *>(value);
    break;
  }
}

QChar TUserInt::Charfilter(QChar ch) {
  if (ch >= QChar('0') && ch <= QChar('9'))
    return ch;
  if (typ == uString)
    return ch;
  if (typ == uDouble && QStringLiteral("+-Ee.,").contains(ch))
    return ch;
  return QChar();
}

bool TUserInt::Arithmetic(void *value, double result) {
  if (typ == uInteger) {
    const double whole = std::trunc(result);
    if (!FitsInt32(whole))
      return false;
    intValue = static_cast<std::int32_t>(whole);
    if (!Typeable(&intValue))
      return false;
    *static_cast<std::int32_t *>(value) = intValue;
  } else {
    doubleValue = result;
    if (!Typeable(&doubleValue))
      return false;
    *static_cast<double *>(value) = doubleValue;
  }
  return true;
}

bool TUserInt::Add(void *value, double x) {
  if (value == nullptr || typ == uString)
    return true;
  return Arithmetic(
      value,
      (typ == uInteger ? *static_cast<std::int32_t *>(value) : *static_cast<double *>(value)) + x);
}

bool TUserInt::Mult(void *value, double x) {
  if (value == nullptr || typ == uString)
    return true;
  return Arithmetic(
      value,
      (typ == uInteger ? *static_cast<std::int32_t *>(value) : *static_cast<double *>(value)) * x);
}

const void *TUserInt::TextToValue(std::string &text) {
  switch (typ) {
  case uInteger: {
    errno = 0;
    const long value = AtolC(text.c_str());
    if (errno == ERANGE || !FitsInt32(static_cast<double>(value)))
      return nullptr;
    intValue = static_cast<std::int32_t>(value);
    return &intValue;
  }
  case uDouble: {
    text = WithDecimalPoint(std::move(text));
    doubleValue = AtofC(text.c_str());
    return std::isfinite(doubleValue) ? &doubleValue : nullptr;
  }
  case uString: // padded, so that a field wider than the text reads zeros
    stringValue = text;
    stringValue.resize(std::max<std::size_t>(stringValue.size(), kStringRoom), '\0');
    return stringValue.data();
  }
  return nullptr;
}

bool TUserInt::Readable(const std::string &text) {
  if (typ == uInteger) {
    long value = 0;
    return ParseLongC(text.c_str(), value) && FitsInt32(static_cast<double>(value));
  }
  if (typ == uDouble) {
    double value = 0;
    return ParseDoubleC(WithDecimalPoint(text).c_str(), value);
  }
  return true;
}

void TUserInt::ValueToCopyText(const void *value, std::string &text) {
  if (typ != uDouble || value == nullptr)
    return ValueToText(value, text);
  char buffer[32]; // the longest shortest double has 24 characters
  const auto end = std::to_chars(buffer, std::end(buffer), *static_cast<const double *>(value)).ptr;
  text.assign(buffer, end);
}

int TUserInt::DatLen() const {
  return typ == uInteger ? 4 : 8;
}
