// A two-bay portal typed from scratch with the keyboard alone, as a new
// user would through the frame window and its forms: analysed by first-
// order theory, saved to a system and a load file, opened again, and every
// value compared with what was typed.
#include "analysis/FGTab.h"
#include "analysis/Solutions.h"
#include "app/InputForms.h"
#include "app/SolForm.h"
#include "grid/UserInt.h"
#include "grid/UserList.h"
#include "model/LoadLists.h"
#include "model/SystemTables.h"
#include "tests/support/DialogRecorder.h"
#include "tests/support/FormsSession.h"
#include "tests/support/KeyboardUser.h"
#include "tests/support/TempFolder.h"

#include <QPushButton>
#include <optional>

namespace {

using Rows = QList<QList<double>>;

// Columns 0 .. 5 of the node grid: x, z, three supports (1 held), skew.
const Rows kNodes = {{0, 0, 1, 1, 1, 0}, {0, -4, 0, 0, 0, 0},    {6, -4, 0, 0, 0, 0},
                     {6, 0, 1, 1, 0, 0}, {12, -4.5, 0, 0, 0, 0}, {12, 0, 1, 1, 1, 0}};
// First and last node, cross-section, depth, intervals.
const Rows kBeams = {
    {1, 2, 1, 0.3, 4}, {2, 3, 1, 0.3, 6}, {4, 3, 1, 0.3, 4}, {3, 5, 1, 0.3, 6}, {6, 5, 1, 0.3, 4}};
const Rows kSections = {{2.1e8, 8.356e-5, 5.38e-3, 1.2e-5}};
const Rows kNodeLoads = {{2, 2, 15, 0, -7.5}};
// Beams 2 to 4 in global axes (choice 1), a load in z over a part of each.
const Rows kBeamLoads = {{2, 4, 1, 0, 0, 12.5, 10, 0.125, 1}};

// The text a user types for a value: a choice's first letter, a number as
// written.
QString Typed(TUserGrid *grid, int column, double value) {
  if (auto *list = dynamic_cast<TUserList *>(grid->ColumnCell(column)))
    return list->ListItem(static_cast<int>(value)).left(1);
  return QString::number(value, 'g', 15);
}

// Types the rows into the grid that has the focus, from its current cell;
// false when the focus is in no grid.
bool TypeValues(const Rows &rows) {
  TUserGrid *grid = FocusGrid();
  if (grid == nullptr)
    return false;
  QList<QStringList> texts;
  for (const QList<double> &row : rows) {
    QStringList &line = texts.emplace_back();
    for (int c = 0; c < row.size(); ++c)
      line << Typed(grid, c + 1, row[c]);
  }
  TypeRows(texts);
  return true;
}

// The value stored in a cell, as a number of its column's type.
double Stored(TUserGrid *grid, int row, int column) {
  const void *value = grid->GetValue(row, column);
  auto *number = dynamic_cast<TUserInt *>(grid->ColumnCell(column));
  if (number != nullptr && number->Typ() == uDouble)
    return *static_cast<const double *>(value);
  return *static_cast<const std::int32_t *>(value);
}

// Every row of the table is in use and holds the values typed.
void CompareTable(TInputForm *form, const char *page, const Rows &rows) {
  TUserGrid *grid = form->PageGrid(page);
  QCOMPARE(grid->Container()->ActiveCount(), static_cast<int>(rows.size()));
  for (int r = 0; r < rows.size(); ++r)
    for (int c = 0; c < rows[r].size(); ++c)
      QCOMPARE(Stored(grid, grid->FixedRows() + r, c + 1), rows[r][c]);
}

} // namespace

class PortalKeyboardTest : public QObject {
  Q_OBJECT
private slots:
  void twoBayPortalTypedAnalysedSavedAndReopened();
};

void PortalKeyboardTest::twoBayPortalTypedAnalysedSavedAndReopened() {
  TempFolder folder;
  ResetAnalysis(Solutions);
  FormsSession session;
  TMainForm &main = session.Form();
  main.show();
  main.activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&main));
  DialogRecorder dialogs;

  PressKey(Qt::Key_S, Qt::ControlModifier);
  QVERIFY(TypeValues(kNodes));
  PressKey(Qt::Key_PageDown, Qt::ControlModifier);
  QVERIFY(TypeValues(kBeams));
  PressKey(Qt::Key_PageDown, Qt::ControlModifier);
  QVERIFY(TypeValues(kSections));
  PressKey(Qt::Key_B, Qt::ControlModifier);
  QVERIFY(TypeValues(kNodeLoads));
  PressKey(Qt::Key_PageDown, Qt::ControlModifier);
  PressKey(Qt::Key_PageDown, Qt::ControlModifier);
  QVERIFY(TypeValues(kBeamLoads));

  // F9 checks the input and analyses it; Return closes the status window.
  PressKey(Qt::Key_F9);
  QTRY_VERIFY(SolForm->isActiveWindow());
  QCOMPARE(SolForm->BitBtn1->isVisible(), true);
  PressKey(Qt::Key_Return);
  QVERIFY(!SolForm->isVisible());
  QCOMPARE(Solutions.ResultsPresent, 1);
  QCOMPARE(dialogs.Messages(), std::vector<std::string>{});

  // F2 saves both files, F3 and F4 open them into emptied tables.
  main.activateWindow(); // as the desktop gives the focus back
  QVERIFY(QTest::qWaitForWindowActive(&main));
  const std::string system = folder.File("portal2.ssy");
  const std::string loads = folder.File("portal2.sla");
  dialogs.Answer(MsgResult::Ok, system);
  dialogs.Answer(MsgResult::Ok, loads);
  PressKey(Qt::Key_F2);
  QVERIFY(!main.SystemChangedFlag && !main.LoadChangedFlag);
  dialogs.Answer(MsgResult::Ok, system);
  PressKey(Qt::Key_F3);
  dialogs.Answer(MsgResult::Ok, loads);
  PressKey(Qt::Key_F4);
  QVERIFY(dialogs.script.empty());
  QCOMPARE(dialogs.Messages(), std::vector<std::string>{});

  CompareTable(main.SystemInputWindow, "Knotentab", kNodes);
  CompareTable(main.SystemInputWindow, "StabTab", kBeams);
  CompareTable(main.SystemInputWindow, "Querschnittstab", kSections);
  CompareTable(main.LoadInputWindow, "Knotenlastentab", kNodeLoads);
  CompareTable(main.LoadInputWindow, "Streckenlastentab", kBeamLoads);
  QCOMPARE(Hinges.ActiveCount() + PointLoads.ActiveCount() + ImposedDisplacements.ActiveCount(), 0);
  SolForm->hide();
  ResetAnalysis(Solutions);
  FGTab.Clear();
}

QTEST_MAIN(PortalKeyboardTest)
#include "portal_keyboard_test.moc"
