#include "graphics/core/SettingsFile.h"
#include "graphics/core/Settings.h"
#include "graphics/core/TreeClass.h"
#include "model/Codepage1252.h"
#include "tests/support/GermanLocale.h"
#include "tests/support/SettingsTreeWalk.h"
#include "tests/support/TempFolder.h"

#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <variant>
#include <vector>

namespace {

auto &G = Grafikeinstellung;
const std::string kKnoten = "EinstellungGrafikeinstellungGeometrieKnoten";
const std::string kRaender =
    "EinstellungEditor und SeitenränderSeitenränder (nur für Grafikausdruck)";

void ForEachSetting(const std::function<void(TreeClass &)> &visit) {
  Walk(SettingsRoot(), "", [&](TreeClass &node, const std::string &) {
    if (node.Kind() != SettingKind::Group)
      visit(node);
  });
}

using Value = std::variant<int, double, std::string>;

std::vector<Value> CurrentValues() {
  std::vector<Value> values;
  ForEachSetting([&](TreeClass &node) {
    const SettingVariable variable = node.Variable();
    if (auto *i = std::get_if<int *>(&variable))
      values.emplace_back(**i);
    else if (auto *d = std::get_if<double *>(&variable))
      values.emplace_back(**d);
    else
      values.emplace_back(*std::get<std::string *>(variable));
  });
  return values;
}

class SettingsFile : public ::testing::Test {
protected:
  void SetUp() override { SettingsRoot().Restore(); }
  void TearDown() override { SettingsRoot().Restore(); }
  TempFolder folder;
  const std::string path = folder.File("Kelmor.dat");
};

// Gives every setting a value of its own that differs from its default,
// writes the file, restores the defaults and reads the file back.
void ExpectEveryEntryRoundTrips(const std::string &path) {
  const std::string editor = "/opt/Grafik Werkzeuge/Größe € " + std::string(250, 'x') + "/Velto";
  int n = 0;
  ForEachSetting([&](TreeClass &node) {
    const SettingVariable variable = node.Variable();
    ++n;
    if (auto *i = std::get_if<int *>(&variable))
      **i = 1000 + n;
    else if (auto *d = std::get_if<double *>(&variable))
      **d = (1000 + n) / 1000.0; // nearest double to 1.xyz: reads back exactly
    else if (auto *s = std::get_if<std::string *>(&variable))
      **s = editor;
  });
  const std::vector<Value> changed = CurrentValues();
  ASSERT_TRUE(WriteSettings(path));
  SettingsRoot().Restore();
  ASSERT_NE(CurrentValues(), changed);
  ASSERT_TRUE(ReadSettings(path));
  EXPECT_EQ(CurrentValues(), changed);
  EXPECT_EQ(EditorProgram, editor);

  const std::string bytes = TempFolder::Load(path);
  EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), 75);
  EXPECT_NE(bytes.find("GeometrieKnotenGr\xF6\xDF"
                       "e = 1."),
            std::string::npos);
  EXPECT_NE(bytes.find("Gr\xF6\xDF"
                       "e \x80 xxx"),
            std::string::npos);
  EXPECT_EQ(bytes.find(','), std::string::npos);
}

} // namespace

TEST_F(SettingsFile, AppliesLinesThatNameASettingExactly) {
  TempFolder::Store(
      path, Utf8ToCp1252("  EinstellungGrafikeinstellungErgebnisseFunktionenSkalierung=0.3  \n"
                         "EinstellungGrafikeinstellungGeometrieKnotenFarbe = 255\r\n"
                         "einstellungGrafikeinstellungGeometrieKnotenLiniendicke = 0.5\n"
                         "EinstellungGrafikeinstellungGeometrieKnotenGröße = 0.007\r\n"
                         "EinstellungGrafikeinstellung = 7\n"
                         "EinstellungUnbekannt = 1\n"
                         "\n"
                         "kein Gleichheitszeichen\n" +
                         kRaender + "Links = 12.5\n" + kRaender +
                         "Links = 10\n"
                         "EinstellungEditor und SeitenränderEditor für die Textausgabe = "
                         "/usr/bin/gedit\r"));
  ASSERT_TRUE(ReadSettings(path));
  EXPECT_EQ(G.Ergebnisse.Funktionen.Skalierung, 0.3);
  EXPECT_EQ(G.Geometrie.Knoten.Farbe, 255);
  EXPECT_EQ(G.Geometrie.Knoten.Liniendicke, 0.003);
  EXPECT_EQ(G.Geometrie.Knoten.Groesse, 0.007);
  EXPECT_EQ(PrintPage.Links, 10.0);
  EXPECT_EQ(EditorProgram, "/usr/bin/gedit");

  SettingsRoot().Restore();
  EXPECT_FALSE(ReadSettings(folder.File("fehlt.dat")));
  EXPECT_FALSE(ReadSettings(folder.File("")));
  EXPECT_EQ(G.Geometrie.Knoten.Farbe, 32768);
}

