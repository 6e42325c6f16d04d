#include "graphics/core/Settings.h"
#include "graphics/core/TreeClass.h"
#include "tests/support/SettingsTreeWalk.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <set>
#include <vector>

namespace {

auto &G = Grafikeinstellung;
const std::string kKnoten = "EinstellungGrafikeinstellungGeometrieKnoten";
const std::string kBelastung = "EinstellungGrafikeinstellungBelastung";

TreeClass *Find(const std::string &key) {
  return SettingsRoot().FindByPath(key, "");
}

std::vector<std::string> ChildNames(const std::string &key) {
  std::vector<std::string> names;
  TreeClass *node = Find(key);
  for (int i = 0; node && i < node->ChildCount(); ++i)
    names.push_back(node->Child(i)->Name());
  return names;
}

// Records the nodes the tree adds, numbering them in the order they come.
class FakeTreeView : public SettingsTreeView {
public:
  struct Item {
    std::string text;
    int parent;
  };
  std::vector<Item> items;

  Node Add(const std::string &text) { return Append({text, -1}); }
  Node AddChild(Node parent, const std::string &text) override {
    return Append({text, AbsoluteIndex(parent)});
  }
  void SetText(Node node, const std::string &text) override {
    items[AbsoluteIndex(node)].text = text;
  }
  int AbsoluteIndex(Node node) const override {
    return static_cast<int>(reinterpret_cast<std::intptr_t>(node)) - 1;
  }

private:
  Node Append(const Item &item) {
    items.push_back(item);
    return reinterpret_cast<Node>(static_cast<std::intptr_t>(items.size()));
  }
};

class SettingsTree : public ::testing::Test {
protected:
  void SetUp() override { SettingsRoot().Restore(); }
  void TearDown() override { SettingsRoot().Restore(); }
};

} // namespace

TEST_F(SettingsTree, HoldsEveryGroupAndSettingInOrderWithItsOwnVariable) {
  int groups = 0, settings = 0;
  std::set<std::string> keys;
  std::set<SettingVariable> variables;
  Walk(SettingsRoot(), "", [&](TreeClass &node, const std::string &key) {
    (node.Kind() == SettingKind::Group ? groups : settings) += 1;
    keys.insert(key);
    variables.insert(node.Variable());
  });
  EXPECT_EQ(groups, 24);
  EXPECT_EQ(settings, 75);
  EXPECT_EQ(keys.size(), 99u) << "every key names one node";
  // One variable per setting but the four sizes imposed displacements share
  // with the node loads; groups add the empty variable.
  EXPECT_EQ(variables.size(), 71u + 1u);

  EXPECT_EQ(ChildNames("Einstellung"),
            (std::vector<std::string>{"Grafikeinstellung", "Editor und Seitenränder"}));
  EXPECT_EQ(ChildNames(kBelastung),
            (std::vector<std::string>{"Knotenlasten", "Streckenlasten", "Punktlasten",
                                      "Temperaturlasten", "Gelenklasten", "Zwangsverformungen",
                                      "Vorverformungen", "Lastabstand"}));
  EXPECT_EQ(ChildNames("EinstellungGrafikeinstellungErgebnisseVerformungen"),
            (std::vector<std::string>{"Linie", "Text", "Knoten", "Skalierung"}));

  EXPECT_EQ(Find(kKnoten + "Farbe")->Variable(), SettingVariable(&G.Geometrie.Knoten.Farbe));
  EXPECT_EQ(Find("EinstellungGrafikeinstellungGeometrieStäbeTextGröße")->Variable(),
            SettingVariable(&G.Geometrie.Staebe.TextGroesse));
  EXPECT_EQ(Find("EinstellungEditor und SeitenränderSeitenränder (nur für Grafikausdruck)Unten")
                ->Variable(),
            SettingVariable(&PrintPage.Unten));
  EXPECT_EQ(EditorProgram, "Velto.exe");
  EXPECT_EQ(PrintPage.Version, "5.78");
}

TEST_F(SettingsTree, FindsNodesByTheirWholeKeyOnly) {
  EXPECT_EQ(Find("Einstellung"), &SettingsRoot());
  EXPECT_EQ(Find(kKnoten)->Kind(), SettingKind::Group);
  EXPECT_EQ(Find(kKnoten + "Größe")->Variable(), SettingVariable(&G.Geometrie.Knoten.Groesse));
  EXPECT_EQ(Find("einstellungGrafikeinstellungGeometrieKnotenFarbe"), nullptr);
  EXPECT_EQ(Find(kKnoten + "Farb"), nullptr);
  EXPECT_EQ(Find(kKnoten + "Farbe "), nullptr);
  EXPECT_EQ(Find(""), nullptr);

  // A change through either entry changes the one shared variable.
  Find(kBelastung + "ZwangsverformungenPfeilgröße")->SetFromText("0.03");
  EXPECT_EQ(G.Belastung.Knotenlasten.Pfeilgroesse, 0.03);
  Find(kBelastung + "ZwangsverformungenFarbe")->SetFromText("7");
  EXPECT_EQ(G.Belastung.Zwangsverformungen.Farbe, 7);
  EXPECT_EQ(G.Belastung.Knotenlasten.Farbe, 16711680);
}

