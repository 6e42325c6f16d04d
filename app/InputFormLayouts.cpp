// The pages, grids, headers and column cells of the system form
// "Geometrie" and the load form "Belastung".
#include "app/InputFormLayouts.h"

#include "app/MainForm.h"
#include "model/Checks.h"
#include "model/LoadLists.h"
#include "model/SystemTables.h"

#include <utility>

namespace {

constexpr ColumnLayout Int() {
  return {.kind = CellKind::Integer, .format = "%d", .centred = true};
}

constexpr ColumnLayout Real() {
  return {.kind = CellKind::Real, .format = "%#.4lg"};
}

// A support column of the node grid: 0 and 1 type "N" and "J".
constexpr ColumnLayout Support() {
  return {.kind = CellKind::Choice,
          .choices = "N|J",
          .filter = "0N1J",
          .maxTextLen = 1,
          .centred = true};
}

std::vector<PageLayout> SystemPages() {
  return {
      {"Knotentab",
       "Knoten",
       "KnotenGrid",
       10065,
       &Nodes,
       2,
       {40, 100, 100, 40, 40, 40, 100},
       {{"Nr", 0, 1, 0, 0},
        {"Koordinaten", 0, 0, 1, 2},
        {"Auflager", 0, 0, 3, 6},
        {"x", 1, 1, 1, 1},
        {"z", 1, 1, 2, 2},
        {"x", 1, 1, 3, 3},
        {"z", 1, 1, 4, 4},
        {"R", 1, 1, 5, 5},
        {"Verdrehung in Grad", 1, 1, 6, 6}},
       {Real(), Real(), Support(), Support(), Support(), Real()}},
      {"StabTab",
       "Stäbe",
       "StabGrid",
       10070,
       &Beams,
       2,
       {40, 60, 60, 80, 60, 60, 60},
       {{"Nr", 0, 1, 0, 0},
        {"Knoten", 0, 0, 1, 2},
        {"Anfang", 1, 1, 1, 1},
        {"Ende", 1, 1, 2, 2},
        {"Querschnittsnr.", 0, 1, 3, 3},
        {"Stabdicke", 0, 1, 4, 4},
        {"Intervalle", 0, 1, 5, 5},
        {"Stablänge", 0, 1, 6, 6}},
       {Int(),
        Int(),
        Int(),
        Real(),
        Int(),
        {.kind = CellKind::Real, .format = "%.3lf", .readOnly = true}}},
      {"Querschnittstab",
       "Querschnittstypen",
       "QuerschnittsGrid",
       10075,
       &Materials,
       1,
       {40, 100, 100, 100, 100},
       {{"Nr", 0, 0, 0, 0},
        {"Elastizitätsmodul", 0, 0, 1, 1},
        {"Trägheitsmoment", 0, 0, 2, 2},
        {"Fläche", 0, 0, 3, 3},
        {"Temp.ausd.koeff", 0, 0, 4, 4}},
       {Real(), Real(), Real(), Real()}},
      {"GelenkTab",
       "Gelenke",
       "GelenkGrid",
       10080,
       &Hinges,
       1,
       {40, 50, 100, 100},
       {{"Nr", 0, 0, 0, 0},
        {"Stabnr", 0, 0, 1, 1},
        {"x-Pos (0-1)", 0, 0, 2, 2},
        {"Typ (M,Q,N)", 0, 0, 3, 3}},
       {Int(),
        Real(),
        {.kind = CellKind::Choice,
         .choices = "Normalkraft|Querkraft|Moment",
         .maxTextLen = 1,
         .centred = true}}},
  };
}

// The pages of node ranges with three values: node loads and imposed
// displacements.
PageLayout NodeRangePage(const char *page, const char *tab, const char *grid, int help,
                         InputContainer *table, const char *group, const char *third) {
  return {page,
          tab,
          grid,
          help,
          table,
          2,
          {50, 40, 40, 100, 100, 100},
          {{"Nr", 0, 1, 0, 0},
           {"Knoten", 0, 0, 1, 2},
           {"von", 1, 1, 1, 1},
           {"bis", 1, 1, 2, 2},
           {group, 0, 0, 3, 5},
           {"x", 1, 1, 3, 3},
           {"z", 1, 1, 4, 4},
           {third, 1, 1, 5, 5}},
          {Int(), Int(), Real(), Real(), Real()}};
}

std::vector<PageLayout> LoadPages() {
  return {
      NodeRangePage("Knotenlastentab", "Knotenlasten", "KnotenlastenGrid", 10085, &NodeLoads,
                    "Last in Richtung", "Moment"),
      NodeRangePage("Zwangsverformungentab", "Zwangsverformungen", "ZwangsGrid", 10090,
                    &ImposedDisplacements, "Verschiebung in Richtung", "Rotation"),
      {"Streckenlastentab",
       "Streckenlasten",
       "StreckenlastenGrid",
       10095,
       &BeamLoads,
       3,
       {50, 40, 40, 70, 100, 100, 100, 100, 60, 60},
       {{"Nr", 0, 2, 0, 0},
        {"Stäbe", 0, 1, 1, 2},
        {"von", 2, 2, 1, 1},
        {"bis", 2, 2, 2, 2},
        {"Lokal/Global", 0, 2, 3, 3},
        {"Streckenlast in", 0, 0, 4, 7},
        {"Quer/X-Richtung", 1, 1, 4, 5},
        {"Längs/Z-Richtung", 1, 1, 6, 7},
        {"Anfang", 2, 2, 4, 4},
        {"Ende", 2, 2, 5, 5},
        {"Anfang", 2, 2, 6, 6},
        {"Ende", 2, 2, 7, 7},
        {"Teilbelastung (0 - 1)", 0, 1, 8, 9},
        {"von", 2, 2, 8, 8},
        {"bis", 2, 2, 9, 9}},
       {Int(),
        Int(),
        {.kind = CellKind::Choice, .choices = "Lokal|Global"},
        Real(),
        Real(),
        Real(),
        Real(),
        Real(),
        Real()}},
      {"Einzellastentab",
       "Einzellasten",
       "EinzellastenGrid",
       10100,
       &PointLoads,
       2,
       {50, 40, 100, 100, 100, 100},
       {{"Nr", 0, 1, 0, 0},
        {"Stabnr", 0, 1, 1, 1},
        {"x-Position (0 - 1)", 0, 1, 2, 2},
        {"Lokale Last in Richtung", 0, 0, 3, 5},
        {"N", 1, 1, 3, 3},
        {"Q", 1, 1, 4, 4},
        {"Moment", 1, 1, 5, 5}},
       {Int(), Real(), Real(), Real(), Real()}},
      {"Temperaturtab",
       "Temperatur",
       "TemperaturGrid",
       10105,
       &TemperatureLoads,
       2,
       {50, 40, 40, 150, 150},
       {{"Nr", 0, 1, 0, 0},
        {"Stäbe", 0, 0, 1, 2},
        {"von", 1, 1, 1, 1},
        {"bis", 1, 1, 2, 2},
        {"Temperatur im Schwerpunkt", 0, 1, 3, 3},
        {"Temperaturdifferenz Tu - To", 0, 1, 4, 4}},
       {Int(), Int(), Real(), Real()}},
      {"Vorverformungentab",
       "Vorverformungen",
       "VorverformungsGrid",
       10110,
       &Imperfections,
       2,
       {50, 40, 40, 100, 100},
       {{"Nr", 0, 1, 0, 0},
        {"Stab", 0, 0, 1, 2},
        {"von", 1, 1, 1, 1},
        {"bis", 1, 1, 2, 2},
        {"Vorverformungstyp", 0, 0, 3, 4},
        {"Schiefstellung w0/l", 1, 1, 3, 3},
        {"Vorkrümmung wf/l", 1, 1, 4, 4}},
       {Int(), Int(), Real(), Real()}},
      {"Gelenklastentab",
       "Gelenklasten",
       "GelenklastenGrid",
       10115,
       &HingeLoads,
       1,
       {50, 50, 100, 100},
       {{"Nr", 0, 0, 0, 0},
        {"Gelenknr.", 0, 0, 1, 1},
        {"Last/Verformung", 0, 0, 2, 2},
        {"Wert", 0, 0, 3, 3}},
       {Int(), {.kind = CellKind::Choice, .choices = "Last|Verformung", .centred = true}, Real()}},
  };
}

} // namespace

