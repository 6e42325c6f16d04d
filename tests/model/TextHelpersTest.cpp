#include "model/CLocale.h"
#include "model/Codepage1252.h"
#include "tests/support/GermanLocale.h"

#include <cstdio>
#include <gtest/gtest.h>

TEST(Codepage1252, RoundTripsGermanTextAndEuroSign) {
  const std::string utf8 = "Stablänge Größe Übung € „x“";
  const std::string bytes = Utf8ToCp1252(utf8);
  EXPECT_EQ(bytes, "Stabl\xE4nge Gr\xF6\xDF"
                   "e \xDC"
                   "bung \x80 \x84x\x93");
  EXPECT_EQ(Cp1252ToUtf8(bytes), utf8);
}

TEST(Codepage1252, EveryByteSurvivesARoundTrip) {
  std::string all;
  for (int b = 1; b < 256; ++b)
    all += static_cast<char>(b);
  EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(all)), all);
}

TEST(Codepage1252, UnencodableAndInvalidInputBecomesQuestionMark) {
  EXPECT_EQ(Utf8ToCp1252("a\xE2\x88\x9E"
                         "b"),
            "a?b");                       // infinity sign
  EXPECT_EQ(Utf8ToCp1252("a\xC3"), "a?"); // cut sequence
  EXPECT_EQ(Utf8ToCp1252("\xFF"
                         "x"),
            "?x"); // no lead byte
}

// Runs of ASCII are read eight bytes at a time: a character beyond ASCII,
// valid or not, converts alike at every place of such a word and before
// tails of every length.
TEST(Codepage1252, EveryCharacterAtEveryPlaceOfAWord) {
  const std::pair<std::string, std::string> characters[] = {{"ä", "\xE4"},
                                                            {"€", "\x80"},
                                                            {"∞", "?"},
                                                            {"\xC3(", "?("},
                                                            {"\x80", "?"},
                                                            {"ß\xC3", "\xDF?"},
                                                            {"\xF0\x9F\x98\x80", "?"}};
  for (const auto &[utf8, cp1252] : characters)
    for (std::size_t before = 0; before < 20; ++before)
      for (std::size_t after : {0, 1, 7, 8, 9, 17}) {
        const std::string left(before, 'L'), right(after, 'r');
        EXPECT_EQ(Utf8ToCp1252(left + utf8 + right), left + cp1252 + right)
            << before << " bytes before " << utf8 << ", " << after << " after";
      }
}

// What a Linux editor writes is valid UTF-8; 1252 text with umlauts, cut
// or overlong sequences, surrogates and code points beyond U+10FFFF are not.
TEST(Codepage1252, TellsValidUtf8) {
  EXPECT_TRUE(IsUtf8("Stütze für € \xF0\x9F\x98\x80 und \xF4\x8F\xBF\xBF"));
  EXPECT_TRUE(IsUtf8(""));
  for (const char *invalid :
       {"St\xFCtze", "Stablang\xC3", "\xC3(", "\x80", "\xC0\xAF", "\xE0\x80\xAF", "\xED\xA0\x80",
        "\xF4\x90\x80\x80", "\xF5\x80\x80\x80"})
    EXPECT_FALSE(IsUtf8(invalid)) << invalid;
}

TEST(Codepage1252, LengthCountsCharactersNotBytes) {
  EXPECT_EQ(Utf8Length("Stablänge"), 9u);
  EXPECT_EQ(Utf8Length(""), 0u);
}

TEST(CLocaleNumbers, FormatsAndParsesWithPointUnderGermanLocale) {
  GermanLocale german;
  ASSERT_TRUE(german.active()) << "de_DE.UTF-8 not available (LOCPATH?)";
  char native[64];
  std::snprintf(native, sizeof native, "%.2f", 1.5);
  ASSERT_STREQ(native, "1,50"); // the trap is real here

  EXPECT_EQ(FormatC(" %.14le", 1234.5), " 1.23450000000000e+03");
  EXPECT_EQ(FormatC("%lf", -0.25), "-0.250000");
  EXPECT_EQ(FormatC("%#10.4lg", 2.0), "     2.000");
  EXPECT_EQ(FormatC("%d|%s", 7, "x"), "7|x");
  EXPECT_DOUBLE_EQ(AtofC(" 2.75abc"), 2.75);
  EXPECT_EQ(AtolC("  -42x"), -42);
  double a = 0, b = 0;
  EXPECT_EQ(ScanC("3.5 -1.25e2", "%lf %lf", &a, &b), 2);
  EXPECT_DOUBLE_EQ(a, 3.5);
  EXPECT_DOUBLE_EQ(b, -125.0);
}

TEST(CLocaleNumbers, LongTextIsNeverCut) {
  const std::string name(500, 'n');
  EXPECT_EQ(FormatC("Datei %s fehlt", name.c_str()).size(), 500u + 12u);
}

TEST(CLocaleNumbers, StrictParseRejectsGarbageAndNonFinite) {
  double d = 9;
  EXPECT_TRUE(ParseDoubleC(" 1.5e3 ", d));
  EXPECT_DOUBLE_EQ(d, 1500.0);
  EXPECT_FALSE(ParseDoubleC("1.5x", d));
  EXPECT_FALSE(ParseDoubleC("", d));
  EXPECT_FALSE(ParseDoubleC("nan", d));
  EXPECT_FALSE(ParseDoubleC("inf", d));
  EXPECT_FALSE(ParseDoubleC("1,5", d));
  EXPECT_DOUBLE_EQ(d, 1500.0);
  long l = 0;
  EXPECT_TRUE(ParseLongC("-12", l));
  EXPECT_EQ(l, -12);
  EXPECT_FALSE(ParseLongC("12.5", l));
  EXPECT_FALSE(ParseLongC("99999999999999999999999", l));
}

#include "model/Message.h"

TEST(ErrorMessage, ThrowsExceptionWithTheWholeFormattedText) {
  const std::string name(300, 'f');
  try {
    Error("Fehler beim öffnen der Systemdatei %s", name.c_str());
    FAIL() << "Error returned";
  } catch (const Exception &e) {
    EXPECT_EQ(std::string(e.what()), "Fehler beim öffnen der Systemdatei " + name);
  }
}
