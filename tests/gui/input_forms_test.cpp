// The input forms in the frame window: the example frame typed into the
// grids, saved, cleared and reopened; faults of the checks shown at their
// cells; the tool bar; closing and reopening a form; and what is typed but
// not yet stored reaching every command that reads or replaces the model.
#include "analysis/FGTab.h"
#include "analysis/Solutions.h"
#include "app/InputForms.h"
#include "graphics/core/Settings.h"
#include "graphics/widgets/TGraphForm.h"
#include "grid/UserGrid.h"
#include "model/LoadLists.h"
#include "model/ModelFiles.h"
#include "model/SystemTables.h"
#include "tests/support/DialogRecorder.h"
#include "tests/support/ExampleCopies.h"
#include "tests/support/FileBytes.h"
#include "tests/support/FormsSession.h"
#include "tests/support/TempFolder.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTabWidget>
#include <QToolButton>
#include <QtTest>
#include <optional>

namespace {

// Types the rows into the grid from its first data row, Tab after each
// cell and Enter after a row's last one, unless a full text left the cell
// by itself; both skip read-only columns, so the rows list only editable
// ones.
void TypeRows(TUserGrid *grid, const QList<QStringList> &rows) {
  grid->SetCell(1, grid->FixedRows());
  for (const QStringList &row : rows)
    for (int i = 0; i < row.size(); ++i) {
      const QPoint at(grid->Col(), grid->Row());
      QTest::keyClicks(grid, row[i]);
      if (QPoint(grid->Col(), grid->Row()) == at)
        QTest::keyClick(grid, i + 1 < row.size() ? Qt::Key_Tab : Qt::Key_Return);
    }
}

// Replaces the text of a cell by typing and leaves the cell pending.  A
// cell entered from another one has its text selected, so typing replaces.
void TypeInto(TUserGrid *grid, int dataRow, int column, const QString &text) {
  grid->SetCell(column == 1 ? 2 : 1, grid->FixedRows() + dataRow);
  grid->SetCell(column, grid->FixedRows() + dataRow);
  QTest::keyClicks(grid, text);
}

TUserGrid *GridOf(TInputForm *form, const char *page) {
  return form->PageGrid(page);
}

QString CurrentPage(TInputForm *form) {
  return form->PageControl1->currentWidget()->objectName();
}

// Shows the page and clicks a cell of its grid.
TUserGrid *ClickOnPage(TInputForm *form, const char *page, int dataRow, int column) {
  form->PageControl1->setCurrentWidget(form->findChild<QWidget *>(page));
  TUserGrid *grid = GridOf(form, page);
  QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                    grid->CellRect(column, grid->FixedRows() + dataRow).center());
  return grid;
}

// The points between which each beam in use runs, in row order.
QList<QPointF> BeamEnds() {
  QList<QPointF> ends;
  for (int n = 0; n < Beams.ActiveCount(); ++n)
    for (int node : {Beams.Active(n).node1, Beams.Active(n).node2})
      ends << QPointF(Nodes.At(node - 1).x, Nodes.At(node - 1).z);
  return ends;
}

} // namespace

class InputFormsTest : public QObject {
  Q_OBJECT
private slots:
  void init();
  void cleanup();
  void typedExampleFrameSurvivesSaveNewAndOpen();
  void checkFaultsOpenTheFormAtTheirCell();
  void closedFormReopensWithItsData();
  void pendingEditsReachEveryCommand();
  void insertedAndDeletedRowsCarryTheReferences();

private:
  std::optional<FormsSession> session_;
  TMainForm &Form() { return session_->Form(); }
  TempFolder folder_;
};

void InputFormsTest::init() {
  ResetAnalysis(Solutions);
  session_.emplace();
  Form().show();
  Form().activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&Form()));
}

void InputFormsTest::cleanup() {
  session_.reset();
  ResetAnalysis(Solutions);
  FGTab.Clear();
}

