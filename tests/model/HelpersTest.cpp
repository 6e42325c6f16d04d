#include "model/Commonfkc.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <gtest/gtest.h>
#include <string>

namespace {

std::string Expanded(const std::string &text, int size) {
  std::string buffer = text;
  buffer.resize(size, '\0');
  ExpandTabs(buffer.data(), size);
  return buffer.c_str();
}

} // namespace

TEST(Helpers, MinMaxAndInterpolate) {
  // With equal arguments the second one is returned: -0.0 and 0.0 tell them apart.
  EXPECT_TRUE(std::signbit(DMin(0.0, -0.0)));
  EXPECT_TRUE(std::signbit(DMax(0.0, -0.0)));
  EXPECT_FALSE(std::signbit(DMin(-0.0, 0.0)));
  EXPECT_EQ(DMin(1.0, 2.0), 1.0);
  EXPECT_EQ(DMax(1.0, 2.0), 2.0);
  EXPECT_EQ(IMax(3, -4), 3);
  EXPECT_EQ(IMax(-4, 3), 3);
  EXPECT_DOUBLE_EQ(Interpolate(2.0, 6.0, 0.25), 3.0);
  EXPECT_DOUBLE_EQ(Interpolate(2.0, 6.0, 1.5), 8.0);
}

TEST(Helpers, TrimCutsBlanksAndTrailingTabsButKeepsLeadingTabs) {
  char a[] = "  ab \t";
  EXPECT_STREQ(Trim(a), "ab");
  char b[] = "\t x ";
  EXPECT_STREQ(Trim(b), "\t x");
  char c[] = "   ";
  EXPECT_STREQ(Trim(c), "");
  char d[] = " a b ";
  EXPECT_STREQ(Trim(d), "a b");
}

TEST(Helpers, ExpandTabsToEightColumnStops) {
  EXPECT_EQ(Expanded("a\tb", 200), "a       b");
  EXPECT_EQ(Expanded("1234567\tx", 200), "1234567 x");
  EXPECT_EQ(Expanded("ab\t", 200), "ab\t"); // last position stays
  EXPECT_EQ(Expanded("\t\tz", 200), std::string(16, ' ') + "z");
  // "a\tbcd" would need 11 characters; with size 12 that is >= size - 1.
  EXPECT_EQ(Expanded("a\tbcd\te", 12), "a\tbcd\te");
  EXPECT_EQ(Expanded("a\tbc", 12), "a       bc");
}

TEST(Helpers, ReadLineDropsLineEndsExpandsTabsAndReportsEnd) {
  std::FILE *f = std::tmpfile();
  ASSERT_NE(f, nullptr);
  std::fputs("eins\r\nx\ty\n\nletzte", f);
  std::rewind(f);
  char buffer[100];
  EXPECT_EQ(ReadLine(buffer, sizeof buffer, f), kLineRead);
  EXPECT_STREQ(buffer, "eins");
  EXPECT_EQ(ReadLine(buffer, sizeof buffer, f), kLineRead);
  EXPECT_STREQ(buffer, "x       y");
  EXPECT_EQ(ReadLine(buffer, sizeof buffer, f), kLineRead);
  EXPECT_STREQ(buffer, "");
  EXPECT_EQ(ReadLine(buffer, sizeof buffer, f), kLineRead);
  EXPECT_STREQ(buffer, "letzte");
  EXPECT_EQ(ReadLine(buffer, sizeof buffer, f), kEndOfFile);
  std::fclose(f);
}

TEST(Helpers, ReadLineSplitsAnOverlongLineWithoutOverrun) {
  std::FILE *f = std::tmpfile();
  ASSERT_NE(f, nullptr);
  std::fputs("0123456789\n", f);
  std::rewind(f);
  char buffer[8] = {};
  char guard[4] = "xyz";
  EXPECT_EQ(ReadLine(buffer, 6, f), kLineRead);
  EXPECT_STREQ(buffer, "01234");
  EXPECT_EQ(ReadLine(buffer, 6, f), kLineRead);
  EXPECT_STREQ(buffer, "56789");
  EXPECT_EQ(ReadLine(buffer, 6, f), kLineRead); // the line feed left over
  EXPECT_STREQ(buffer, "");
  EXPECT_EQ(ReadLine(buffer, 6, f), kEndOfFile);
  EXPECT_STREQ(guard, "xyz");
  std::fclose(f);
}

TEST(Helpers, FormatStringIsNeverCut) {
  const std::string path = "/tmp/" + std::string(300, 'p') + ".ssy";
  const std::string text = FormatString("Fehler beim öffnen der Systemdatei %s", path.c_str());
  EXPECT_EQ(text, "Fehler beim öffnen der Systemdatei " + path);
  EXPECT_EQ(FormatString("%.3lf|%d", 2.5, 7), "2.500|7");
}
