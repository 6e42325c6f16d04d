#include "analysis/ProtocolText.h"
#include "model/CLocale.h"
#include "model/Codepage1252.h"

#include <gtest/gtest.h>

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
