// The data grid bound to the real tables: selecting, typing and storing,
// the key table and navigation, mouse blocks and colours, copy and paste,
// the block commands, the row commands answered both ways, focus, and a
// pending edit around changes of the table's rows.
#include "grid/UserCell.h"
#include "grid/UserList.h"
#include "platform/MessageBeep.h"
#include "platform/UserMessage.h"
#include "tests/support/DialogRecorder.h"
#include "tests/support/GridLayouts.h"
#include "tests/support/ModelTables.h"

#include <QClipboard>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QVBoxLayout>
#include <QtTest>
#include <memory>

namespace {

// A top-level window holding one grid, active and with the grid focused.
struct GridWindow {
  explicit GridWindow(TUserGrid *(*make)(QWidget *)) {
    auto *layout = new QVBoxLayout(&window);
    grid = make(&window);
    layout->addWidget(grid);
    window.resize(700, 560);
    window.show();
    QApplication::setActiveWindow(&window);
    [[maybe_unused]] const bool active = QTest::qWaitForWindowActive(&window);
    grid->setFocus();
  }
  QWidget window;
  TUserGrid *grid;
};

QPoint Centre(TUserGrid *grid, int column, int row) {
  return grid->CellRect(column, row).center();
}

void Click(TUserGrid *grid, int column, int row, Qt::MouseButton button = Qt::LeftButton) {
  QTest::mouseClick(grid->viewport(), button, {}, Centre(grid, column, row));
}

void Mouse(TUserGrid *grid, QEvent::Type type, int column, int row) {
  const QPointF at = Centre(grid, column, row);
  QMouseEvent event(type, at, grid->viewport()->mapToGlobal(at), Qt::LeftButton,
                    type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                    Qt::NoModifier);
  QApplication::sendEvent(grid->viewport(), &event);
}

// A block dragged with the left button from one cell to another.
void Drag(TUserGrid *grid, int column1, int row1, int column2, int row2) {
  Mouse(grid, QEvent::MouseButtonPress, column1, row1);
  Mouse(grid, QEvent::MouseMove, column2, row2);
  Mouse(grid, QEvent::MouseButtonRelease, column2, row2);
}

void Key(TUserGrid *grid, Qt::Key key, Qt::KeyboardModifiers held = Qt::NoModifier) {
  QTest::keyClick(grid, key, held);
}

void Focus(TUserGrid *grid, QEvent::Type type, Qt::FocusReason reason) {
  QFocusEvent event(type, reason);
  QApplication::sendEvent(grid, &event);
}

} // namespace

class GridEditingTest : public QObject {
  Q_OBJECT
private slots:
  void init() {
    ClearModelTables();
    ResetMessageBeepCount();
  }
  void cleanup() { ClearModelTables(); }
  void bindingOffersRowsAndClicksSelectThenPlaceTheCaret();
  void escapeDropsTypingAndTabStoresIt();
  void navigationSkipsReadOnlyColumnsAndAddsRowsAtTheEnd();
  void refusedKeysBeepAndCtrlOrAltTypeNothing();
  void numbersThatDoNotFitAreRefused();
  void choicesCompleteAndTypingCannotBreakAChoice();
  void doubleClickAndPopupChooseAndRightClicksStayInTheGrid();
  void pasteEndsRowsAtCrLfLfAndCrAndRefusesABlockBeyondTheGrid();
  void copyGivesTheBlockAsTabSeparatedLines();
  void blockArithmeticAndDeleteAndTheirColours();
  void rowCommandsAskAndAnswer();
  void focusLossStoresAndCommandsAfterAFocusReturnActOnTheCurrentRow();
  void aPendingEditStaysWithItsRecordWhenRowsMove();
  void messagesMoveToACellAndFreeTheRow();
  void aFormFollowsItsGridsWidthUnlessMaximised();
};

