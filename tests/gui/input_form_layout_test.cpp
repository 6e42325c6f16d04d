// Every page of both input forms against the tables the forms are drawn
// from: tab, grid, bound table, fixed rows, widths, headers with their
// spans and each column cell's type, format, choices, filter, length,
// centring and read-only flag.  The expectations are written out here, so a
// missing or mistyped column in a form fails.
#include "app/InputForms.h"
#include "grid/UserGrid.h"
#include "grid/UserHeader.h"
#include "grid/UserInt.h"
#include "grid/UserList.h"
#include "model/LoadLists.h"
#include "model/SystemTables.h"
#include "tests/support/FormsSession.h"

#include <QTabWidget>
#include <QToolButton>
#include <QtTest>
#include <memory>
#include <set>

namespace {

struct ExpectedPage {
  const char *page, *tab, *grid;
  int help;
  InputContainer *table;
  int fixedRows;
  QList<int> widths;
  QStringList headers; // text rowB-rowE colB-colE, row by row
  QStringList cells;   // data columns from 1
};

// Integer and real cells as most columns have them.
const QString I = "int %d c";
const QString D = "dbl %#.4lg";
const QString YesNo = "list N,J f=0N1J m=1 c";

const QList<ExpectedPage> &SystemPages() {
  static const QList<ExpectedPage> pages{
      {"Knotentab",
       "Knoten",
       "KnotenGrid",
       10065,
       &Nodes,
       2,
       {40, 100, 100, 40, 40, 40, 100},
       {"Nr 0-1 0-0", "Koordinaten 0-0 1-2", "Auflager 0-0 3-6", "x 1-1 1-1", "z 1-1 2-2",
        "x 1-1 3-3", "z 1-1 4-4", "R 1-1 5-5", "Verdrehung in Grad 1-1 6-6"},
       {D, D, YesNo, YesNo, YesNo, D}},
      {"StabTab",
       "Stäbe",
       "StabGrid",
       10070,
       &Beams,
       2,
       {40, 60, 60, 80, 60, 60, 60},
       {"Nr 0-1 0-0", "Knoten 0-0 1-2", "Querschnittsnr. 0-1 3-3", "Stabdicke 0-1 4-4",
        "Intervalle 0-1 5-5", "Stablänge 0-1 6-6", "Anfang 1-1 1-1", "Ende 1-1 2-2"},
       {I, I, I, D, I, "dbl %.3lf ro"}},
      {"Querschnittstab",
       "Querschnittstypen",
       "QuerschnittsGrid",
       10075,
       &Materials,
       1,
       {40, 100, 100, 100, 100},
       {"Nr 0-0 0-0", "Elastizitätsmodul 0-0 1-1", "Trägheitsmoment 0-0 2-2", "Fläche 0-0 3-3",
        "Temp.ausd.koeff 0-0 4-4"},
       {D, D, D, D}},
      {"GelenkTab",
       "Gelenke",
       "GelenkGrid",
       10080,
       &Hinges,
       1,
       {40, 50, 100, 100},
       {"Nr 0-0 0-0", "Stabnr 0-0 1-1", "x-Pos (0-1) 0-0 2-2", "Typ (M,Q,N) 0-0 3-3"},
       {I, D, "list Normalkraft,Querkraft,Moment m=1 c"}},
  };
  return pages;
}

const QList<ExpectedPage> &LoadPages() {
  static const QList<ExpectedPage> pages{
      {"Knotenlastentab",
       "Knotenlasten",
       "KnotenlastenGrid",
       10085,
       &NodeLoads,
       2,
       {50, 40, 40, 100, 100, 100},
       {"Nr 0-1 0-0", "Knoten 0-0 1-2", "Last in Richtung 0-0 3-5", "von 1-1 1-1", "bis 1-1 2-2",
        "x 1-1 3-3", "z 1-1 4-4", "Moment 1-1 5-5"},
       {I, I, D, D, D}},
      {"Zwangsverformungentab",
       "Zwangsverformungen",
       "ZwangsGrid",
       10090,
       &ImposedDisplacements,
       2,
       {50, 40, 40, 100, 100, 100},
       {"Nr 0-1 0-0", "Knoten 0-0 1-2", "Verschiebung in Richtung 0-0 3-5", "von 1-1 1-1",
        "bis 1-1 2-2", "x 1-1 3-3", "z 1-1 4-4", "Rotation 1-1 5-5"},
       {I, I, D, D, D}},
      {"Streckenlastentab",
       "Streckenlasten",
       "StreckenlastenGrid",
       10095,
       &BeamLoads,
       3,
       {50, 40, 40, 70, 100, 100, 100, 100, 60, 60},
       {"Nr 0-2 0-0", "Stäbe 0-1 1-2", "Lokal/Global 0-2 3-3", "Streckenlast in 0-0 4-7",
        "Teilbelastung (0 - 1) 0-1 8-9", "Quer/X-Richtung 1-1 4-5", "Längs/Z-Richtung 1-1 6-7",
        "von 2-2 1-1", "bis 2-2 2-2", "Anfang 2-2 4-4", "Ende 2-2 5-5", "Anfang 2-2 6-6",
        "Ende 2-2 7-7", "von 2-2 8-8", "bis 2-2 9-9"},
       {I, I, "list Lokal,Global", D, D, D, D, D, D}},
      {"Einzellastentab",
       "Einzellasten",
       "EinzellastenGrid",
       10100,
       &PointLoads,
       2,
       {50, 40, 100, 100, 100, 100},
       {"Nr 0-1 0-0", "Stabnr 0-1 1-1", "x-Position (0 - 1) 0-1 2-2",
        "Lokale Last in Richtung 0-0 3-5", "N 1-1 3-3", "Q 1-1 4-4", "Moment 1-1 5-5"},
       {I, D, D, D, D}},
      {"Temperaturtab",
       "Temperatur",
       "TemperaturGrid",
       10105,
       &TemperatureLoads,
       2,
       {50, 40, 40, 150, 150},
       {"Nr 0-1 0-0", "Stäbe 0-0 1-2", "Temperatur im Schwerpunkt 0-1 3-3",
        "Temperaturdifferenz Tu - To 0-1 4-4", "von 1-1 1-1", "bis 1-1 2-2"},
       {I, I, D, D}},
      {"Vorverformungentab",
       "Vorverformungen",
       "VorverformungsGrid",
       10110,
       &Imperfections,
       2,
       {50, 40, 40, 100, 100},
       {"Nr 0-1 0-0", "Stab 0-0 1-2", "Vorverformungstyp 0-0 3-4", "von 1-1 1-1", "bis 1-1 2-2",
        "Schiefstellung w0/l 1-1 3-3", "Vorkrümmung wf/l 1-1 4-4"},
       {I, I, D, D}},
      {"Gelenklastentab",
       "Gelenklasten",
       "GelenklastenGrid",
       10115,
       &HingeLoads,
       1,
       {50, 50, 100, 100},
       {"Nr 0-0 0-0", "Gelenknr. 0-0 1-1", "Last/Verformung 0-0 2-2", "Wert 0-0 3-3"},
       {I, "list Last,Verformung c", D}},
  };
  return pages;
}

QString Describe(TUserCell *cell) {
  QString text;
  if (auto *list = qobject_cast<TUserList *>(cell))
    text = "list " + list->List().join(',');
  else if (auto *number = qobject_cast<TUserInt *>(cell))
    text = QStringList{"int", "dbl", "str"}.value(number->Typ()) + ' ' + number->Format();
  else
    return "none";
  if (!cell->Filter().isEmpty())
    text += " f=" + cell->Filter();
  if (cell->MaxTextLen() != 0)
    text += QString(" m=%1").arg(cell->MaxTextLen());
  if (cell->Center())
    text += " c";
  if (cell->OnlyRead())
    text += " ro";
  return text;
}

// Each header once, found from its top-left cell, row by row.
QStringList Headers(TUserGrid *grid) {
  QStringList texts;
  for (int row = 0; row < grid->FixedRows(); ++row)
    for (int column = 0; column < grid->ColCount(); ++column)
      if (TUserHeader *header = grid->HeaderAt(row, column);
          header != nullptr && header->RowB() == row && header->ColB() == column)
        texts << QString("%1 %2-%3 %4-%5")
                     .arg(header->Text())
                     .arg(header->RowB())
                     .arg(header->RowE())
                     .arg(header->ColB())
                     .arg(header->ColE());
  return texts;
}

// The declared widths, except where the grid widened a column so that a
// caption over it fits: those count as declared when wider than declared.
QList<int> Widths(TUserGrid *grid, const QList<int> &declared) {
  QList<int> widths;
  for (int column = 0; column < grid->ColCount(); ++column) {
    const int width = grid->ColWidths(column);
    bool widened = false;
    for (int row = 0; row < grid->FixedRows(); ++row)
      if (TUserHeader *header = grid->HeaderAt(row, column))
        widened = widened || grid->TextWidth(header->Text().toStdString()) + 4 >
                                 declared.value(column) * (header->ColE() - header->ColB() + 1);
    widths << (widened && width > declared.value(column) ? declared.value(column) : width);
  }
  return widths;
}

void CompareForm(TInputForm &form, const QList<ExpectedPage> &pages) {
  QCOMPARE(form.PageControl1->count(), pages.size());
  QCOMPARE(form.PageControl1->tabPosition(), QTabWidget::South);
  for (int i = 0; i < pages.size(); ++i) {
    const ExpectedPage &expected = pages[i];
    QWidget *page = form.PageControl1->widget(i);
    QCOMPARE(page->objectName(), QString(expected.page));
    QCOMPARE(form.PageControl1->tabText(i), QString::fromUtf8(expected.tab));
    const QList<TUserGrid *> grids = page->findChildren<TUserGrid *>();
    QCOMPARE(grids.size(), 1);
    TUserGrid *grid = grids.front();
    QCOMPARE(grid->objectName(), QString(expected.grid));
    QCOMPARE(grid->property("HelpContext").toInt(), expected.help);
    QCOMPARE(grid->Container(), expected.table);
    QCOMPARE(expected.table->Grid(), static_cast<InputGrid *>(grid));
    QCOMPARE(grid->ParentForm, &form);
    QCOMPARE(grid->FixedRows(), expected.fixedRows);
    QCOMPARE(grid->DefaultRowHeight(), 18);
    QCOMPARE(grid->ColCount(), expected.widths.size());
    QCOMPARE(Widths(grid, expected.widths), expected.widths);
    QCOMPARE(Headers(grid), expected.headers);
    QStringList cells;
    for (int column = 1; column < grid->ColCount(); ++column)
      cells << Describe(grid->ColumnCell(column));
    QCOMPARE(cells, expected.cells);
  }
}

QStringList Hints(const TInputForm &form) {
  QStringList hints;
  for (QToolButton *button : {form.SpeedButton5, form.SpeedButton3, form.SpeedButton2,
                              form.SpeedButton1, form.SpeedButton4})
    hints << button->toolTip();
  return hints;
}

} // namespace

class InputFormLayoutTest : public QObject {
  Q_OBJECT
private slots:
  void systemForm();
  void loadForm();
};

void InputFormLayoutTest::systemForm() {
  FormsSession session;
  TSystemInputForm *form = session.Form().GetSystemInputForm();
  QCOMPARE(form->windowTitle(), QString("Geometrie"));
  QCOMPARE(Hints(*form), (QStringList{"Neue Geometrie", "Geometrie öffnen", "Geometrie speichern",
                                      "Zeile löschen (Strg-Del)", "Plausibilitätkontrolle"}));
  CompareForm(*form, SystemPages());
}

void InputFormLayoutTest::loadForm() {
  FormsSession session;
  TLoadInputForm *form = session.Form().GetLoadInputForm();
  QCOMPARE(form->windowTitle(), QString("Belastung"));
  QCOMPARE(Hints(*form), (QStringList{"Neue Belastung", "Belastung öffnen", "Belastung speichern",
                                      "Zeile löschen (Strg-Del)", "Plausibilitätkontrolle"}));
  CompareForm(*form, LoadPages());
}

QTEST_MAIN(InputFormLayoutTest)
#include "input_form_layout_test.moc"
