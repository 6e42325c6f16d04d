#pragma once
// The drawing settings, the editor program for the protocols and the print-
// page record: plain global variables that the drawing, printing and protocol
// code reads directly.  Each one is bound to an entry of the settings tree
// (SettingsRoot below), which names it, keeps its built-in default, lets the
// settings dialog edit it and stores it in the settings file.
//
// Naming: `Grafikeinstellung` holds the group "Einstellung" / "Grafikeinstellung"
// of the tree, and each member is named by its path below that group, with
// ä, ö, ü, ß written ae, oe, ue, ss and the case of the entry kept:
//   Geometrie / Knoten / Liniendicke   ->  Grafikeinstellung.Geometrie.Knoten.Liniendicke
//   Geometrie / Stäbe / TextGröße      ->  Grafikeinstellung.Geometrie.Staebe.TextGroesse
//   Ergebnisse / Auflagerkräfte / ...  ->  Grafikeinstellung.Ergebnisse.Auflagerkraefte....
// The entries Pfeilgröße, Liniendicke, Momentenpfeilgröße and Textgröße of
// Belastung / Zwangsverformungen are bound to the Knotenlasten members of the
// same names; only Zwangsverformungen.Farbe is a variable of its own.
// The group "Editor und Seitenränder" binds `EditorProgram` and the margins
// `PrintPage.Links`, `.Rechts`, `.Oben`, `.Unten` (millimetres).
//
// Sizes, distances, line widths and text heights are fractions of the
// reference length of the drawing; scales are factors; colours are TColor
// values (blue * 65536 + green * 256 + red).
#include <string>

class TreeClass;

struct GrafikeinstellungSettings {
  struct {
    struct {
      double Liniendicke = 0.003;
      int Farbe = 32768;
      double Groesse = 0.005;
      double Textgroesse = 0.018;
      double Textabstand = 0.004;
    } Knoten;
    struct {
      double Liniendicke = 0.003;
      double Lastskalierung = 0.1;
      int Farbe = 8421504;
      double TextGroesse = 0.018;
      double Textabstand = 0.008;
      int Textfarbe = 0;
      double Materialtextgroesse = 0.018;
      int Materialtextfarbe = 0;
      double Laufkoordinatenabstand = 0.008;
      double Laufkoordinatenliniendicke = 0.002;
      int Laufkoordinatenfarbe = 8421504;
    } Staebe;
    struct {
      double Groesse = 0.035;
      double Liniendicke = 0.0015;
      int Farbe = 8421504;
    } Auflager;
    struct {
      int Farbe = 0;
      double Groesse = 0.015;
      double Liniendicke = 0.0015;
      double Textabstand = 0.007;
      double Textgroesse = 0.018;
    } Gelenke;
  } Geometrie;

  struct {
    struct {
      int Farbe = 16711680;
      double Pfeilgroesse = 0.02;
      double Liniendicke = 0.005;
      double Momentenpfeilgroesse = 0.05;
      double Textgroesse = 0.02;
    } Knotenlasten;
    struct {
      int Farbe = 16711680;
      double Liniendicke = 0.001;
    } Streckenlasten;
    struct {
      double Pfeilgroesse = 0.02;
      double Momentenpfeilgroesse = 0.05;
      double Liniendicke = 0.005;
      int Farbe = 16711680;
    } Punktlasten;
    struct {
      double Abstand = 0.01;
      double Liniendicke = 0.005;
      double TextAbstand = 0.01;
      double Textgroesse = 0.02;
    } Temperaturlasten;
    struct {
      double Pfeilgroesse = 0.1;
      double Liniendicke = 0.003;
    } Gelenklasten;
    struct {
      int Farbe = 255;
    } Zwangsverformungen;
    struct {
      int Farbe = 255;
      double Liniendicke = 0.001;
      double Groesse = 0.2;
      double Textabstand = 0.005;
      double Textgroesse = 0.02;
    } Vorverformungen;
    double Lastabstand = 0.02;
  } Belastung;

  struct {
    struct {
      int Farbe = 0;
      double Pfeilgroesse = 0.02;
      double Liniendicke = 0.004;
      double Momentenpfeilgroesse = 0.05;
      double Textgroesse = 0.02;
    } Auflagerkraefte;
    struct {
      struct {
        double Dicke = 0.001;
        int Farbe = 255;
      } Linie;
      struct {
        int Farbe = 0;
        double Abstand = 0.002;
        double Groesse = 0.01;
      } Text;
      struct {
        double Groesse = 0.004;
        double Liniendicke = 0.001;
      } Knoten;
      double Skalierung = 0.2;
    } Verformungen;
    struct {
      double Textgroesse = 0.01;
      double Textabstand = 0.001;
      double Pfeilgroesse = 0.02;
      double Skalierung = 0.16;
      double Liniendicke = 0.001;
    } Funktionen;
  } Ergebnisse;
};

// The page margins of the graphics printout in millimetres and the version
// text its title block shows.
struct PrintPageRecord {
  double Links = 5.0;
  double Rechts = 5.0;
  double Oben = 5.0;
  double Unten = 5.0;
  std::string Version = "5.78";
};

extern GrafikeinstellungSettings Grafikeinstellung;
// The editor program the protocols are shown with.  The default "Velto.exe"
// stands for the Velto beside the running program.
extern std::string EditorProgram;
extern PrintPageRecord PrintPage;

// The root "Einstellung" of the settings tree.  The tree is built while the
// program's static objects are initialised, before main, and deleted at exit;
// it must not be used from the static initialisation of other files.
TreeClass &SettingsRoot();
