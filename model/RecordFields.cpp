#include "model/RecordFields.h"

#include "model/CLocale.h"
#include "model/FileErrors.h"
#include "model/TextLine.h"

#include <climits>
#include <cstdint>
#include <cstring>
#include <string>

namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// An optional sign followed by digits only.
bool IsIntegerWord(const std::string &word) {
  std::size_t i = word.empty() || (word[0] != '+' && word[0] != '-') ? 0 : 1;
  if (i >= word.size())
    return false;
  for (; i < word.size(); ++i)
    if (!IsDigit(word[i]))
      return false;
  return true;
}

[[noreturn]] void NoNumber(const std::string &word) {
  throw FileFormatError("Keine Zahl: " + word);
}

std::string FormatField(const char *record, const FieldColumn &field, int integerWidth) {
  if (field.size == sizeof(double)) {
    double value;
    std::memcpy(&value, record + field.offset, sizeof value);
    return FormatC(" %.14le", value);
  }
  std::int32_t value;
  std::memcpy(&value, record + field.offset, sizeof value);
  return FormatC(" %*d", integerWidth, value);
}

} // namespace

std::string NextWord(const char *&p) {
  while (IsBlank(*p))
    ++p;
  const char *start = p;
  while (*p != '\0' && !IsBlank(*p))
    ++p;
  return std::string(start, p);
}

void ReadFieldWord(const std::string &word, const FieldColumn &field, void *record) {
  char *bytes = static_cast<char *>(record);
  if (field.size == sizeof(double)) {
    double value = 0.0;
    if (!ParseDoubleC(word.c_str(), value))
      NoNumber(word);
    std::memcpy(bytes + field.offset, &value, sizeof value);
    return;
  }
  long value = 0;
  if (!IsIntegerWord(word) || !ParseLongC(word.c_str(), value) || value < INT32_MIN ||
      value > INT32_MAX)
    NoNumber(word);
  const std::int32_t stored = static_cast<std::int32_t>(value);
  std::memcpy(bytes + field.offset, &stored, sizeof stored);
}

void WriteFields(std::FILE *file, const void *record, std::span<const FieldColumn> fields,
                 int integerWidth) {
  const char *bytes = static_cast<const char *>(record);
  for (const FieldColumn &field : fields)
    WriteText(file, FormatField(bytes, field, integerWidth));
}

void ReadFields(const char *line, void *record, std::span<const FieldColumn> fields) {
  NextWord(line); // the row number
  for (const FieldColumn &field : fields) {
    const std::string word = NextWord(line);
    if (word.empty())
      return;
    ReadFieldWord(word, field, record);
  }
}

bool BeginsWithInteger(const char *text) {
  while (IsBlank(*text))
    ++text;
  if (*text == '+' || *text == '-')
    ++text;
  return IsDigit(*text);
}

long long RowNumberOf(const char *line) {
  const std::string word = NextWord(line);
  if (!IsIntegerWord(word))
    NoNumber(word);
  long value = 0;
  if (ParseLongC(word.c_str(), value))
    return value;
  return word[0] == '-' ? LLONG_MIN : LLONG_MAX; // beyond every row either way
}
