#include "analysis/InputProtocol.h"
#include "model/ModelFiles.h"
#include "tests/support/GermanLocale.h"
#include "tests/support/ModelTablesFixture.h"
#include "tests/support/ProtocolReader.h"
#include "tests/support/TempFolder.h"

#include <cctype>
#include <map>

namespace {

const std::string kRule82 = std::string(82, '=');
const std::string kDash82 = std::string(82, '-');
const std::string kDash65 = std::string(65, '-');

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

// A table of the protocol: its heading lines, the rows with fields fields
// of width characters (any width when negative) and the two line feeds
// after them.
std::vector<ProtocolRow> Section(ProtocolReader &r, std::initializer_list<std::string> heading,
                                 std::size_t fields, int width = -1) {
  r.Expect(heading);
  std::vector<ProtocolRow> rows = r.Rows(fields, width);
  r.Expect({"", ""});
  return rows;
}

// Every table of an input protocol by its title: after the title a rule,
// column heads, the same rule, the rows up to an empty line, and one more
// empty line before the next table.  Every field of a row that is not a
// letter or a word reads as a number.
std::map<std::string, std::vector<ProtocolRow>> ReadTables(const std::string &text) {
  std::map<std::string, std::vector<ProtocolRow>> tables;
  ProtocolReader r(text);
  while (!r.AtEnd() && r.Next().find(" System ") == std::string::npos) {
  }
  while (!r.AtEnd()) {
    const std::string title = r.Next();
    if (title.empty() || title.starts_with("="))
      continue; // between the tables
    const std::string rule = r.Next();
    EXPECT_TRUE(rule == kDash82 || rule == kDash65) << title;
    while (!r.AtEnd() && r.Next() != rule) {
    }
    std::vector<ProtocolRow> &rows = tables[title];
    for (ProtocolRow &row : r.Rows(ProtocolReader::Split(r.Peek()).size())) {
      for (const std::string &field : row)
        if (!std::isalpha(static_cast<unsigned char>(field[0])) && field != "?")
          Number(field);
      rows.push_back(std::move(row));
    }
    r.Expect({""});
  }
  return tables;
}

class InputProtocolTest : public ModelTablesTest {
protected:
  static void Node(int number, double x, double z, int sx, int sz, int sr, double skew) {
    NodeRecord &node = AddNode(number, x, z);
    node.supportX = sx;
    node.supportZ = sz;
    node.supportR = sr;
    node.skew = skew;
  }
  static void Hinge(int number, int beam, double position, int type) {
    HingeRecord &hinge = Use(Hinges, number);
    hinge.beam = beam;
    hinge.position = position;
    hinge.type = type;
  }
  static void HingeLoad(int number, int hinge, int kind, double value) {
    HingeLoadRecord &load = Use(HingeLoads, number);
    load.hinge = hinge;
    load.kind = kind;
    load.value = value;
  }