// The typed system is the example's, byte for byte once saved; what is
// saved, cleared by "Neu" and reopened is saved the same again.
void InputFormsTest::typedExampleFrameSurvivesSaveNewAndOpen() {
  QTest::keyClick(&Form(), Qt::Key_S, Qt::ControlModifier);
  QTest::keyClick(&Form(), Qt::Key_B, Qt::ControlModifier);
  TSystemInputForm *system = Form().SystemInputWindow;
  TLoadInputForm *loads = Form().LoadInputWindow;
  QVERIFY(system != nullptr && loads != nullptr);
  QCOMPARE(Form().MdiArea->subWindowList().size(), 2);
  // Supports typed as 1 and 0 are stored as "J" and "N" and leave the cell.
  TypeRows(GridOf(system, "Knotentab"), {{"0", "0", "1", "1", "1", "0"},
                                         {"0", "-5", "0", "0", "0", "0"},
                                         {"8", "-5", "0", "0", "0", "0"},
                                         {"8", "0", "1", "1", "1", "0"}});
  TypeRows(
      GridOf(system, "StabTab"),
      {{"1", "2", "1", "0.2", "10"}, {"2", "3", "2", "0,3", "10"}, {"4", "3", "1", "0.2", "10"}});
  TypeRows(GridOf(system, "Querschnittstab"), {{"2.1e8", "5.696e-5", "7.81e-3", "1.2e-5"},
                                               {"2.1e8", "8.356e-5", "5.38e-3", "1.2e-5"}});
  // A choice completes from its first letter.
  TypeRows(GridOf(system, "GelenkTab"), {{"2", "0.5", "M"}});
  TypeRows(GridOf(loads, "Knotenlastentab"), {{"2", "2", "10", "0", "0"}});
  TypeRows(GridOf(loads, "Streckenlastentab"), {{"2", "2", "G", "12", "12", "0", "0", "0", "1"}});
  TypeRows(GridOf(loads, "Gelenklastentab"), {{"1", "V", "0.001"}});
  TypeRows(GridOf(loads, "Zwangsverformungentab"), {{"4", "4", "0", "0.01", "0"}});
  QCOMPARE(Nodes.At(0).supportX, 1);
  QCOMPARE(Nodes.At(1).supportX, 0);
  QCOMPARE(BeamLoads.At(0).system, kGlobalAxes);
  QCOMPARE(HingeLoads.At(0).kind, kHingeDeformation);
  QVERIFY(Form().SystemChangedFlag && Form().LoadChangedFlag);

  DialogRecorder dialogs;
  const QString typedSystem = QString::fromStdString(folder_.File("typed.ssy"));
  const QString typedLoads = QString::fromStdString(folder_.File("typed.sla"));
  dialogs.Answer(MsgResult::Ok, typedSystem.toStdString());
  dialogs.Answer(MsgResult::Ok, typedLoads.toStdString());
  system->SpeedButton2->click();
  loads->SpeedButton2->click();
  QVERIFY(!Form().SystemChangedFlag && !Form().LoadChangedFlag);
  QCOMPARE(ReadBytes(typedSystem), ReadBytes(KELMOR_SOURCE_DIR "/examples/portal.ssy"));
  QCOMPARE(system->windowTitle(), " Geometrie:  " + typedSystem);
  QCOMPARE(loads->windowTitle(), " Belastung:  " + typedLoads);

  Form().FileNewItem->trigger();
  QCOMPARE(Nodes.ActiveCount() + BeamLoads.ActiveCount(), 0);
  QCOMPARE(system->windowTitle(), QString(" Geometrie:  "));
  QCOMPARE(Form().OpenSystemFile(typedSystem.toStdString()), 1);
  QCOMPARE(Form().OpenLoadFile(typedLoads.toStdString()), 1);
  WriteSystemFile(folder_.File("again.ssy"));
  WriteLoadFile(folder_.File("again.sla"));
  QCOMPARE(ReadBytes(QString::fromStdString(folder_.File("again.ssy"))), ReadBytes(typedSystem));
  QCOMPARE(ReadBytes(QString::fromStdString(folder_.File("again.sla"))), ReadBytes(typedLoads));

  // The typed frame is analysed as typed; an open graph window rebuilds
  // with the results (the imposed displacement takes the deformed shape's
  // scale), the input forms take no notice.
  TGraphForm *graph = Form().NewGraphWindow();
  QCoreApplication::sendPostedEvents();
  const PaintContainer &display = graph->State().Display;
  const QByteArray before(reinterpret_cast<const char *>(display.Bytes()), display.Count());
  QVERIFY(display.RecordCount() > 0);
  Form().ThIOrdnung1->trigger();
  QCoreApplication::sendPostedEvents();
  QCOMPARE(Solutions.ResultsPresent, 1);
  QVERIFY(QByteArray(reinterpret_cast<const char *>(display.Bytes()), display.Count()) != before);
  QCOMPARE(system->PageControl1->currentIndex(), 0);
  QCOMPARE(dialogs.Messages(), std::vector<std::string>{});
}

