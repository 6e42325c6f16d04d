#include "analysis/ProtocolText.h"
#include "analysis/ProtocolFormat.h"
#include "model/CLocale.h"
#include "model/Codepage1252.h"
#include "tests/support/TempFolder.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <random>
#include <vector>

namespace {

std::string Column(std::string_view value, int width, int maxChars = -1) {
  std::string text;
  AppendColumn(text, value, width, maxChars);
  return text;
}

} // namespace

TEST(ProtocolText, ColumnsArePaddedAndCutByCharactersNotBytes) {
  // Plain ASCII behaves as printf's %12s and %7.7s.
  EXPECT_EQ(Column("Q", 12), FormatC("%12s", "Q"));
  EXPECT_EQ(Column("Normalkraft", 7, 7), FormatC("%7.7s", "Normalkraft"));
  EXPECT_EQ(Column("Normalkraft", 7), "Normalkraft"); // too wide, not cut
  // An umlaut takes two bytes but one column.
  EXPECT_EQ(Column("Länge", 12), "       Länge");
  EXPECT_EQ(Utf8Length(Column("Länge", 12)), 12u);
  EXPECT_EQ(Column("Längskraft", 7, 7), "Längskr");
  EXPECT_EQ(Column("Übergröße", 7, 7), "Übergrö");
  EXPECT_EQ(Column("Ä", 7, 7), "      Ä");
  EXPECT_EQ(Column("", 3, 7), "   ");
  // The cut never splits a character.
  EXPECT_EQ(Column("aä", 0, 2), "aä");
  EXPECT_EQ(Column("aäb", 0, 1), "a");
}

namespace {

std::string ByHand(const char *format, double value) {
  std::string text;
  AppendF(text, format, value);
  return text;
}

// Random magnitudes over the whole range of doubles, and the values where
// formatting goes wrong most easily: zeros of both signs, values that round
// up to the next power of ten, exact ties at the last printed digit, the
// limits, subnormals, infinities and NaNs.
std::vector<double> DifficultValues() {
  std::vector<double> values = {0.0,
                                -0.0,
                                1.0,
                                -1.0,
                                0.5,
                                9.99995,
                                9.9999,
                                99999.5,
                                999950.0,
                                0.000099995,
                                0.00009999,
                                0.0001,
                                1e-5,
                                123456789.0,
                                1e15,
                                1e16,
                                0.125,
                                2.5,
                                1.0625,
                                -1.0625,
                                0.0625,
                                1.00005,
                                std::numeric_limits<double>::max(),
                                -std::numeric_limits<double>::max(),
                                std::numeric_limits<double>::min(),
                                std::numeric_limits<double>::denorm_min(),
                                std::numeric_limits<double>::infinity(),
                                -std::numeric_limits<double>::infinity(),
                                std::numeric_limits<double>::quiet_NaN(),
                                -std::numeric_limits<double>::quiet_NaN()};
  // Exact binary ties k / 2^s, which lie halfway between printed values.
  for (int k = 1; k < 400; k += 2)
    for (int s = 1; s <= 12; ++s)
      values.push_back(std::ldexp(k, -s) * (k % 3 == 0 ? -1.0 : 1.0));
  // Values one unit in the last place either side of 9.9995 x 10^e.
  for (int e = -12; e <= 12; ++e) {
    const double v = 9.9995 * std::pow(10.0, e);
    values.insert(values.end(), {v, std::nextafter(v, 0.0), std::nextafter(v, 1e300)});
  }
  std::mt19937_64 random(19);
  std::uniform_real_distribution<double> mantissa(-10.0, 10.0);
  std::uniform_int_distribution<int> exponent(-320, 300);
  for (int i = 0; i < 20000; ++i)
    values.push_back(mantissa(random) * std::pow(10.0, exponent(random)));
  for (int i = 0; i < 20000; ++i)
    values.push_back(std::bit_cast<double>(random()));
  return values;
}

} // namespace

