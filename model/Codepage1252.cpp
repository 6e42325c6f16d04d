#include "model/Codepage1252.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>

namespace {

// Code points of 0x80..0x9F; the rest of 1252 equals Latin-1.
constexpr std::array<char32_t, 32> kHigh = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void AppendUtf8(std::string &out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

char EncodeOne(char32_t c) {
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
    return static_cast<char>(c);
  for (std::size_t i = 0; i < kHigh.size(); ++i)
    if (kHigh[i] == c)
      return static_cast<char>(0x80 + i);
  return '?';
}

// Reads one UTF-8 sequence at text[i]; advances i.  Invalid input yields
// U+FFFD, which has no 1252 code.
char32_t DecodeUtf8(std::string_view text, std::size_t &i) {
  auto b = static_cast<unsigned char>(text[i++]);
  if (b < 0x80)
    return b;
  int extra = b >= 0xF0 ? 3 : b >= 0xE0 ? 2 : b >= 0xC0 ? 1 : -1;
  if (extra < 0)
    return 0xFFFD;
  char32_t c = b & (0x3F >> extra);
  for (int k = 0; k < extra; ++k) {
    if (i >= text.size() || (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80)
      return 0xFFFD;
    c = (c << 6) | (static_cast<unsigned char>(text[i++]) & 0x3F);
  }
  return c;
}

// The length of the run of ASCII bytes that text starts with, most of any
// text, read eight bytes at a time.
std::size_t AsciiRun(std::string_view text) {
  constexpr std::uint64_t kHighBits = 0x8080808080808080u;
  std::size_t n = 0;
  for (std::uint64_t word = 0; n + 8 <= text.size(); n += 8) {
    std::memcpy(&word, text.data() + n, 8);
    if ((word & kHighBits) != 0)
      break;
  }
  while (n < text.size() && static_cast<unsigned char>(text[n]) < 0x80)
    ++n;
  return n;
}

// Walks text as its 1252 bytes are written: ascii(run) for each run of
// ASCII bytes, other(c) for each other character (U+FFFD for invalid bytes).
template <class Ascii, class Other>
void WalkForCp1252(std::string_view text, Ascii ascii, Other other) {
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t run = AsciiRun(text.substr(i));
    ascii(text.substr(i, run));
    i += run;
    if (i < text.size())
      other(DecodeUtf8(text, i));
  }
}

// The length of the well-formed UTF-8 sequence of two to four bytes that
// text starts with, 0 when there is none.
std::size_t SequenceLength(std::string_view text) {
  const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
  const unsigned char lead = byte(0);
  const std::size_t length = lead >= 0xC2 && lead <= 0xDF   ? 2
                             : lead >= 0xE0 && lead <= 0xEF ? 3
                             : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                            : 0;
  if (length == 0 || text.size() < length)
    return 0;
  for (std::size_t k = 1; k < length; ++k)
    if ((byte(k) & 0xC0) != 0x80)
      return 0;
  // The second byte's range rules out overlong forms, surrogates and code
  // points beyond U+10FFFF.
  const unsigned char second = byte(1);
  const bool tooShort = (lead == 0xE0 && second < 0xA0) || (lead == 0xF0 && second < 0x90);
  const bool outOfRange = (lead == 0xED && second > 0x9F) || (lead == 0xF4 && second > 0x8F);
  return tooShort || outOfRange ? 0 : length;
}

} // namespace

std::string Cp1252ToUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (char ch : bytes) {
    auto b = static_cast<unsigned char>(ch);
    AppendUtf8(out, b >= 0x80 && b < 0xA0 ? kHigh[b - 0x80] : b);
  }
  return out;
}

std::string Utf8ToCp1252(std::string_view text) {
  std::string out(text.size(), '\0');
  out.resize(static_cast<std::size_t>(EncodeCp1252(text, out.data()) - out.data()));
  return out;
}

char *EncodeCp1252(std::string_view text, char *out) {
  WalkForCp1252(
      text,
      [&](std::string_view run) {
        std::memcpy(out, run.data(), run.size());
        out += run.size();
      },
      [&](char32_t c) { *out++ = EncodeOne(c); });
  return out;
}

std::size_t Cp1252Length(std::string_view text) {
  std::size_t n = 0;
  WalkForCp1252(
      text, [&](std::string_view run) { n += run.size(); }, [&](char32_t) { ++n; });
  return n;
}

std::size_t Utf8CharacterStart(std::string_view text, std::size_t i) {
  while (i < text.size() && (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80)
    ++i;
  return std::min(i, text.size());
}

bool IsUtf8(std::string_view text) {
  for (std::size_t i = AsciiRun(text); i < text.size(); i += AsciiRun(text.substr(i))) {
    const std::size_t length = SequenceLength(text.substr(i));
    if (length == 0)
      return false;
    i += length;
  }
  return true;
}

std::size_t Utf8Length(std::string_view text) {
  std::size_t n = 0;
  for (char ch : text)
    if ((static_cast<unsigned char>(ch) & 0xC0) != 0x80)
      ++n;
  return n;
}