void GridEditingTest::bindingOffersRowsAndClicksSelectThenPlaceTheCaret() {
  {
    GridWindow empty(MakeNodeGrid);
    QCOMPARE(empty.grid->RowCount(), 42); // 40 data rows below two header rows
  }
  Use(Nodes, 57);
  AddNode(1, 12.5, 3.0);
  GridWindow w(MakeNodeGrid);
  TUserGrid *grid = w.grid;
  QCOMPARE(grid->RowCount(), 59);

  Click(grid, 1, 2);
  QCOMPARE(grid->Select, 1);
  QCOMPARE(grid->EText, std::string("12.50"));
  QCOMPARE(grid->ColumnCell(1)->CellColor(2, 1), QColor(0, 255, 255)); // selected, focused

  // The second click drops the selection and puts the caret at the click.
  const QRect cell = grid->CellRect(1, 2);
  QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                    QPoint(cell.right() - 2, cell.center().y()));
  QCOMPARE(grid->Select, 0);
  QCOMPARE(grid->Caret, 5);
  QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                    QPoint(cell.left() + 1, cell.center().y()));
  QCOMPARE(grid->Caret, 0);
  QTest::keyClicks(grid, "9");
  QCOMPARE(grid->EText, std::string("912.50"));
  Key(grid, Qt::Key_Tab);
  QCOMPARE(Nodes.At(0).x, 912.5);
  QCOMPARE(grid->Col(), 2);
}

void GridEditingTest::escapeDropsTypingAndTabStoresIt() {
  AddNode(1, 12.5, 3.0);
  GridWindow w(MakeNodeGrid);
  TUserGrid *grid = w.grid;
  Click(grid, 2, 2);
  QTest::keyClicks(grid, "7");
  QCOMPARE(grid->EText, std::string("7")); // the first character replaced the selection
  Key(grid, Qt::Key_Escape);
  QCOMPARE(grid->EText, std::string("3.000"));
  QCOMPARE(grid->EChanged, 0);
  Key(grid, Qt::Key_Return);
  QCOMPARE(Nodes.At(0).z, 3.0);

  // A free row comes into use when Tab stores what was typed into it.
  Click(grid, 1, 4);
  QTest::keyClicks(grid, "1,5");
  QCOMPARE(Nodes.IsRowValid(2), 0);
  Key(grid, Qt::Key_Tab);
  QCOMPARE(Nodes.At(2).x, 1.5);
}

void GridEditingTest::navigationSkipsReadOnlyColumnsAndAddsRowsAtTheEnd() {
  AddBeam(1, 1, 2);
  AddBeam(2, 2, 3);
  GridWindow w(MakeBeamGrid);
  TUserGrid *grid = w.grid;
  Click(grid, 5, 2);
  Key(grid, Qt::Key_Tab); // past the length column to the next row
  QCOMPARE(std::make_pair(grid->Col(), grid->Row()), std::make_pair(1, 3));
  Key(grid, Qt::Key_Left); // caret at 0: back, again past the length
  QCOMPARE(std::make_pair(grid->Col(), grid->Row()), std::make_pair(5, 2));
  Click(grid, 1, 2);
  Key(grid, Qt::Key_Backtab, Qt::ShiftModifier); // first data row: same row, last editable column
  QCOMPARE(std::make_pair(grid->Col(), grid->Row()), std::make_pair(5, 2));
  Key(grid, Qt::Key_End); // whole text selected, caret at 0: to the end first
  QCOMPARE(grid->Col(), 5);
  Key(grid, Qt::Key_End);
  QCOMPARE(std::make_pair(grid->Col(), grid->Row()), std::make_pair(1, 3));
  Key(grid, Qt::Key_Home); // caret to the start first
  QCOMPARE(std::make_pair(grid->Col(), grid->Row()), std::make_pair(1, 3));
  Key(grid, Qt::Key_Home);
  QCOMPARE(std::make_pair(grid->Col(), grid->Row()), std::make_pair(5, 2));

  Key(grid, Qt::Key_PageDown); // a page further, scrolled so that the row is shown
  QVERIFY(grid->Row() > 10);
  QVERIFY(grid->TopRow() > grid->FixedRows());
  QVERIFY(!grid->CellRect(grid->Col(), grid->Row()).isEmpty());
  QVERIFY(grid->CellRect(1, grid->FixedRows()).isEmpty()); // scrolled out of view
  QVERIFY(!grid->CellRect(1, 0).isEmpty());                // header rows never scroll
  int column = -1, row = -1;
  grid->MouseToCell(Centre(grid, 2, grid->Row()).x(), Centre(grid, 2, grid->Row()).y(), column,
                    row);
  QCOMPARE(std::make_pair(column, row), std::make_pair(2, grid->Row()));
  Key(grid, Qt::Key_PageUp);
  QCOMPARE(grid->TopRow(), grid->FixedRows());

  const int rows = grid->RowCount();
  grid->SetCell(5, rows - 1);
  Key(grid, Qt::Key_Tab);
  QCOMPARE(grid->RowCount(), rows + 1);
  QCOMPARE(grid->Row(), rows);
  Key(grid, Qt::Key_Down);
  QCOMPARE(grid->RowCount(), rows + 2);
  QCOMPARE(grid->Row(), rows + 1);
}