  // Rows in every table; rows 2 of the nodes and 1 of the point loads free.
  static void FillAllTables() {
    Node(1, 0.0, 0.0, 1, 1, 1, 0.0);
    Node(3, 5.0, -4.0, 0, 1, 0, 30.0);
    Node(4, 12.5, 0.125, 2, -1, 0, -7.5); // support values out of range
    AddBeam(1, 1, 3, 1).thickness = 0.45;
    AddBeam(2, 3, 4, 2).thickness = 5.0;
    MatRecord &mat = Use(Materials, 1);
    mat = {mat.state, mat.index, 2.1e8, 1.0e-4, 0.01, 1.2e-5, 99.0};
    MatRecord &mat2 = Use(Materials, 2);
    mat2 = {mat2.state, mat2.index, 3.0e7, 2.5e-3, 0.12, 1.0e-5, 0.0};
    Hinge(1, 1, 0.5, kHingeMoment);
    Hinge(2, 2, 0.0, kHingeNormalForce);
    Hinge(3, 2, 1.0, kHingeShearForce);
    Hinge(4, 1, 0.75, 7); // type out of range
    NodeLoadRecord &nl = Use(NodeLoads, 1);
    nl = {nl.state, nl.index, 3, 4, 10.0, -20.0, 5.5};
    BeamLoadRecord &bl = Use(BeamLoads, 1);
    bl = {bl.state, bl.index, 1, 2, kLocalAxes, 1.0, 2.0, -3.0, 4.0, 0.0, 1.0};
    BeamLoadRecord &bl2 = Use(BeamLoads, 2);
    bl2 = {bl2.state, bl2.index, 2, 2, kGlobalAxes, 0.0, 0.0, 7.25, 7.25, 0.2, 0.6};
    PointLoadRecord &pl = Use(PointLoads, 2);
    pl = {pl.state, pl.index, 1, 0.25, 1.0, -2.0, 3.0, 0};
    ZwvRecord &zw = Use(ImposedDisplacements, 1);
    zw = {zw.state, zw.index, 1, 1, 0.01, 0.0, -0.002};
    TempLoadRecord &tl = Use(TemperatureLoads, 1);
    tl = {tl.state, tl.index, 1, 2, 20.0, 10.0};
    ImperfectionRecord &im = Use(Imperfections, 1);
    im = {im.state, im.index, 1, 2, 0.005, 0.002};
    HingeLoad(1, 1, kHingeLoad, 3.0);
    HingeLoad(2, 1, kHingeDeformation, -0.01);
    HingeLoad(3, 2, 5, 1.5); // any nonzero kind is a deformation
  }
};

} // namespace

TEST_F(InputProtocolTest, EmptyTablesGiveTitleHeaderAndTheTwoRulesOnly) {
  std::string text;
  PrintInput(text, FixedHeader());
  EXPECT_EQ(text, "Kelmor - Ausdruck der Eingabewerte\n\n"
                  "08:05:03  07.03.2024\n" +
                      kRule82 + "\nSystem  : \nLastfall: \n" + kRule82 + "\n\n" +
                      "===================================== System "
                      "=====================================\n"
                      "\n=================================== Belastungen "
                      "==================================\n");
  // The heading rules are 82 characters wide as well.
  ProtocolReader reader(text);
  while (!reader.AtEnd()) {
    const std::string line = reader.Next();
    if (line.starts_with("===")) {
      EXPECT_EQ(line.size(), 82u) << line;
    }
  }
}