void InputFormsTest::checkFaultsOpenTheFormAtTheirCell() {
  CopyExampleFrame(folder_);
  QCOMPARE(Form().OpenSystemFile(folder_.File("portal.ssy")), 1);
  QCOMPARE(Form().OpenLoadFile(folder_.File("portal.sla")), 1);
  DialogRecorder dialogs;

  // The check button of a sound frame says so and nothing else.
  Form().GetSystemInputForm()->SpeedButton4->click();
  Form().GetLoadInputForm()->SpeedButton4->click();
  QCOMPARE(dialogs.requests.size(), std::size_t{2});
  QCOMPARE(dialogs.requests[1].caption, std::string("Plausibilitätskontrolle"));
  QCOMPARE(dialogs.Messages(), (std::vector<std::string>{"In Ordnung", "In Ordnung"}));
  Form().SystemInputWindow->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QVERIFY(Form().SystemInputWindow.isNull());
  QCOMPARE(Form().MdiArea->subWindowList().size(), 1); // its frame went too

  // A beam with an undefined node: F9 opens the form on "Stäbe" at the cell.
  Beams.At(2).node2 = 9;
  dialogs.requests.clear();
  QCOMPARE(Form().ThIOrdnung1->shortcut(), QKeySequence(Qt::Key_F9));
  Form().ThIOrdnung1->trigger();
  TSystemInputForm *system = Form().SystemInputWindow;
  QVERIFY(system != nullptr);
  QCOMPARE(CurrentPage(system), QString("StabTab"));
  TUserGrid *beams = GridOf(system, "StabTab");
  QCOMPARE(beams->Row(), beams->FixedRows() + 2);
  QCOMPARE(beams->Col(), 2);
  QCOMPARE(Form().MdiArea->activeSubWindow()->widget(), system);
  QCOMPARE(dialogs.requests.size(), std::size_t{1});
  QCOMPARE(dialogs.requests[0].caption, std::string("Eingabefehler"));
  QCOMPARE(dialogs.requests[0].icon, MsgIcon::Warning);
  QCOMPARE(dialogs.requests[0].text, std::string("Der zweite Knoten ist nicht definiert !"));
  QCOMPARE(Solutions.ResultsPresent, 0);
  Beams.At(2).node2 = 3;

  // The bedding modulus has no column: the cursor goes to the last one.
  Materials.At(1).bedding = -1.0;
  system->PageControl1->setCurrentIndex(0);
  dialogs.requests.clear();
  system->SpeedButton4->click();
  QCOMPARE(CurrentPage(system), QString("Querschnittstab"));
  TUserGrid *sections = GridOf(system, "Querschnittstab");
  QCOMPARE(sections->Row(), sections->FixedRows() + 1);
  QCOMPARE(sections->Col(), sections->ColCount() - 1);
  QCOMPARE(dialogs.Messages(), std::vector<std::string>{"Ungültiger Bettungsmodul !"});
  Materials.At(1).bedding = 0.0;

  // A load fault opens the load form at its page, once.
  HingeLoads.At(0).hinge = 5;
  dialogs.requests.clear();
  Form().ThIIOrdnung1->trigger();
  TLoadInputForm *loads = Form().LoadInputWindow;
  QCOMPARE(CurrentPage(loads), QString("Gelenklastentab"));
  QCOMPARE(GridOf(loads, "Gelenklastentab")->Col(), 1);
  QCOMPARE(dialogs.requests.size(), std::size_t{1});
  QCOMPARE(dialogs.requests[0].caption, std::string("Eingabefehler"));
}

