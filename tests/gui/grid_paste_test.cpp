// The node grid of the system form edited as a user edits it: after a
// paste or a block command the keys act on the highlighted cell, a double
// click on a choice is an edit like any other, pasted text is held to what
// typing allows, and what is copied is the stored value.
#include "app/InputForms.h"
#include "grid/UserCell.h"
#include "model/SystemTables.h"
#include "platform/MessageBeep.h"
#include "tests/support/DialogRecorder.h"
#include "tests/support/FormsSession.h"
#include "tests/support/ModelTables.h"
#include "tests/support/TempFolder.h"

#include <QClipboard>
#include <QMenu>
#include <QToolButton>
#include <QtTest>
#include <optional>

namespace {

void Click(TUserGrid *grid, int column, int row) {
  QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->CellRect(column, row).center());
}

// A block dragged with the left button from one cell to another.
void Drag(TUserGrid *grid, int column1, int row1, int column2, int row2) {
  QTest::mousePress(grid->viewport(), Qt::LeftButton, {}, grid->CellRect(column1, row1).center());
  QTest::mouseMove(grid->viewport(), grid->CellRect(column2, row2).center());
  QTest::mouseRelease(grid->viewport(), Qt::LeftButton, {}, grid->CellRect(column2, row2).center());
}

void Paste(TUserGrid *grid, const QString &text) {
  QApplication::clipboard()->setText(text);
  QTest::keyClick(grid, Qt::Key_V, Qt::ControlModifier);
}

} // namespace

class GridPasteTest : public QObject {
  Q_OBJECT
private slots:
  void init();
  void cleanup();
  void keysAfterAPasteOrABlockCommandActOnTheHighlightedCell();
  void aDoubleClickedChoiceIsStoredOrDroppedLikeTypedText();
  void pastedTextIsHeldToWhatTypingAllows();
  void copyAndPasteKeepTheStoredValueThroughTheFile();

private:
  // The node grid of a fresh system form, focused.
  TUserGrid *NodeGrid();
  std::optional<FormsSession> session_;
};

void GridPasteTest::init() {
  ClearModelTables();
  session_.emplace();
  session_->Form().show();
  session_->Form().activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&session_->Form()));
  ResetMessageBeepCount();
}

void GridPasteTest::cleanup() {
  session_.reset();
}

TUserGrid *GridPasteTest::NodeGrid() {
  TUserGrid *grid = session_->Form().GetSystemInputForm()->PageGrid("Knotentab");
  QCoreApplication::processEvents(); // laid out and sized to its columns
  session_->Form().SetSystemChanged(0);
  grid->setFocus();
  return grid;
}

void GridPasteTest::keysAfterAPasteOrABlockCommandActOnTheHighlightedCell() {
  for (int i = 1; i <= 4; ++i)
    AddNode(i, i, 0);
  TUserGrid *grid = NodeGrid();
  Click(grid, 1, 3);
  Paste(grid, "7\t8\r\n9\t10");
  QCOMPARE(Nodes.At(2).z, 10.0);
  QTest::keyClick(grid, Qt::Key_Delete, Qt::ControlModifier); // frees the highlighted row
  QCOMPARE(Nodes.IsRowValid(1), 0);
  QCOMPARE(Nodes.IsRowValid(2), 1);

  // "Addieren" over a dragged block, then typing: the drag's first cell.
  Drag(grid, 1, 4, 2, 5);
  DialogRecorder dialogs;
  dialogs.AnswerValue(MsgResult::Ok, "1");
  grid->BlockPopup()->actions()[0]->trigger();
  QCOMPARE(Nodes.At(3).z, 1.0);
  QTest::keyClicks(grid, "5");
  QTest::keyClick(grid, Qt::Key_Tab);
  QCOMPARE(Nodes.At(2).x, 5.0);
  QCOMPARE(Nodes.At(3).z, 1.0);
}

void GridPasteTest::aDoubleClickedChoiceIsStoredOrDroppedLikeTypedText() {
  AddNode(1, 0, 0);
  TUserGrid *grid = NodeGrid();
  TMainForm &form = session_->Form();
  Click(grid, 3, 2);
  QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, grid->CellRect(3, 2).center());
  QCOMPARE(grid->EText, std::string("J"));
  QCOMPARE(Nodes.At(0).supportX, 0);
  QTest::keyClick(grid, Qt::Key_Escape);
  QTest::keyClick(grid, Qt::Key_Tab);
  QCOMPARE(Nodes.At(0).supportX, 0);
  QCOMPARE(form.SystemChangedFlag, 0);

  Click(grid, 3, 2);
  QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, grid->CellRect(3, 2).center());
  QTest::keyClick(grid, Qt::Key_Tab);
  QCOMPARE(Nodes.At(0).supportX, 1);
  QCOMPARE(form.SystemChangedFlag, 1);
}

void GridPasteTest::pastedTextIsHeldToWhatTypingAllows() {
  AddNode(1, 7, 0).supportR = 1;
  TUserGrid *grid = NodeGrid();
  Click(grid, 3, 2);
  Paste(grid, "1\t0\tx");
  QCOMPARE(Nodes.At(0).supportX, 1);
  QCOMPARE(Nodes.At(0).supportZ, 0);
  QCOMPARE(Nodes.At(0).supportR, 1); // "x" is no choice: refused
  QCOMPARE(MessageBeepCount(BeepKind::Simple), 1);

  Click(grid, 1, 2);
  Paste(grid, "abc\t1,25\r\n2x\r\n3");
  QCOMPARE(Nodes.At(0).x, 7.0); // no number: refused, and the paste goes on
  QCOMPARE(Nodes.At(0).z, 1.25);
  QCOMPARE(Nodes.IsRowValid(1), 0); // its one cell refused: the row stays free
  QCOMPARE(Nodes.At(2).x, 3.0);
  QCOMPARE(MessageBeepCount(BeepKind::Simple), 3);
}

void GridPasteTest::copyAndPasteKeepTheStoredValueThroughTheFile() {
  TUserGrid *grid = NodeGrid();
  Click(grid, 1, 2);
  QTest::keyClicks(grid, "12.3456");
  QTest::keyClick(grid, Qt::Key_Tab);
  QTest::keyClicks(grid, "2.1e-5");
  Click(grid, 1, 2);
  QCOMPARE(grid->EText, std::string("12.35")); // shown in its format
  Drag(grid, 1, 2, 2, 2);
  QTest::keyClick(grid, Qt::Key_C, Qt::ControlModifier);
  QCOMPARE(QApplication::clipboard()->text(), QString("12.3456\t2.1e-05\t\r\n"));
  Click(grid, 1, 3);
  QTest::keyClick(grid, Qt::Key_V, Qt::ControlModifier);
  QVERIFY(Nodes.At(1).x == 12.3456 && Nodes.At(1).z == 2.1e-5); // exactly
  QCOMPARE(grid->EText, std::string("12.35"));

  TempFolder folder;
  DialogRecorder dialogs;
  dialogs.Answer(MsgResult::Ok, folder.File("copied.ssy"));
  session_->Form().GetSystemInputForm()->SpeedButton2->click();
  const std::string saved = TempFolder::Load(folder.File("copied.ssy"));
  QVERIFY(saved.find("    2 1.23456000000000e+01 2.10000000000000e-05") != std::string::npos);
}

QTEST_MAIN(GridPasteTest)
#include "grid_paste_test.moc"