void GridEditingTest::refusedKeysBeepAndCtrlOrAltTypeNothing() {
  AddNode(1, 12.5, 3.0);
  GridWindow w(MakeNodeGrid);
  TUserGrid *grid = w.grid;
  Click(grid, 1, 2);
  Key(grid, Qt::Key_Space); // no blank in a number
  QCOMPARE(MessageBeepCount(BeepKind::Simple), 1);
  QCOMPARE(grid->EText, std::string("12.50"));
  Key(grid, Qt::Key_Backspace); // nothing before the caret
  QCOMPARE(MessageBeepCount(BeepKind::Simple), 2);
  Key(grid, Qt::Key_End);
  Key(grid, Qt::Key_Delete); // nothing after it
  QCOMPARE(MessageBeepCount(BeepKind::Simple), 3);
  Key(grid, Qt::Key_Backspace);
  QCOMPARE(grid->EText, std::string("12.5"));

  DialogRecorder dialogs;
  Key(grid, Qt::Key_C, Qt::AltModifier); // asks for a row and is cancelled
  QCOMPARE(dialogs.requests.size(), std::size_t(1));
  QCOMPARE(dialogs.requests[0].kind, DialogKind::Value);
  QCOMPARE(dialogs.requests[0].caption, std::string("Kopieren zur Zeile"));
  QCOMPARE(Nodes.At(0).x, 12.5); // the edit was stored before asking, and no "c" typed
  QCOMPARE(grid->EText.find('c'), std::string::npos);
  Key(grid, Qt::Key_C, Qt::ControlModifier);
  QCOMPARE(grid->EText, std::string("12.50"));

  GridWindow beams(MakeBeamGrid);
  AddBeam(1, 4, 5);
  Click(beams.grid, 1, 2);
  QTest::keyClicks(beams.grid, "-");
  QCOMPARE(MessageBeepCount(BeepKind::Simple), 4); // integers take no sign
}

void GridEditingTest::numbersThatDoNotFitAreRefused() {
  AddNode(1, 12.5, 3.0);
  AddBeam(1, 4, 5);
  {
    GridWindow w(MakeNodeGrid);
    Click(w.grid, 1, 2);
    QTest::keyClicks(w.grid, "1e999");
    Key(w.grid, Qt::Key_Tab);
    QCOMPARE(MessageBeepCount(BeepKind::Simple), 1);
    QCOMPARE(Nodes.At(0).x, 12.5);
    Key(w.grid, Qt::Key_Escape); // the refused text stays open until dropped
  }
  GridWindow w(MakeBeamGrid);
  Click(w.grid, 1, 2);
  QTest::keyClicks(w.grid, "4294967297");
  Key(w.grid, Qt::Key_Tab);
  QCOMPARE(MessageBeepCount(BeepKind::Simple), 2);
  QCOMPARE(Beams.At(0).node1, 4);
  QCOMPARE(w.grid->Col(), 1); // the refused cell keeps the cursor
  Key(w.grid, Qt::Key_Escape);
  Key(w.grid, Qt::Key_Tab);
  QTest::keyClicks(w.grid, "2147483647");
  Key(w.grid, Qt::Key_Tab);
  QCOMPARE(Beams.At(0).node2, 2147483647);
}