TEST_F(InputProtocolTest, EveryTableIsPrintedUnderItsHeadingAndReadsBack) {
  FillAllTables();
  std::string text;
  PrintInput(text, FixedHeader("/home/ö/rahmen.ssy", "lasten.sla"));
  ProtocolReader r(text);
  r.Expect({"Kelmor - Ausdruck der Eingabewerte", "", "08:05:03  07.03.2024", kRule82,
            "System  : /home/ö/rahmen.ssy", "Lastfall: lasten.sla", kRule82, "",
            "===================================== System "
            "====================================="});

  auto rows = Section(r,
                      {"", "Knoten", kDash82, "         Knotenkoordinaten          Auflager",
                       "   Nr      x          z          x z R   Schiefstellung (in°)", kDash82},
                      7, 51);
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[0], (ProtocolRow{"1", "0.000", "0.000", "J", "J", "J", "0"}));
  ExpectRow(rows[1], {3, 5, -4, "N", "J", "N", 30});
  ExpectRow(rows[2], {4, 12.5, 0.125, "J", "J", "N", -7.5}); // held whatever the value

  rows = Section(r,
                 {"", "Stäbe", kDash82, "        Knotennummer   ",
                  "Stabnr  Anfang  Ende  Querschnitt Stabdicke", kDash82},
                 5, 39);
  ASSERT_EQ(rows.size(), 2u);
  ExpectRow(rows[0], {1, 1, 3, 1, 0.45});
  ExpectRow(rows[1], {2, 3, 4, 2, 5});
  EXPECT_EQ(rows[1][4], "5.000"); // the alternate form keeps the zeros

  rows = Section(r,
                 {"", "Querschnittstypen", kDash65,
                  "   Nr   E-Modul  Trägheitsmoment Fläche   Temperaturausd.koeff.", kDash65},
                 5, 66);
  ASSERT_EQ(rows.size(), 2u);
  ExpectRow(rows[0], {1, 2.1e8, 1.0e-4, 0.01, 1.2e-5}); // the bedding modulus is not printed
  ExpectRow(rows[1], {2, 3.0e7, 2.5e-3, 0.12, 1.0e-5});

  rows = Section(r, {"", "Gelenke", kDash82, "   Nr   StabNr  x-Pos     Typ ", kDash82}, 4, 28);
  ASSERT_EQ(rows.size(), 4u);
  ExpectRow(rows[0], {1, 1, 0.5, "M"});
  ExpectRow(rows[1], {2, 2, 0, "N"});
  ExpectRow(rows[2], {3, 2, 1, "Q"});
  ExpectRow(rows[3], {4, 1, 0.75, "?"}); // an unknown type

  r.Expect({"", "=================================== Belastungen "
                "=================================="});
  rows = Section(r,
                 {"", "Knotenlasten", kDash82, "       Knoten                 Lastkomponenten",
                  " Last von   bis        x          z          R", kDash82},
                 6, 51);
  ASSERT_EQ(rows.size(), 1u);
  ExpectRow(rows[0], {1, 3, 4, 10, -20, 5.5});

  rows = Section(
      r,
      {"", "Streckenlasten", kDash82, "                                  Lastkomponenten",
       "         Stäbe     Lokal/      Querrichtung/X       Längsrichtung/Z  Teilbelastung",
       " Last   von   bis  Global   Anfang       Ende     Anfang       Ende   von    bis", kDash82},
      10);
  ASSERT_EQ(rows.size(), 2u);
  ExpectRow(rows[0], {1, 1, 2, "Lokal", 1, 2, -3, 4, "0.000", "1.000"});
  ExpectRow(rows[1], {2, 2, 2, "Global", 0, 0, 7.25, 7.25, 0.2, 0.6});

  rows = Section(r,
                 {"", "Einzellasten", kDash82, "                                  Lastkomponenten",
                  " Last Stab       xPos          x          z          R", kDash82},
                 6, 56);
  ASSERT_EQ(rows.size(), 1u);
  ExpectRow(rows[0], {2, 1, 0.25, 1, -2, 3}); // numbered 2: row 1 is free

  rows = Section(r,
                 {"", "Zwangsverschiebungen", kDash82,
                  "       Knoten        Zwangsverschiebung in Richtung",
                  "   Nr von   bis        x          z          R", kDash82},
                 6, 50);
  ASSERT_EQ(rows.size(), 1u);
  ExpectRow(rows[0], {1, 1, 1, 0.01, 0, -0.002});

  rows = Section(r,
                 {"", "Temperaturbelastungen", kDash82,
                  "          Stäbe     Temperatur im    Temperaturdifferenz",
                  " Last   von   bis    Schwerpunkt            Tu - To", kDash82},
                 5, 41);
  ASSERT_EQ(rows.size(), 1u);
  ExpectRow(rows[0], {1, 1, 2, 20, 10});

  rows = Section(r,
                 {"", "Vorverformungen", kDash82,
                  "          Stäbe     Schiefstellung       Vorkrümmung",
                  " Last   von   bis        w0/l               wf/l", kDash82},
                 5, 39);
  ASSERT_EQ(rows.size(), 1u);
  ExpectRow(rows[0], {1, 1, 2, 0.005, 0.002});

  rows = Section(
      r, {"", "Gelenklasten", kDash82, " Last   Gelenknr.     Last/Verformung       Wert", kDash82},
      4, 41);
  ASSERT_EQ(rows.size(), 3u);
  ExpectRow(rows[0], {1, 1, "Last", 3});
  ExpectRow(rows[1], {2, 1, "Verformung", -0.01});
  ExpectRow(rows[2], {3, 2, "Verformung", 1.5});
  EXPECT_TRUE(r.AtEnd()) << r.Peek();
}