TEST(ProtocolText, NumbersAreFormattedAsPrintfFormatsThem) {
  const char *const doubleFormats[] = {"%#10.4lg", "%#7.4lg", "%#12.4lg", "%10lg", "%#.4lg", "%lg",
                                       "%.0g",     "%#.0g",   "%-12g",    "%.3e",  "%#.0e",  "%e",
                                       "%.2f",     "%lf",     "%#.0f",    "%.17g", "%+.3g"};
  // The protocols' number columns, also without reading a format.
  const struct {
    const char *format;
    int width;
  } columns[] = {{"%#10.4lg", 10}, {"%#7.4lg", 7}, {"%#12.4lg", 12}};
  for (const double value : DifficultValues()) {
    for (const char *format : doubleFormats)
      ASSERT_EQ(ByHand(format, value), FormatC(format, value)) << format << " of " << value;
    for (const auto &column : columns) {
      std::string text = "|";
      AppendAlternateG(text, value, column.width, 4);
      ASSERT_EQ(text, "|" + FormatC(column.format, value)) << column.format << " of " << value;
    }
  }

  const int integers[] = {0,
                          7,
                          -7,
                          42,
                          12345,
                          -12345,
                          123456,
                          std::numeric_limits<int>::max(),
                          std::numeric_limits<int>::min()};
  for (const int value : integers)
    for (const char *format : {"%5d", "%-3d", "%3d", "%d", "%02d", "%04d", "%-5i", "%05d"}) {
      std::string text;
      AppendF(text, format, value);
      EXPECT_EQ(text, FormatC(format, value)) << format << " of " << value;
    }

  // Whole lines of the protocols, with texts, characters and percent signs.
  std::string text;
  AppendF(text, "%5d %#10.4lg %#10.4lg      %c %c %c   %10lg\n", 3, 2.5, -0.0, 'J', 'N', 'J', 1e-7);
  AppendF(text, "%5d    %5d   %10s   %#10.4lg \n", 1, 2, "   Last   ", 1e5);
  AppendF(text, "%5s|%-6s|%.3s|%7.7s|%ld|100%%\n", "Global", "ab", "abcdef", "Normalkraft", -9L);
  EXPECT_EQ(
      text,
      FormatC("%5d %#10.4lg %#10.4lg      %c %c %c   %10lg\n", 3, 2.5, -0.0, 'J', 'N', 'J', 1e-7) +
          FormatC("%5d    %5d   %10s   %#10.4lg \n", 1, 2, "   Last   ", 1e5) +
          FormatC("%5s|%-6s|%.3s|%7.7s|%ld|100%%\n", "Global", "ab", "abcdef", "Normalkraft", -9L));
  EXPECT_EQ(ByHand("%#10.4lg", 0.0), "     0.000");
}

// A protocol of megabytes is converted in pieces on several threads, cut
// where a character starts: the file holds the conversion of the whole
// text.  Nearly all of this text is continuation bytes (of characters of
// four bytes and long stray runs), so the cuts fall inside them.
TEST(ProtocolText, ALongProtocolIsWrittenAsItsWholeConversion) {
  std::string text = "\x80\xA4"; // stray continuation bytes first
  for (int line = 0; text.size() < (std::size_t{3} << 20); ++line) {
    text += "Kräfte € \xF0\x9F\x98\x80";
    text.append(static_cast<std::size_t>(200 + line % 7), '\x80');
    text += "\xC3(\xE2\x82\n";
  }
  text += "\xE2\x82"; // cut at the very end
  const TempFolder folder;
  ASSERT_TRUE(WriteProtocolFile(folder.File("lang.txt"), text));
  const std::string bytes = TempFolder::Load(folder.File("lang.txt"));
  const std::string whole = Utf8ToCp1252(text);
  ASSERT_EQ(bytes.size(), whole.size());
  EXPECT_TRUE(bytes == whole) << "differs from byte "
                              << std::mismatch(bytes.begin(), bytes.end(), whole.begin()).first -
                                     bytes.begin();
}