void GridEditingTest::choicesCompleteAndTypingCannotBreakAChoice() {
  Use(Hinges, 1);
  GridWindow w(MakeHingeGrid);
  TUserGrid *grid = w.grid;
  Click(grid, 3, 1);
  QTest::keyClicks(grid, "m"); // completes and moves on (one character per cell)
  QCOMPARE(Hinges.At(0).type, 2);
  QCOMPARE(std::make_pair(grid->Col(), grid->Row()), std::make_pair(1, 2));
  Click(grid, 3, 2);
  QTest::keyClicks(grid, "x");
  QCOMPARE(MessageBeepCount(BeepKind::Simple), 1);
  QCOMPARE(grid->EText, std::string());

  auto *choices = static_cast<TUserList *>(grid->ColumnCell(3));
  choices->SetList({"Last", "Verformung"});
  choices->SetMaxTextLen(0);
  Click(grid, 3, 1);
  QTest::keyClicks(grid, "v");
  QCOMPARE(grid->EText, std::string("Verformung"));
  QCOMPARE(grid->Caret, 1);
  QTest::keyClicks(grid, "e"); // "Veerformung" matches nothing: undone
  QCOMPARE(MessageBeepCount(BeepKind::Simple), 2);
  QCOMPARE(grid->EText, std::string("Verformung"));
  Key(grid, Qt::Key_Backspace); // "erformung" neither
  QCOMPARE(MessageBeepCount(BeepKind::Simple), 3);
  QCOMPARE(grid->EText, std::string("Verformung"));
  Key(grid, Qt::Key_Tab);
  QCOMPARE(Hinges.At(0).type, 1);

  GridWindow nodes(MakeNodeGrid);
  Click(nodes.grid, 3, 2);
  QTest::keyClicks(nodes.grid, "1"); // typed 1, stored J
  QCOMPARE(Nodes.At(0).supportX, 1);
  QCOMPARE(nodes.grid->Col(), 4);
}

void GridEditingTest::doubleClickAndPopupChooseAndRightClicksStayInTheGrid() {
  AddNode(1, 0, 0);
  GridWindow w(MakeNodeGrid);
  TUserGrid *grid = w.grid;
  Click(grid, 3, 2);
  QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, Centre(grid, 3, 2));
  QCOMPARE(grid->EText, std::string("J"));
  QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, Centre(grid, 3, 2));
  QCOMPARE(grid->EText, std::string("N")); // after the last choice the first
  Key(grid, Qt::Key_Tab);
  QCOMPARE(Nodes.At(0).supportX, 0);

  Click(grid, 3, 2);
  Click(grid, 3, 2, Qt::RightButton);
  auto *choices = static_cast<TUserList *>(grid->ColumnCell(3));
  QVERIFY(choices->Popup()->isVisible());
  QCOMPARE(choices->Popup()->actions().size(), 2);
  choices->Popup()->actions()[1]->trigger();
  choices->Popup()->close();
  QCOMPARE(grid->EText, std::string("J"));
  Key(grid, Qt::Key_Tab);
  QCOMPARE(Nodes.At(0).supportX, 1);

  QContextMenuEvent menu(QContextMenuEvent::Mouse, Centre(grid, 1, 2),
                         grid->viewport()->mapToGlobal(Centre(grid, 1, 2)));
  menu.ignore();
  QApplication::sendEvent(grid->viewport(), &menu);
  QVERIFY(menu.isAccepted()); // the frame's popup stays shut

  Drag(grid, 1, 2, 2, 3);
  Click(grid, 2, 3, Qt::RightButton);
  QVERIFY(grid->BlockPopup()->isVisible());
  grid->BlockPopup()->close();
}