void InputFormsTest::closedFormReopensWithItsData() {
  CopyExampleFrame(folder_);
  QCOMPARE(Form().OpenSystemFile(folder_.File("portal.ssy")), 1);
  Form().System1->trigger();
  TSystemInputForm *first = Form().SystemInputWindow;
  Form().SetSystemName("/a/b/frame.ssy");
  QCOMPARE(first->windowTitle(), QString(" Geometrie:  /a/b/frame.ssy"));
  QCOMPARE(first->objectName(), QString("SystemInputForm"));

  // The delete-row button frees the current row of the active page only.
  first->PageControl1->setCurrentIndex(1);
  GridOf(first, "StabTab")->SetCell(1, 2 + 1);
  GridOf(first, "Knotentab")->SetCell(1, 2 + 0);
  first->SpeedButton1->click();
  QCOMPARE(Beams.ActiveCount(), 2);
  QVERIFY(!Beams.IsRowValid(1));
  QCOMPARE(Nodes.ActiveCount(), 4);

  // Model-change messages of the frame pass the form by.
  Form().NotifyChildren(0);
  QCoreApplication::sendPostedEvents();
  QCOMPARE(first->PageControl1->currentIndex(), 1);

  QVERIFY(Form().MdiArea->subWindowList().front()->close());
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QVERIFY(Form().SystemInputWindow.isNull());
  QVERIFY(Form().MdiArea->subWindowList().isEmpty());
  QCOMPARE(Nodes.Grid(), nullptr);
  QCOMPARE(Nodes.ActiveCount(), 4);

  Form().System1->trigger();
  TSystemInputForm *second = Form().SystemInputWindow;
  QVERIFY(second != nullptr);
  QCOMPARE(second->windowTitle(), QString("Geometrie"));
  QCOMPARE(Nodes.Grid(), static_cast<InputGrid *>(GridOf(second, "Knotentab")));
  QCOMPARE(GridOf(second, "StabTab")->RowCount(), Beams.Grid()->RowCount());
  // A second request shows the same form, a minimised one restored.
  second->parentWidget()->showMinimized();
  Form().System1->trigger();
  QCOMPARE(Form().SystemInputWindow.data(), second);
  QVERIFY(!second->parentWidget()->isMinimized());
}

// A value typed into a row in use stays in the grid until the cell is left;
// the tool buttons and menus take no focus.  Every command that reads or
// replaces the model stores it first.
void InputFormsTest::pendingEditsReachEveryCommand() {
  CopyExampleFrame(folder_);
  QCOMPARE(Form().OpenSystemFile(folder_.File("portal.ssy")), 1);
  QCOMPARE(Form().OpenLoadFile(folder_.File("portal.sla")), 1);
  TSystemInputForm *system = Form().GetSystemInputForm();
  TLoadInputForm *loads = Form().GetLoadInputForm();
  TUserGrid *beams = GridOf(system, "StabTab");
  DialogRecorder dialogs;

  // The check button sees a node typed but not stored.
  TypeInto(beams, 0, 2, "9");
  QCOMPARE(Beams.At(0).node2, 2);
  system->SpeedButton4->click();
  QCOMPARE(Beams.At(0).node2, 9);
  QCOMPARE(dialogs.Messages(), std::vector<std::string>{"Der zweite Knoten ist nicht definiert !"});

  // The analysis reads the typed load.
  TypeInto(beams, 0, 2, "2");
  TUserGrid *nodeLoads = GridOf(loads, "Knotenlastentab");
  TypeInto(nodeLoads, 0, 4, "7");
  Form().ThIOrdnung1->trigger();
  QCOMPARE(NodeLoads.At(0).pz, 7.0);
  QCOMPARE(Beams.At(0).node2, 2);
  QCOMPARE(Solutions.ResultsPresent, 1);

  // The input protocol, too (with an editor that cannot be started).
  TypeInto(nodeLoads, 0, 4, "8");
  EditorProgram = folder_.File("no editor");
  Form().Eingabeprotocoll1Click();
  EditorProgram = "Velto.exe";
  QCOMPARE(NodeLoads.At(0).pz, 8.0);
  QCOMPARE(Form().LoadChangedFlag, 1);

  // "Neu" asks when only the grid holds the change, and leaves no stale
  // text to be stored into the emptied table later.
  QVERIFY(Form().SaveLoad() == 1);
  TypeInto(nodeLoads, 0, 3, "5");
  dialogs.requests.clear();
  dialogs.Answer(MsgResult::No);
  QCOMPARE(Form().NewLoad(), 1);
  QCOMPARE(dialogs.requests.size(), std::size_t{1});
  QCOMPARE(dialogs.requests[0].text, std::string("Lasteingaben erst speichern ?"));
  QTest::keyClick(nodeLoads, Qt::Key_Down);
  nodeLoads->clearFocus();
  QCOMPARE(NodeLoads.ActiveCount(), 0);

  // The close query asks about a change still in the grid.
  QCOMPARE(Form().SaveSystem(), 1);
  TypeInto(beams, 1, 4, "0.5");
  QCOMPARE(Form().SystemChangedFlag, 0);
  dialogs.requests.clear();
  dialogs.Answer(MsgResult::Cancel);
  QVERIFY(!Form().close());
  QCOMPARE(dialogs.Messages(), std::vector<std::string>{"Geometrie erst speichern ?"});
  QCOMPARE(Beams.At(1).thickness, 0.5);

  // Closing a form stores what its grid holds.
  TypeInto(beams, 2, 4, "0.25");
  system->close();
  QCOMPARE(Beams.At(2).thickness, 0.25);
}

