#include "model/Commonfkc.h"

#include <cmath>
#include <cstdio>
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

TEST(Helpers, MinMaxReturnTheSecondOfEqualArguments) {
  // -0.0 == 0.0 tells the two arguments apart.
  EXPECT_TRUE(std::signbit(DMin(0.0, -0.0)));
  EXPECT_TRUE(std::signbit(DMax(0.0, -0.0)));
  EXPECT_EQ(DMin(1.0, 2.0), 1.0);
  EXPECT_EQ(DMax(1.0, 2.0), 2.0);
  EXPECT_EQ(IMax(3, -4), 3);
  EXPECT_DOUBLE_EQ(Interpolate(2.0, 6.0, 0.25), 3.0);
}

TEST(Helpers, TrimAndExpandTabs) {
  char a[] = "  ab \t", b[] = "\t x ", c[] = "   ";
  EXPECT_STREQ(Trim(a), "ab");
  EXPECT_STREQ(Trim(b), "\t x"); // leading tabs stay
  EXPECT_STREQ(Trim(c), "");

  EXPECT_EQ(Expanded("a\tb", 200), "a       b");
  EXPECT_EQ(Expanded("1234567\tx", 200), "1234567 x");
  EXPECT_EQ(Expanded("ab\t", 200), "ab\t"); // last position stays
  EXPECT_EQ(Expanded("\t\tz", 200), std::string(16, ' ') + "z");
  // "a\tbcd" would need 11 characters; with size 12 that is >= size - 1.
  EXPECT_EQ(Expanded("a\tbcd\te", 12), "a\tbcd\te");
  EXPECT_EQ(Expanded("a\tbc", 12), "a       bc");
}

TEST(Helpers, ReadLineDropsLineEndsSplitsLongLinesAndReportsEnd) {
  std::FILE *f = std::tmpfile();
  ASSERT_NE(f, nullptr);
  std::fputs("eins\r\nx\ty\n0123456789\nletzte", f);
  std::rewind(f);
  char buffer[16];
  const char *expected[] = {"eins", "x       y", "0123456789", "letzte"};
  for (const char *line : expected) {
    ASSERT_EQ(ReadLine(buffer, sizeof buffer, f), kLineRead);
    EXPECT_STREQ(buffer, line);
  }
  EXPECT_EQ(ReadLine(buffer, sizeof buffer, f), kEndOfFile);

  std::rewind(f);
  ReadLine(buffer, sizeof buffer, f);
  ReadLine(buffer, sizeof buffer, f);
  EXPECT_EQ(ReadLine(buffer, 6, f), kLineRead); // 5 characters at most
  EXPECT_STREQ(buffer, "01234");
  EXPECT_EQ(ReadLine(buffer, 6, f), kLineRead);
  EXPECT_STREQ(buffer, "56789");
  std::fclose(f);
}

TEST(Helpers, FormatStringIsNeverCut) {
  const std::string path = "/tmp/" + std::string(300, 'p') + ".ssy";
  EXPECT_EQ(FormatString("Fehler beim öffnen der Systemdatei %s", path.c_str()),
            "Fehler beim öffnen der Systemdatei " + path);
  EXPECT_EQ(FormatString("%.3lf|%d", 2.5, 7), "2.500|7");
}