void GridEditingTest::pasteEndsRowsAtCrLfLfAndCrAndRefusesABlockBeyondTheGrid() {
  GridWindow w(MakeNodeGrid);
  TUserGrid *grid = w.grid;
  QApplication::clipboard()->setText("1\t2\r\n3\t4\n5\t6\r7\t8");
  Click(grid, 1, 6);
  Key(grid, Qt::Key_V, Qt::ControlModifier);
  for (int i = 0; i < 4; ++i) {
    QCOMPARE(Nodes.IsRowValid(4 + i), 1);
    QCOMPARE(Nodes.At(4 + i).x, 2.0 * i + 1);
    QCOMPARE(Nodes.At(4 + i).z, 2.0 * i + 2);
  }
  QCOMPARE(Nodes.IsRowValid(8), 0);

  AddNode(12, 9, 9);
  QApplication::clipboard()->setText("\t7"); // a leading separator empties the first cell
  Click(grid, 1, 13);
  Key(grid, Qt::Key_V, Qt::ControlModifier);
  QCOMPARE(Nodes.At(11).x, 0.0);
  QCOMPARE(Nodes.At(11).z, 7.0);

  DialogRecorder dialogs;
  QApplication::clipboard()->setText("1\t2\t3");
  Click(grid, 6, 14);
  Key(grid, Qt::Key_V, Qt::ControlModifier);
  QCOMPARE(Nodes.IsRowValid(12), 0); // a block too wide pastes nothing
  QCOMPARE(dialogs.Messages(), std::vector<std::string>{"Kopierbeireich außerhalb der Tabelle"});

  std::string lines;
  for (int i = 0; i < 6; ++i)
    lines += "1\n";
  const int rows = grid->RowCount();
  grid->SetCell(1, rows - 2);
  Key(grid, Qt::Key_V, Qt::ControlModifier);
  QApplication::clipboard()->setText(QString::fromStdString(lines));
  Key(grid, Qt::Key_V, Qt::ControlModifier);
  QCOMPARE(grid->RowCount(), rows + 4); // the last pasted row is shown

  // A column typing cannot reach takes nothing: a length pasted onto a
  // free beam row brings no beam into use.
  GridWindow beams(MakeBeamGrid);
  QApplication::clipboard()->setText("5");
  Click(beams.grid, 6, 2);
  Key(beams.grid, Qt::Key_V, Qt::ControlModifier);
  QCOMPARE(Beams.ActiveCount(), 0);
}

void GridEditingTest::copyGivesTheBlockAsTabSeparatedLines() {
  AddNode(1, 0, 0);
  AddNode(2, 0, 4.5);
  AddNode(3, 6, 4.5);
  GridWindow w(MakeNodeGrid);
  TUserGrid *grid = w.grid;
  Click(grid, 2, 2);
  Key(grid, Qt::Key_C, Qt::ControlModifier); // a plain click copies its one cell
  QCOMPARE(QApplication::clipboard()->text(), QString("0\t\r\n"));
  Click(grid, 6, 2);
  Key(grid, Qt::Key_X, Qt::ControlModifier); // the grid's last column: no tab
  QCOMPARE(QApplication::clipboard()->text(), QString("0\r\n"));
  QCOMPARE(Nodes.At(0).skew, 0.0);

  Drag(grid, 1, 3, 2, 4);
  QVERIFY(grid->isBlock(4, 2));
  Key(grid, Qt::Key_C, Qt::ControlModifier);
  QVERIFY(!grid->isBlock(4, 2)); // hidden by the copy
  QCOMPARE(QApplication::clipboard()->text(), QString("0\t4.5\t\r\n6\t4.5\t\r\n"));
  Click(grid, 1, 9);
  Key(grid, Qt::Key_V, Qt::ControlModifier);
  QCOMPARE(Nodes.At(7).x, 0.0);
  QCOMPARE(Nodes.At(7).z, 4.5);
  QCOMPARE(Nodes.At(8).x, 6.0);
  QCOMPARE(Nodes.IsRowValid(9), 0);
}