TEST_F(SettingsFile, LongLinesAndUnusableNumbersDoNotStopReading) {
  const std::string longEditor = "/home/ingenieur/" + std::string(5000, 'p') + "/Velto";
  TempFolder::Store(path,
                    Utf8ToCp1252("EinstellungEditor und SeitenränderEditor für die "
                                 "Textausgabe = " +
                                 longEditor + "\n" + kKnoten + "Liniendicke = nan\n" + kKnoten +
                                 "Textgröße = 1e999\n" + kRaender + "Oben = 7.5\n"));
  ASSERT_TRUE(ReadSettings(path));
  EXPECT_EQ(EditorProgram, longEditor);
  EXPECT_EQ(G.Geometrie.Knoten.Liniendicke, 0.003);
  EXPECT_EQ(G.Geometrie.Knoten.Textgroesse, 0.018);
  EXPECT_EQ(PrintPage.Oben, 7.5);
}

TEST_F(SettingsFile, EveryEntryRoundTrips) {
  ExpectEveryEntryRoundTrips(path);
}

TEST_F(SettingsFile, EveryEntryRoundTripsUnderGermanLocale) {
  GermanLocale german;
  ASSERT_TRUE(german.active());
  ExpectEveryEntryRoundTrips(path);
}

TEST_F(SettingsFile, WriteReportsFailureAndLeavesOnlyChangedSettings) {
  G.Geometrie.Knoten.Farbe = 255;
  EXPECT_FALSE(WriteSettings(folder.File("fehlt/Kelmor.dat")));
  ASSERT_TRUE(WriteSettings(path));
  EXPECT_EQ(TempFolder::Load(path), kKnoten + "Farbe = 255\n");
  SettingsRoot().Restore();
  ASSERT_TRUE(WriteSettings(path));
  EXPECT_EQ(TempFolder::Load(path), "") << "a setting back at its default leaves the file";
}

TEST(SettingsFileNames, SplitLinesAndBuildFileNames) {
  EXPECT_EQ(SettingKey(" \tSchl\xC3\xBCssel \x01= Wert = mit Gleichheitszeichen \r"), "Schlüssel");
  EXPECT_EQ(SettingValue(" \tSchlüssel \x01= Wert = mit Gleichheitszeichen \r"),
            "Wert = mit Gleichheitszeichen");
  EXPECT_EQ(SettingValue("Editor = C:\\Programme\\Größe"), "C:\\Programme\\Größe");
  EXPECT_EQ(SettingValue("Schlüssel =  "), "");
  EXPECT_EQ(SettingKey("ohne Gleichheitszeichen"), "");
  EXPECT_EQ(SettingValue("ohne Gleichheitszeichen"), "");

  EXPECT_EQ(ChangeExtension("/opt/kelmor/Kelmor", "dat"), "/opt/kelmor/Kelmor.dat");
  EXPECT_EQ(ChangeExtension("/opt/kelmor-5.78/Kelmor", "html"), "/opt/kelmor-5.78/Kelmor.html");
  EXPECT_EQ(ChangeExtension("C:\\Kelmor\\Kelmor.exe", "dat"), "C:\\Kelmor\\Kelmor.dat");
  EXPECT_EQ(ChangeExtension("Kelmor", "dat"), "Kelmor.dat");
  EXPECT_EQ(ChangeExtension("/home/.kelmor", "dat"), "/home/.kelmor.dat");
}