TEST_F(SettingsTree, FillTreeNumbersTheNodesInTreeOrder) {
  int a = 1, b = 2;
  double c = 3;
  TreeClass tree("Wurzel", {new TreeClass("Gruppe", {new TreeClass(a, "A"), new TreeClass(c, "C")}),
                            new TreeClass(b, "B")});
  EXPECT_EQ(tree.FindByIndex(-1), &tree) << "every index is -1 before filling";

  FakeTreeView view;
  tree.FillTree(view, view.Add("Test"));
  ASSERT_EQ(view.items.size(), 5u);
  const char *texts[] = {"Wurzel", "Gruppe", "A", "C", "B"};
  const int parents[] = {-1, 0, 1, 1, 0};
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(view.items[i].text, texts[i]);
    EXPECT_EQ(view.items[i].parent, parents[i]);
    ASSERT_NE(tree.FindByIndex(i), nullptr);
    EXPECT_EQ(tree.FindByIndex(i)->Name(), std::string(texts[i]));
  }
  EXPECT_EQ(tree.FindByIndex(-1), nullptr);
  EXPECT_EQ(tree.FindByIndex(5), nullptr);
}

TEST_F(SettingsTree, SetFromTextReadsLikeAtolAndAtofAndKeepsUnusableNumbers) {
  TreeClass *farbe = Find(kKnoten + "Farbe");
  TreeClass *dicke = Find(kKnoten + "Liniendicke");
  farbe->SetFromText("  -12abc");
  dicke->SetFromText(" 0.25xyz");
  EXPECT_EQ(G.Geometrie.Knoten.Farbe, -12);
  EXPECT_EQ(G.Geometrie.Knoten.Liniendicke, 0.25);

  for (const char *unusable : {"nan", "inf", "-Infinity", "1e999", "  NAN(0x1)"}) {
    dicke->SetFromText(unusable);
    EXPECT_EQ(G.Geometrie.Knoten.Liniendicke, 0.25) << unusable;
  }
  for (const char *outOfRange : {"2147483648", "-2147483649", "99999999999999999999"}) {
    farbe->SetFromText(outOfRange);
    EXPECT_EQ(G.Geometrie.Knoten.Farbe, -12) << outOfRange;
  }
  farbe->SetFromText("2147483647");
  EXPECT_EQ(G.Geometrie.Knoten.Farbe, 2147483647);

  farbe->SetFromText("rot");
  dicke->SetFromText("");
  EXPECT_EQ(G.Geometrie.Knoten.Farbe, 0);
  EXPECT_EQ(G.Geometrie.Knoten.Liniendicke, 0.0);

  Find(kKnoten)->SetFromText("5");
  EXPECT_EQ(G.Geometrie.Knoten.Farbe, 0);
  EXPECT_EQ(G.Geometrie.Knoten.Liniendicke, 0.0);
  EXPECT_TRUE(std::holds_alternative<std::monostate>(Find(kKnoten)->DefaultValue()));
  // The defaults stay as built while the variables change.
  EXPECT_EQ(*std::get<const double *>(dicke->DefaultValue()), 0.003);
  EXPECT_EQ(*std::get<const int *>(farbe->DefaultValue()), 32768);
}

TEST_F(SettingsTree, WritesOnlyChangedSettingsInTreeOrderAndRestoresDefaults) {
  std::string text;
  SettingsRoot().Write(text, "");
  EXPECT_EQ(text, "");

  EditorProgram = "";
  G.Geometrie.Knoten.Liniendicke = 0.0041;
  G.Geometrie.Knoten.Farbe = 255;
  G.Belastung.Knotenlasten.Pfeilgroesse = 0.03;
  G.Ergebnisse.Verformungen.Skalierung = 4e-7;
  SettingsRoot().Write(text, "");
  EXPECT_EQ(text, kKnoten + "Liniendicke = 0.004100\n" + kKnoten + "Farbe = 255\n" + kBelastung +
                      "KnotenlastenPfeilgröße = 0.030000\n" + kBelastung +
                      "ZwangsverformungenPfeilgröße = 0.030000\n"
                      "EinstellungGrafikeinstellungErgebnisseVerformungenSkalierung = 0.000000\n"
                      "EinstellungEditor und SeitenränderEditor für die Textausgabe = \n");

  SettingsRoot().Restore();
  EXPECT_EQ(EditorProgram, "Velto.exe");
  EXPECT_EQ(G.Geometrie.Knoten.Liniendicke, 0.003);
  EXPECT_EQ(G.Geometrie.Knoten.Farbe, 32768);
  EXPECT_EQ(G.Belastung.Knotenlasten.Pfeilgroesse, 0.02);
  EXPECT_EQ(G.Ergebnisse.Verformungen.Skalierung, 0.2);
  text.clear();
  SettingsRoot().Write(text, "");
  EXPECT_EQ(text, "");
}
