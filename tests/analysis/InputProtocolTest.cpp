#include "analysis/InputProtocol.h"
#include "model/ModelFiles.h"
#include "tests/support/GermanLocale.h"
#include "tests/support/ModelTablesFixture.h"
#include "tests/support/ProtocolReader.h"
#include "tests/support/TempFolder.h"

#include <map>

namespace {

const std::string kRule82 = std::string(82, '=');
const std::string kSystemRule =
    "===================================== System =====================================";
const std::string kLoadRule =
    "=================================== Belastungen ==================================";
const std::string kDash82 = std::string(82, '-');
const std::string kDash65 = std::string(65, '-');

// The lines under a table's title up to its rows, the number of fields of a
// row and its width in characters (any when negative).
struct TableShape {
  std::vector<std::string> heading;
  std::size_t fields;
  int width;
};

const std::map<std::string, TableShape> kShapes = {
    {"Knoten",
     {{kDash82, "         Knotenkoordinaten          Auflager",
       "   Nr      x          z          x z R   Schiefstellung (in°)", kDash82},
      7,
      51}},
    {"Stäbe",
     {{kDash82, "        Knotennummer   ", "Stabnr  Anfang  Ende  Querschnitt Stabdicke", kDash82},
      5,
      39}},
    {"Querschnittstypen",
     {{kDash65, "   Nr   E-Modul  Trägheitsmoment Fläche   Temperaturausd.koeff.", kDash65},
      5,
      66}},
    {"Gelenke", {{kDash82, "   Nr   StabNr  x-Pos     Typ ", kDash82}, 4, 28}},
    {"Knotenlasten",
     {{kDash82, "       Knoten                 Lastkomponenten",
       " Last von   bis        x          z          R", kDash82},
      6,
      51}},
    {"Streckenlasten",
     {{kDash82, "                                  Lastkomponenten",
       "         Stäbe     Lokal/      Querrichtung/X       Längsrichtung/Z  Teilbelastung",
       " Last   von   bis  Global   Anfang       Ende     Anfang       Ende   von    bis", kDash82},
      10,
      -1}},
    {"Einzellasten",
     {{kDash82, "                                  Lastkomponenten",
       " Last Stab       xPos          x          z          R", kDash82},
      6,
      56}},
    {"Zwangsverschiebungen",
     {{kDash82, "       Knoten        Zwangsverschiebung in Richtung",
       "   Nr von   bis        x          z          R", kDash82},
      6,
      50}},
    {"Temperaturbelastungen",
     {{kDash82, "          Stäbe     Temperatur im    Temperaturdifferenz",
       " Last   von   bis    Schwerpunkt            Tu - To", kDash82},
      5,
      41}},
    {"Vorverformungen",
     {{kDash82, "          Stäbe     Schiefstellung       Vorkrümmung",
       " Last   von   bis        w0/l               wf/l", kDash82},
      5,
      39}},
    {"Gelenklasten",
     {{kDash82, " Last   Gelenknr.     Last/Verformung       Wert", kDash82}, 4, 41}},
};

ProtocolHeader FixedHeader(const std::string &system = "", const std::string &load = "") {
  ProtocolHeader header{system, load, {}};
  header.stamp.tm_hour = 8;
  header.stamp.tm_min = 5;
  header.stamp.tm_sec = 3;
  header.stamp.tm_mday = 7;
  header.stamp.tm_mon = 2; // March
  header.stamp.tm_year = 124;
  return header;
}

// Reads an input protocol after its page header: the titles in order (the
// rule before the loads as "="), and the rows of each table.  Each table is
// an empty line, its title, the heading of its shape, the rows of its shape
// and two empty lines.
struct InputTables {
  std::vector<std::string> order;
  std::map<std::string, std::vector<ProtocolRow>> rows;
};
InputTables ReadTables(const std::string &text) {
  InputTables tables;
  ProtocolReader r(text);
  while (!r.AtEnd() && r.Next() != kSystemRule) {
  }
  while (!r.AtEnd()) {
    r.Expect({""});
    const std::string title = r.Next();
    tables.order.push_back(title == kLoadRule ? "=" : title);
    if (title == kLoadRule)
      continue;
    const auto shape = kShapes.find(title);
    if (shape == kShapes.end()) {
      ADD_FAILURE() << "unknown table " << title;
      break;
    }
    for (const std::string &line : shape->second.heading)
      EXPECT_EQ(r.Next(), line) << title;
    tables.rows[title] = r.Rows(shape->second.fields, shape->second.width);
    r.Expect({"", ""});
  }
  return tables;
}

class InputProtocolTest : public ModelTablesTest {};

} // namespace