void GridEditingTest::blockArithmeticAndDeleteAndTheirColours() {
  AddBeam(1, 1, 2).thickness = 0.3;
  AddBeam(2, 2, 3).thickness = 0.5;
  GridWindow w(MakeBeamGrid);
  TUserGrid *grid = w.grid;
  TUserCell *length = grid->ColumnCell(6);
  QCOMPARE(length->CellColor(2, 6), QColor(128, 128, 128)); // a read-only column
  Drag(grid, 1, 2, 4, 4);                                   // two beams and a free row
  QCOMPARE(grid->ColumnCell(2)->CellColor(3, 2), QColor(0, 0, 255));
  QCOMPARE(grid->ColumnCell(2)->CellColor(5, 2), QColor(255, 255, 255));

  DialogRecorder dialogs;
  dialogs.AnswerValue(MsgResult::Ok, "1,5");
  grid->BlockPopup()->actions()[0]->trigger(); // "Addieren"
  QCOMPARE(dialogs.requests.back().caption, std::string("Wert"));
  QCOMPARE(Beams.At(0).node1, 2); // trunc(1 + 1.5)
  QCOMPARE(Beams.At(1).node2, 4);
  QCOMPARE(Beams.At(0).thickness, 1.8);
  QCOMPARE(Beams.IsRowValid(2), 0); // a free row stays free
  dialogs.AnswerValue(MsgResult::Ok, "0,1");
  grid->BlockPopup()->actions()[0]->trigger();
  QCOMPARE(Beams.At(1).thickness, 2.0 + 0.1); // in double precision
  dialogs.AnswerValue(MsgResult::Ok, "2,5");
  grid->BlockPopup()->actions()[1]->trigger(); // "Multiplizieren"
  QCOMPARE(Beams.At(0).node1, 5);
  dialogs.AnswerValue(MsgResult::Cancel, "9");
  grid->BlockPopup()->actions()[1]->trigger();
  QCOMPARE(Beams.At(0).node1, 5);
  grid->MultBlock(1e10); // beyond 32 bits: integers stay
  QCOMPARE(Beams.At(0).node1, 5);

  Drag(grid, 2, 3, 3, 4);
  grid->BlockPopup()->actions()[2]->trigger(); // "Löschen" frees whole rows
  QCOMPARE(Beams.IsRowValid(0), 1);
  QCOMPARE(Beams.IsRowValid(1), 0);
  grid->clearFocus();
  QVERIFY(!grid->isBlock(2, 1)); // hidden when the focus goes

  // A result goes into the table as a typed value does: a hinge position
  // stops at the beam's end.
  Use(Hinges, 1).position = 0.5;
  GridWindow hinges(MakeHingeGrid);
  Drag(hinges.grid, 2, 1, 2, 1);
  hinges.grid->AddBlock(0.7);
  QCOMPARE(Hinges.At(0).position, 1.0);
}