TEST_F(InputProtocolTest, NumbersAndFileAreTheSameUnderACommaLocale) {
  FillAllTables();
  std::string plain;
  PrintInput(plain, FixedHeader("rahmen.ssy", "Last°1.sla"));
  TempFolder folder;
  const std::string path = folder.File("eingabe.txt");
  {
    GermanLocale german;
    ASSERT_TRUE(german.active());
    std::string text;
    PrintInput(text, FixedHeader("rahmen.ssy", "Last°1.sla"));
    EXPECT_EQ(text, plain);
    EXPECT_NE(text.find("\n    4      12.50     0.1250      J J N         -7.5\n"),
              std::string::npos);
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
  EXPECT_EQ(folder.Entries().size(), 1u);
  EXPECT_FALSE(WriteProtocolFile(folder.File("no/such/folder.txt"), plain));
}

TEST_F(InputProtocolTest, ExamplePortalFramePrintsEveryRowOfItsFiles) {
  const std::string folder = std::string(KELMOR_SOURCE_DIR) + "/examples/";
  ReadSystemFile(folder + "portal.ssy");
  ReadLoadFile(folder + "portal.sla");
  std::string text;
  PrintInput(text, FixedHeader("portal.ssy", "portal.sla"));
  const auto tables = ReadTables(text);
  ASSERT_EQ(tables.size(), 11u);
  const auto &nodes = tables.at("Knoten");
  ASSERT_EQ(nodes.size(), 4u);
  ExpectRow(nodes[0], {1, 0, 0, "J", "J", "J", 0});
  ExpectRow(nodes[1], {2, 0, -5, "N", "N", "N", 0});
  ExpectRow(nodes[2], {3, 8, -5, "N", "N", "N", 0});
  ExpectRow(nodes[3], {4, 8, 0, "J", "J", "J", 0});
  const auto &beams = tables.at("Stäbe");
  ASSERT_EQ(beams.size(), 3u);
  ExpectRow(beams[0], {1, 1, 2, 1, 0.2});
  ExpectRow(beams[1], {2, 2, 3, 2, 0.3});
  ExpectRow(beams[2], {3, 4, 3, 1, 0.2});
  const auto &materials = tables.at("Querschnittstypen");
  ASSERT_EQ(materials.size(), 2u);
  ExpectRow(materials[0], {1, 2.1e8, 5.696e-5, 7.81e-3, 1.2e-5});
  ExpectRow(materials[1], {2, 2.1e8, 8.356e-5, 5.38e-3, 1.2e-5});
  ASSERT_EQ(tables.at("Gelenke").size(), 1u);
  ExpectRow(tables.at("Gelenke")[0], {1, 2, 0.5, "M"});
  ASSERT_EQ(tables.at("Knotenlasten").size(), 1u);
  ExpectRow(tables.at("Knotenlasten")[0], {1, 2, 2, 10, 0, 0});
  const auto &beamLoads = tables.at("Streckenlasten");
  ASSERT_EQ(beamLoads.size(), 2u);
  ExpectRow(beamLoads[0], {1, 2, 2, "Lokal", 12, 12, 0, 0, 0, 1});
  ExpectRow(beamLoads[1], {2, 1, 1, "Global", 3, 3, 0, 0, 0, 0.6});
  ASSERT_EQ(tables.at("Einzellasten").size(), 1u);
  ExpectRow(tables.at("Einzellasten")[0], {1, 2, 0.25, 0, 20, 0});
  ASSERT_EQ(tables.at("Zwangsverschiebungen").size(), 1u);
  ExpectRow(tables.at("Zwangsverschiebungen")[0], {1, 4, 4, 0, 0.01, 0});
  ASSERT_EQ(tables.at("Temperaturbelastungen").size(), 1u);
  ExpectRow(tables.at("Temperaturbelastungen")[0], {1, 2, 2, 20, 10});
  const auto &imperfections = tables.at("Vorverformungen");
  ASSERT_EQ(imperfections.size(), 2u);
  ExpectRow(imperfections[0], {1, 1, 1, 0.005, 0.003333});
  ExpectRow(imperfections[1], {2, 3, 3, 0.005, 0.003333});
  ASSERT_EQ(tables.at("Gelenklasten").size(), 1u);
  ExpectRow(tables.at("Gelenklasten")[0], {1, 1, "Verformung", 0.001});
}