TEST_F(InputProtocolTest, EmptyTablesGiveTitleHeaderAndTheTwoRulesOnly) {
  std::string text;
  PrintInput(text, FixedHeader());
  EXPECT_EQ(text, "Kelmor - Ausdruck der Eingabewerte\n\n08:05:03  07.03.2024\n" + kRule82 +
                      "\nSystem  : \nLastfall: \n" + kRule82 + "\n\n" + kSystemRule + "\n\n" +
                      kLoadRule + "\n");
}

// The example's rows, and a few more: a gap in the nodes and the point
// loads, support values and a hinge type out of their ranges, and hinge
// loads of each kind.
TEST_F(InputProtocolTest, ExamplePortalFramePrintsEveryRowUnderItsHeading) {
  ReadSystemFile(KELMOR_SOURCE_DIR "/examples/portal.ssy");
  ReadLoadFile(KELMOR_SOURCE_DIR "/examples/portal.sla");
  NodeRecord &node = AddNode(6, 12.5, 0.125);
  node.supportX = 2;
  node.supportZ = -1;
  node.skew = -7.5;
  Use(Hinges, 2) = {255, 0, 1, 0.75, 7, 0, 0};
  Use(PointLoads, 3) = {255, 0, 3, 1.0, 1.0, -2.0, 3.0, 0};
  Use(HingeLoads, 2) = {255, 0, 1, kHingeLoad, 3.0};
  Use(HingeLoads, 3) = {255, 0, 2, 5, 1.5}; // any kind but 0 is a deformation
  std::string text;
  PrintInput(text, FixedHeader("/home/ö/portal.ssy", "portal.sla"));
  ProtocolReader header(text);
  header.Expect({"Kelmor - Ausdruck der Eingabewerte", "", "08:05:03  07.03.2024", kRule82,
                 "System  : /home/ö/portal.ssy", "Lastfall: portal.sla", kRule82, "", kSystemRule});

  InputTables tables = ReadTables(text);
  EXPECT_EQ(tables.order,
            (std::vector<std::string>{"Knoten", "Stäbe", "Querschnittstypen", "Gelenke", "=",
                                      "Knotenlasten", "Streckenlasten", "Einzellasten",
                                      "Zwangsverschiebungen", "Temperaturbelastungen",
                                      "Vorverformungen", "Gelenklasten"}));
  auto &t = tables.rows;
  ASSERT_EQ(t["Knoten"].size(), 5u);
  EXPECT_EQ(t["Knoten"][0], (ProtocolRow{"1", "0.000", "0.000", "J", "J", "J", "0"}));
  ExpectRow(t["Knoten"][1], {2, 0, -5, "N", "N", "N", 0});
  ExpectRow(t["Knoten"][2], {3, 8, -5, "N", "N", "N", 0});
  ExpectRow(t["Knoten"][3], {4, 8, 0, "J", "J", "J", 0});
  ExpectRow(t["Knoten"][4], {6, 12.5, 0.125, "J", "J", "N", -7.5}); // held whatever the value
  ASSERT_EQ(t["Stäbe"].size(), 3u);
  ExpectRow(t["Stäbe"][0], {1, 1, 2, 1, 0.2});
  ExpectRow(t["Stäbe"][1], {2, 2, 3, 2, 0.3});
  ExpectRow(t["Stäbe"][2], {3, 4, 3, 1, 0.2});
  ASSERT_EQ(t["Querschnittstypen"].size(), 2u); // the bedding modulus is not printed
  ExpectRow(t["Querschnittstypen"][0], {1, 2.1e8, 5.696e-5, 7.81e-3, 1.2e-5});
  ExpectRow(t["Querschnittstypen"][1], {2, 2.1e8, 8.356e-5, 5.38e-3, 1.2e-5});
  ASSERT_EQ(t["Gelenke"].size(), 2u);
  ExpectRow(t["Gelenke"][0], {1, 2, 0.5, "M"});
  ExpectRow(t["Gelenke"][1], {2, 1, 0.75, "?"});
  ASSERT_EQ(t["Knotenlasten"].size(), 1u);
  ExpectRow(t["Knotenlasten"][0], {1, 2, 2, 10, 0, 0});
  ASSERT_EQ(t["Streckenlasten"].size(), 2u);
  ExpectRow(t["Streckenlasten"][0], {1, 2, 2, "Lokal", 12, 12, 0, 0, "0.000", "1.000"});
  ExpectRow(t["Streckenlasten"][1], {2, 1, 1, "Global", 3, 3, 0, 0, 0, 0.6});
  ASSERT_EQ(t["Einzellasten"].size(), 2u);
  ExpectRow(t["Einzellasten"][0], {1, 2, 0.25, 0, 20, 0});
  ExpectRow(t["Einzellasten"][1], {3, 3, 1, 1, -2, 3});
  ASSERT_EQ(t["Zwangsverschiebungen"].size(), 1u);
  ExpectRow(t["Zwangsverschiebungen"][0], {1, 4, 4, 0, 0.01, 0});
  ASSERT_EQ(t["Temperaturbelastungen"].size(), 1u);
  ExpectRow(t["Temperaturbelastungen"][0], {1, 2, 2, 20, 10});
  ASSERT_EQ(t["Vorverformungen"].size(), 2u);
  ExpectRow(t["Vorverformungen"][0], {1, 1, 1, 0.005, 0.003333});
  ExpectRow(t["Vorverformungen"][1], {2, 3, 3, 0.005, 0.003333});
  ASSERT_EQ(t["Gelenklasten"].size(), 3u);
  ExpectRow(t["Gelenklasten"][0], {1, 1, "Verformung", 0.001});
  ExpectRow(t["Gelenklasten"][1], {2, 1, "Last", 3});
  ExpectRow(t["Gelenklasten"][2], {3, 2, "Verformung", 1.5});
  EXPECT_NE(text.find("\n    6      12.50     0.1250      J J N         -7.5\n"),
            std::string::npos);
}