void GridEditingTest::rowCommandsAskAndAnswer() {
  for (int i = 1; i <= 3; ++i)
    AddNode(i, i, 0);
  GridWindow w(MakeNodeGrid);
  TUserGrid *grid = w.grid;
  DialogRecorder dialogs;
  Click(grid, 1, 3);
  Key(grid, Qt::Key_Insert, Qt::AltModifier);
  QCOMPARE(Nodes.IsRowValid(1), 0);
  QCOMPARE(Nodes.At(2).x, 2.0);
  Key(grid, Qt::Key_Delete, Qt::AltModifier); // a free row goes unasked
  QVERIFY(dialogs.requests.empty());
  QCOMPARE(Nodes.At(1).x, 2.0);

  dialogs.Answer(MsgResult::Cancel);
  Key(grid, Qt::Key_Delete, Qt::AltModifier);
  QCOMPARE(dialogs.requests.back().text, std::string("Zeile Löschen ?"));
  QCOMPARE(dialogs.requests.back().caption, std::string("Info"));
  QCOMPARE(Nodes.At(1).x, 2.0);
  dialogs.Answer(MsgResult::Ok);
  Key(grid, Qt::Key_Delete, Qt::AltModifier);
  QCOMPARE(Nodes.At(1).x, 3.0);

  Click(grid, 1, 2);
  dialogs.AnswerValue(MsgResult::Ok, "5");
  Key(grid, Qt::Key_C, Qt::AltModifier);
  QCOMPARE(Nodes.At(4).x, 1.0);
  dialogs.AnswerValue(MsgResult::Ok, "0"); // no row 0
  Key(grid, Qt::Key_C, Qt::AltModifier);
  dialogs.AnswerValue(MsgResult::Ok, "1e30"); // the table refuses a row that large
  Key(grid, Qt::Key_C, Qt::AltModifier);
  QCOMPARE(dialogs.Messages().size(), std::size_t(3)); // two questions, one refusal
  QVERIFY(dialogs.Messages().back().find("Zeilennummer") != std::string::npos);

  dialogs.AnswerValue(MsgResult::Ok, "1"); // onto its own number: kept
  Key(grid, Qt::Key_V, Qt::AltModifier);
  QCOMPARE(Nodes.IsRowValid(0), 1);
  dialogs.AnswerValue(MsgResult::Ok, "-3");
  Key(grid, Qt::Key_V, Qt::AltModifier);
  QCOMPARE(Nodes.IsRowValid(0), 1);
  dialogs.AnswerValue(MsgResult::Cancel, "4");
  Key(grid, Qt::Key_V, Qt::AltModifier);
  QCOMPARE(Nodes.IsRowValid(3), 0);
  dialogs.AnswerValue(MsgResult::Ok, "4");
  Key(grid, Qt::Key_V, Qt::AltModifier);
  QCOMPARE(Nodes.IsRowValid(0), 0);
  QCOMPARE(Nodes.At(3).x, 1.0);
}

void GridEditingTest::focusLossStoresAndCommandsAfterAFocusReturnActOnTheCurrentRow() {
  AddNode(1, 1, 0);
  AddNode(2, 2, 0);
  GridWindow w(MakeNodeGrid);
  TUserGrid *grid = w.grid;
  Click(grid, 1, 3);
  QTest::keyClicks(grid, "7");
  Focus(grid, QEvent::FocusOut, Qt::PopupFocusReason); // a popup menu opened
  QCOMPARE(grid->ERow, 3);
  QCOMPARE(grid->EText, std::string("7"));
  QCOMPARE(Nodes.At(1).x, 2.0);
  Focus(grid, QEvent::FocusOut, Qt::ActiveWindowFocusReason);
  QCOMPARE(Nodes.At(1).x, 7.0);
  QCOMPARE(grid->ERow, -1);

  // Back without a cell selection: the commands act on the current row.
  Focus(grid, QEvent::FocusIn, Qt::ActiveWindowFocusReason);
  Key(grid, Qt::Key_Delete, Qt::ControlModifier);
  QCOMPARE(Nodes.IsRowValid(1), 0);
  QCOMPARE(Nodes.IsRowValid(0), 1);
  Focus(grid, QEvent::FocusOut, Qt::ActiveWindowFocusReason);
  Focus(grid, QEvent::FocusIn, Qt::ActiveWindowFocusReason);
  Key(grid, Qt::Key_Insert, Qt::AltModifier);
  QCOMPARE(Nodes.IsRowValid(0), 1);
  QCOMPARE(Nodes.LastUsedRow(), 1);
  Focus(grid, QEvent::FocusOut, Qt::ActiveWindowFocusReason);
  Focus(grid, QEvent::FocusIn, Qt::ActiveWindowFocusReason);
  QApplication::clipboard()->setText("4\t5");
  Key(grid, Qt::Key_V, Qt::ControlModifier);
  QCOMPARE(Nodes.At(1).x, 4.0);
  QCOMPARE(Nodes.At(1).z, 5.0);
}

