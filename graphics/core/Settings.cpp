#include "graphics/core/Settings.h"

#include "graphics/core/TreeClass.h"

// The variables come first: within this file they are initialised in the
// order of definition, so the tree below takes their built-in values as its
// defaults.
GrafikeinstellungSettings Grafikeinstellung;
std::string EditorProgram;
PrintPageRecord PrintPage;

namespace {

TreeClass Root("Einstellung", {});

using T = TreeClass;

TreeClass *Geometrie() {
  auto &g = Grafikeinstellung.Geometrie;
  return new T(
      "Geometrie",
      {new T("Knoten", {new T(g.Knoten.Liniendicke, "Liniendicke"), new T(g.Knoten.Farbe, "Farbe"),
                        new T(g.Knoten.Groesse, "Größe"), new T(g.Knoten.Textgroesse, "Textgröße"),
                        new T(g.Knoten.Textabstand, "Textabstand")}),
       new T("Stäbe",
             {new T(g.Staebe.Liniendicke, "Liniendicke"),
              new T(g.Staebe.Lastskalierung, "Lastskalierung"), new T(g.Staebe.Farbe, "Farbe"),
              new T(g.Staebe.TextGroesse, "TextGröße"), new T(g.Staebe.Textabstand, "Textabstand"),
              new T(g.Staebe.Textfarbe, "Textfarbe"),
              new T(g.Staebe.Materialtextgroesse, "Materialtextgröße"),
              new T(g.Staebe.Materialtextfarbe, "Materialtextfarbe"),
              new T(g.Staebe.Laufkoordinatenabstand, "Laufkoordinatenabstand"),
              new T(g.Staebe.Laufkoordinatenliniendicke, "Laufkoordinatenliniendicke"),
              new T(g.Staebe.Laufkoordinatenfarbe, "Laufkoordinatenfarbe")}),
       new T("Auflager",
             {new T(g.Auflager.Groesse, "Größe"), new T(g.Auflager.Liniendicke, "Liniendicke"),
              new T(g.Auflager.Farbe, "Farbe")}),
       new T("Gelenke", {new T(g.Gelenke.Farbe, "Farbe"), new T(g.Gelenke.Groesse, "Größe"),
                         new T(g.Gelenke.Liniendicke, "Liniendicke"),
                         new T(g.Gelenke.Textabstand, "Textabstand"),
                         new T(g.Gelenke.Textgroesse, "Textgröße")})});
}

TreeClass *Belastung() {
  auto &b = Grafikeinstellung.Belastung;
  auto &k = b.Knotenlasten;
  return new T(
      "Belastung",
      {new T("Knotenlasten", {new T(k.Farbe, "Farbe"), new T(k.Pfeilgroesse, "Pfeilgröße"),
                              new T(k.Liniendicke, "Liniendicke"),
                              new T(k.Momentenpfeilgroesse, "Momentenpfeilgröße"),
                              new T(k.Textgroesse, "Textgröße")}),
       new T("Streckenlasten", {new T(b.Streckenlasten.Farbe, "Farbe"),
                                new T(b.Streckenlasten.Liniendicke, "Liniendicke")}),
       new T("Punktlasten", {new T(b.Punktlasten.Pfeilgroesse, "Pfeilgröße"),
                             new T(b.Punktlasten.Momentenpfeilgroesse, "Momentenpfeilgröße"),
                             new T(b.Punktlasten.Liniendicke, "Liniendicke"),
                             new T(b.Punktlasten.Farbe, "Farbe")}),
       new T("Temperaturlasten", {new T(b.Temperaturlasten.Abstand, "Abstand"),
                                  new T(b.Temperaturlasten.Liniendicke, "Liniendicke"),
                                  new T(b.Temperaturlasten.TextAbstand, "TextAbstand"),
                                  new T(b.Temperaturlasten.Textgroesse, "Textgröße")}),
       new T("Gelenklasten", {new T(b.Gelenklasten.Pfeilgroesse, "Pfeilgröße"),
                              new T(b.Gelenklasten.Liniendicke, "Liniendicke")}),
       // Imposed displacements are drawn with the sizes of the node loads.
       new T("Zwangsverformungen",
             {new T(b.Zwangsverformungen.Farbe, "Farbe"), new T(k.Pfeilgroesse, "Pfeilgröße"),
              new T(k.Liniendicke, "Liniendicke"),
              new T(k.Momentenpfeilgroesse, "Momentenpfeilgröße"),
              new T(k.Textgroesse, "Textgröße")}),
       new T("Vorverformungen", {new T(b.Vorverformungen.Farbe, "Farbe"),
                                 new T(b.Vorverformungen.Liniendicke, "Liniendicke"),
                                 new T(b.Vorverformungen.Groesse, "Größe"),
                                 new T(b.Vorverformungen.Textabstand, "Textabstand"),
                                 new T(b.Vorverformungen.Textgroesse, "Textgröße")}),
       new T(b.Lastabstand, "Lastabstand")});
}

TreeClass *Ergebnisse() {
  auto &e = Grafikeinstellung.Ergebnisse;
  auto &v = e.Verformungen;
  return new T(
      "Ergebnisse",
      {new T("Auflagerkräfte", {new T(e.Auflagerkraefte.Farbe, "Farbe"),
                                new T(e.Auflagerkraefte.Pfeilgroesse, "Pfeilgröße"),
                                new T(e.Auflagerkraefte.Liniendicke, "Liniendicke"),
                                new T(e.Auflagerkraefte.Momentenpfeilgroesse, "Momentenpfeilgröße"),
                                new T(e.Auflagerkraefte.Textgroesse, "Textgröße")}),
       new T("Verformungen",
             {new T("Linie", {new T(v.Linie.Dicke, "Dicke"), new T(v.Linie.Farbe, "Farbe")}),
              new T("Text", {new T(v.Text.Farbe, "Farbe"), new T(v.Text.Abstand, "Abstand"),
                             new T(v.Text.Groesse, "Größe")}),
              new T("Knoten",
                    {new T(v.Knoten.Groesse, "Größe"), new T(v.Knoten.Liniendicke, "Liniendicke")}),
              new T(v.Skalierung, "Skalierung")}),
       new T("Funktionen", {new T(e.Funktionen.Textgroesse, "Textgröße"),
                            new T(e.Funktionen.Textabstand, "Textabstand"),
                            new T(e.Funktionen.Pfeilgroesse, "Pfeilgröße"),
                            new T(e.Funktionen.Skalierung, "Skalierung"),
                            new T(e.Funktionen.Liniendicke, "Liniendicke")})});
}

TreeClass *EditorUndSeitenraender() {
  return new T("Editor und Seitenränder",
               {new T(EditorProgram, "Editor für die Textausgabe"),
                new T("Seitenränder (nur für Grafikausdruck)",
                      {new T(PrintPage.Links, "Links"), new T(PrintPage.Rechts, "Rechts"),
                       new T(PrintPage.Oben, "Oben"), new T(PrintPage.Unten, "Unten")})});
}

void BuildSettingsTree() {
  EditorProgram = "Velto.exe";
  Root.Add(new T("Grafikeinstellung", {Geometrie(), Belastung(), Ergebnisse()}));
  Root.Add(EditorUndSeitenraender());
}

void DeleteSettingsTree() {
  Root.DeleteChildren();
}

// Builds the tree while the static objects are initialised and deletes it
// at exit.
struct SettingsTreeLifetime {
  SettingsTreeLifetime() { BuildSettingsTree(); }
  ~SettingsTreeLifetime() { DeleteSettingsTree(); }
} settingsTreeLifetime;

} // namespace

TreeClass &SettingsRoot() {
  return Root;
}