// Other tables name rows by their numbers.  Alt+Ins and Alt+Del of a free
// row give back the files as they were; a node inserted before node 3 and
// typed leaves every beam, hinge and load on the nodes it had, under their
// new numbers, and every beam between the same points.
void InputFormsTest::insertedAndDeletedRowsCarryTheReferences() {
  CopyExampleFrame(folder_);
  const QString systemFile = QString::fromStdString(folder_.File("portal.ssy"));
  const QString loadFile = QString::fromStdString(folder_.File("portal.sla"));
  QCOMPARE(Form().OpenSystemFile(systemFile.toStdString()), 1);
  QCOMPARE(Form().OpenLoadFile(loadFile.toStdString()), 1);
  TSystemInputForm *system = Form().GetSystemInputForm();
  TLoadInputForm *loads = Form().GetLoadInputForm();
  const QByteArray systemBytes = ReadBytes(systemFile), loadBytes = ReadBytes(loadFile);
  const QList<QPointF> ends = BeamEnds();
  DialogRecorder dialogs;

  for (const char *page : {"Knotentab", "StabTab", "GelenkTab"}) {
    TUserGrid *grid = ClickOnPage(system, page, 0, 1);
    QTest::keyClick(grid, Qt::Key_Insert, Qt::AltModifier);
    QTest::keyClick(grid, Qt::Key_Delete, Qt::AltModifier);
  }
  QVERIFY(Form().SystemChangedFlag && Form().LoadChangedFlag);
  QTest::keyClick(&Form(), Qt::Key_F2);
  QVERIFY(!Form().SystemChangedFlag && !Form().LoadChangedFlag);
  QCOMPARE(ReadBytes(systemFile), systemBytes);
  QCOMPARE(ReadBytes(loadFile), loadBytes);

  TUserGrid *nodes = ClickOnPage(system, "Knotentab", 2, 1);
  QTest::keyClick(nodes, Qt::Key_Insert, Qt::AltModifier);
  QTest::keyClicks(nodes, "4");
  QTest::keyClick(nodes, Qt::Key_Tab);
  QTest::keyClicks(nodes, "-7");
  QTest::keyClick(nodes, Qt::Key_Return);
  QCOMPARE(Nodes.ActiveCount(), 5);
  QCOMPARE(BeamEnds(), ends);
  QCOMPARE(std::make_pair(Beams.At(1).node2, Beams.At(2).node1), std::make_pair(4, 5));
  QCOMPARE(Hinges.At(0).beam, 2);
  // The load case changed with the system, and its open grid shows it.
  QCOMPARE(Form().LoadChangedFlag, 1);
  TUserGrid *imposed = GridOf(loads, "Zwangsverformungentab");
  QCOMPARE(*static_cast<const std::int32_t *>(imposed->GetValue(imposed->FixedRows(), 1)), 5);
  // Only the imposed displacement on node 4, now 5, reads otherwise.
  QTest::keyClick(&Form(), Qt::Key_F2);
  QCOMPARE(ReadBytes(loadFile), QByteArray(loadBytes).replace("    1 4 4 ", "    1 5 5 "));
  QCOMPARE(dialogs.Messages(), std::vector<std::string>{});
}

QTEST_MAIN(InputFormsTest)
#include "input_forms_test.moc"
