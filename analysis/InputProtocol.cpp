#include "analysis/InputProtocol.h"

#include "analysis/RowsInUse.h"
#include "model/LoadLists.h"
#include "model/SystemTables.h"

namespace {

const char *const kDashRule82 =
    "----------------------------------------------------------------------------------\n";
const char *const kDashRule65 =
    "-----------------------------------------------------------------\n";

// The heading of a section: its title line, the rule above the column
// heads, the column heads and the rule below them.
void Heading(std::string &text, const char *title, const char *rule, const char *columns) {
  text += title;
  text += rule;
  text += columns;
  text += rule;
}

// A section of a table that holds rows in use: the heading, one line per row
// in use written by row(text, number, record), then two line feeds.
template <class Record, class Row>
void Section(std::string &text, InputTable<Record> &table, const char *title, const char *rule,
             const char *columns, Row row) {
  if (table.ActiveCount() == 0)
    return;
  Heading(text, title, rule, columns);
  ForRowsInUse(table, [&](int index, const Record &record) { row(text, index + 1, record); });
  text += "\n\n";
}

void NodeSection(std::string &text) {
  Section(text, Nodes, "\nKnoten\n", kDashRule82,
          "         Knotenkoordinaten          Auflager\n"
          "   Nr      x          z          x z R   Schiefstellung (in°)\n",
          [](std::string &t, int number, const NodeRecord &r) {
            AppendF(t, "%5d %#10.4lg %#10.4lg      %c %c %c   %10lg\n", number, r.x, r.z,
                    SupportLetter(r.supportX), SupportLetter(r.supportZ), SupportLetter(r.supportR),
                    r.skew);
          });
}

void BeamSection(std::string &text) {
  Section(text, Beams, "\nStäbe\n", kDashRule82,
          "        Knotennummer   \n"
          "Stabnr  Anfang  Ende  Querschnitt Stabdicke\n",
          [](std::string &t, int number, const BeamRecord &r) {
            AppendF(t, "%5d   %5d  %5d  %5d  %#10.4lg\n", number, r.node1, r.node2, r.material,
                    r.thickness);
          });
}

void MaterialSection(std::string &text) {
  Section(text, Materials, "\nQuerschnittstypen\n", kDashRule65,
          "   Nr   E-Modul  Trägheitsmoment Fläche   Temperaturausd.koeff.\n",
          [](std::string &t, int number, const MatRecord &r) {
            AppendF(t, "%5d %#10.4lg %#10.4lg %#10.4lg         %#10.4lg         \n", number, r.E,
                    r.I, r.A, r.alphaT);
          });
}

void HingeSection(std::string &text) {
  Section(text, Hinges, "\nGelenke\n", kDashRule82, "   Nr   StabNr  x-Pos     Typ \n",
          [](std::string &t, int number, const HingeRecord &r) {
            AppendF(t, "%5d %5d %#10.4lg     %c\n", number, r.beam, r.position,
                    HingeTypeLetter(r.type));
          });
}

void NodeLoadSection(std::string &text) {
  Section(text, NodeLoads, "\nKnotenlasten\n", kDashRule82,
          "       Knoten                 Lastkomponenten\n"
          " Last von   bis        x          z          R\n",
          [](std::string &t, int number, const NodeLoadRecord &r) {
            AppendF(t, "%5d  %5d %5d %#10.4lg %#10.4lg %#10.4lg\n", number, r.from, r.to, r.px,
                    r.pz, r.m);
          });
}

void BeamLoadSection(std::string &text) {
  Section(text, BeamLoads, "\nStreckenlasten\n", kDashRule82,
          "                                  Lastkomponenten\n"
          "         Stäbe     Lokal/      Querrichtung/X       Längsrichtung/Z  Teilbelastung\n"
          " Last   von   bis  Global   Anfang       Ende     Anfang       Ende   von    bis\n",
          [](std::string &t, int number, const BeamLoadRecord &r) {
            AppendF(t, "%5d %5d %5d %5s %#10.4lg %#10.4lg %#10.4lg %#10.4lg %#.4lg %#.4lg\n",
                    number, r.from, r.to, r.system == kLocalAxes ? "Lokal " : "Global", r.q1Start,
                    r.q1End, r.q2Start, r.q2End, r.partialStart, r.partialEnd);
          });
}

void PointLoadSection(std::string &text) {
  Section(text, PointLoads, "\nEinzellasten\n", kDashRule82,
          "                                  Lastkomponenten\n"
          " Last Stab       xPos          x          z          R\n",
          [](std::string &t, int number, const PointLoadRecord &r) {
            AppendF(t, "%5d  %5d %#10.4lg %#10.4lg %#10.4lg %#10.4lg\n", number, r.beam, r.position,
                    r.n, r.q, r.m);
          });
}

void ImposedDisplacementSection(std::string &text) {
  Section(text, ImposedDisplacements, "\nZwangsverschiebungen\n", kDashRule82,
          "       Knoten        Zwangsverschiebung in Richtung\n"
          "   Nr von   bis        x          z          R\n",
          [](std::string &t, int number, const ZwvRecord &r) {
            AppendF(t, "%5d %5d %5d %#10.4lg %#10.4lg %#10.4lg\n", number, r.from, r.to, r.dx, r.dz,
                    r.rotation);
          });
}

void TemperatureSection(std::string &text) {
  Section(text, TemperatureLoads, "\nTemperaturbelastungen\n", kDashRule82,
          "          Stäbe     Temperatur im    Temperaturdifferenz\n"
          " Last   von   bis    Schwerpunkt            Tu - To\n",
          [](std::string &t, int number, const TempLoadRecord &r) {
            AppendF(t, "%5d %5d %5d %#10.4lg   %#10.4lg\n", number, r.from, r.to, r.t, r.dT);
          });
}

void ImperfectionSection(std::string &text) {
  Section(text, Imperfections, "\nVorverformungen\n", kDashRule82,
          "          Stäbe     Schiefstellung       Vorkrümmung\n"
          " Last   von   bis        w0/l               wf/l\n",
          [](std::string &t, int number, const ImperfectionRecord &r) {
            AppendF(t, "%5d %5d %5d %#10.4lg %#10.4lg\n", number, r.from, r.to, r.sway, r.bow);
          });
}

void HingeLoadSection(std::string &text) {
  Section(text, HingeLoads, "\nGelenklasten\n", kDashRule82,
          " Last   Gelenknr.     Last/Verformung       Wert\n",
          [](std::string &t, int number, const HingeLoadRecord &r) {
            AppendF(t, "%5d    %5d   %10s   %#10.4lg \n", number, r.hinge,
                    r.kind == kHingeLoad ? "   Last   " : "Verformung", r.value);
          });
}

} // namespace

char SupportLetter(int value) {
  return value == 0 ? 'N' : 'J';
}

char HingeTypeLetter(int type) {
  switch (type) {
  case kHingeNormalForce:
    return 'N';
  case kHingeShearForce:
    return 'Q';
  case kHingeMoment:
    return 'M';
  default:
    return '?';
  }
}

void PrintInput(std::string &text, const ProtocolHeader &header) {
  text += "Kelmor - Ausdruck der Eingabewerte\n\n";
  PrintPageHeader(text, header);
  text += "===================================== System =====================================\n";
  NodeSection(text);
  BeamSection(text);
  MaterialSection(text);
  HingeSection(text);
  text += "\n=================================== Belastungen ==================================\n";
  NodeLoadSection(text);
  BeamLoadSection(text);
  PointLoadSection(text);
  ImposedDisplacementSection(text);
  TemperatureSection(text);
  ImperfectionSection(text);
  HingeLoadSection(text);
}