TEST_F(InputProtocolTest, NumbersAndFileAreTheSameUnderACommaLocale) {
  ReadSystemFile(KELMOR_SOURCE_DIR "/examples/portal.ssy");
  ReadLoadFile(KELMOR_SOURCE_DIR "/examples/portal.sla");
  std::string plain;
  PrintInput(plain, FixedHeader("portal.ssy", "Last°1.sla"));
  TempFolder folder;
  const std::string path = folder.File("eingabe.txt");
  {
    GermanLocale german;
    ASSERT_TRUE(german.active());
    std::string text;
    PrintInput(text, FixedHeader("portal.ssy", "Last°1.sla"));
    EXPECT_EQ(text, plain);
    TempFolder::Store(path, "an older protocol that is longer than the new one");
    ASSERT_TRUE(WriteProtocolFile(path, text));
  }
  // On disk in the 1252 code page: one byte per umlaut and degree sign.
  const std::string bytes = TempFolder::Load(path);
  EXPECT_EQ(bytes, Utf8ToCp1252(plain));
  EXPECT_NE(bytes.find("Lastfall: Last\xB0"
                       "1.sla\n"),
            std::string::npos);
  EXPECT_NE(bytes.find("\nSt\xE4"
                       "be\n"),
            std::string::npos);
  EXPECT_EQ(bytes.find("\xC3"), std::string::npos);
  EXPECT_NE(bytes.find("\n    1  2.100e+08  5.696e-05   0.007810  "), std::string::npos);
  EXPECT_EQ(folder.Entries().size(), 1u);
  EXPECT_FALSE(WriteProtocolFile(folder.File("no/such/folder.txt"), plain));
}