void GridEditingTest::aPendingEditStaysWithItsRecordWhenRowsMove() {
  for (int i = 1; i <= 3; ++i)
    AddNode(i, i, 0);
  GridWindow w(MakeNodeGrid);
  TUserGrid *grid = w.grid;
  Click(grid, 1, 3);
  QTest::keyClicks(grid, "99");
  Key(grid, Qt::Key_Insert, Qt::AltModifier); // the edit is stored first, then moves
  QCOMPARE(Nodes.IsRowValid(1), 0);
  QCOMPARE(Nodes.At(2).x, 99.0);

  Click(grid, 1, 5);
  QTest::keyClicks(grid, "55");
  Nodes.DeleteLine(0); // rows move under a pending edit: it is dropped, not stored elsewhere
  QCOMPARE(Nodes.At(1).x, 99.0);
  QCOMPARE(Nodes.At(2).x, 3.0);
  QCOMPARE(grid->EChanged, 0);
  QCOMPARE(grid->EText, std::string());
  Key(grid, Qt::Key_Tab);
  QCOMPARE(Nodes.At(2).x, 3.0);

  Click(grid, 1, 2);
  QTest::keyClicks(grid, "44");
  NodeClass opened; // a file read into a fresh table replaces the rows
  opened.At(0).state = 255;
  opened.At(0).x = 5;
  Nodes.SwapRows(opened);
  QCOMPARE(Nodes.At(0).x, 5.0);
  Key(grid, Qt::Key_Tab);
  QCOMPARE(Nodes.At(0).x, 5.0);

  {
    NodeClass local; // a table that goes before its grid, an edit pending
    local.At(0).state = 255;
    grid->SetContainer(&local);
    Click(grid, 1, 2);
    QTest::keyClicks(grid, "3");
  }
  QVERIFY(grid->Container() == nullptr);
  Key(grid, Qt::Key_Tab);
  grid->viewport()->repaint();
}

void GridEditingTest::messagesMoveToACellAndFreeTheRow() {
  AddNode(5, 1, 1);
  GridWindow w(MakeNodeGrid);
  TUserGrid *grid = w.grid;
  SendUserMessage(grid, UM_MODELCHANGED, 4, 2);
  QCOMPARE(std::make_pair(grid->Col(), grid->Row()), std::make_pair(2, 6));
  QCOMPARE(grid->EText, std::string("1.000"));
  SendUserMessage(grid, UM_MODELCHANGED, 0, 9); // no column 9: the last data column
  QCOMPARE(std::make_pair(grid->Col(), grid->Row()), std::make_pair(6, 2));
  grid->SetCell(1, 6);
  SendUserMessage(grid, UM_DELETEROW);
  QCOMPARE(Nodes.IsRowValid(4), 0);
  QCOMPARE(grid->Select, 1);
}

void GridEditingTest::aFormFollowsItsGridsWidthUnlessMaximised() {
  QMdiArea frame;
  frame.resize(1000, 700);
  auto *form = new QWidget;
  auto *layout = new QVBoxLayout(form);
  layout->setContentsMargins(0, 0, 0, 0);
  TUserGrid *grid = MakeNodeGrid(form);
  layout->addWidget(grid);
  QMdiSubWindow *child = frame.addSubWindow(form);
  child->resize(300, 300);
  frame.show();
  child->show();
  QApplication::processEvents();
  QVERIFY(grid->GetDWidth() > 0); // too narrow, and no form to widen yet
  const int narrow = child->width();
  grid->ParentForm = form;
  SendUserMessage(grid, UM_AUTOSIZE);
  QApplication::processEvents();
  QCOMPARE(grid->GetDWidth(), 0);
  QVERIFY(child->width() > narrow);

  child->showMaximized();
  QApplication::processEvents();
  const int maximised = child->width();
  grid->SetColWidths(6, grid->ColWidths(6) + 2000);
  SendUserMessage(grid, UM_AUTOSIZE);
  QApplication::processEvents();
  QVERIFY(child->isMaximized());
  QVERIFY(grid->GetDWidth() > 0);
  QCOMPARE(child->width(), maximised);
}

QTEST_MAIN(GridEditingTest)
#include "grid_editing_test.moc"