const FormLayout &SystemFormLayout() {
  static const FormLayout layout{"SystemInputForm",
                                 "Geometrie",
                                 " Geometrie:  ",
                                 10065,
                                 "Neue Geometrie",
                                 "Geometrie öffnen",
                                 "Geometrie speichern",
                                 &TMainForm::NewSystem,
                                 &TMainForm::OpenSystemCommand,
                                 &TMainForm::SaveSystem,
                                 CheckSystem,
                                 SystemPages()};
  return layout;
}

const FormLayout &LoadFormLayout() {
  static const FormLayout layout{"LoadInputForm",
                                 "Belastung",
                                 " Belastung:  ",
                                 0,
                                 "Neue Belastung",
                                 "Belastung öffnen",
                                 "Belastung speichern",
                                 &TMainForm::NewLoad,
                                 &TMainForm::OpenLoadCommand,
                                 &TMainForm::SaveLoad,
                                 CheckLoads,
                                 LoadPages()};
  return layout;
}

const char *PageName(InputPage page) {
  static const std::pair<InputPage, const char *> kNames[] = {
      {InputPage::StabTab, "StabTab"},
      {InputPage::Querschnittstab, "Querschnittstab"},
      {InputPage::GelenkTab, "GelenkTab"},
      {InputPage::Knotenlastentab, "Knotenlastentab"},
      {InputPage::Streckenlastentab, "Streckenlastentab"},
      {InputPage::Einzellastentab, "Einzellastentab"},
      {InputPage::Temperaturtab, "Temperaturtab"},
      {InputPage::Zwangsverformungentab, "Zwangsverformungentab"},
      {InputPage::Vorverformungentab, "Vorverformungentab"},
      {InputPage::Gelenklastentab, "Gelenklastentab"},
  };
  for (const auto &[key, name] : kNames)
    if (key == page)
      return name;
  return "";
}
