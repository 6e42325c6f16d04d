// The input forms as a user meets them in the frame window: a freed row
// comes back empty whichever way it was freed and re-entered, and is never
// saved; the keyboard reaches the grid of a form that opens, of a page that
// is shown and of a form brought to the front; the status window takes the
// key that follows an analysis.
#include "analysis/FGTab.h"
#include "analysis/Solutions.h"
#include "app/InputForms.h"
#include "app/SolForm.h"
#include "grid/CellDialog.h"
#include "grid/MyEdit.h"
#include "grid/UserCell.h"
#include "model/LoadLists.h"
#include "model/SystemTables.h"
#include "platform/MessageBeep.h"
#include "tests/support/DialogRecorder.h"
#include "tests/support/ExampleCopies.h"
#include "tests/support/FileBytes.h"
#include "tests/support/FormsSession.h"
#include "tests/support/KeyboardUser.h"
#include "tests/support/TempFolder.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <optional>

namespace {

// The record lines of a file's section, without keyword and count.
QList<QByteArray> SectionLines(const QString &path, const QByteArray &keyword) {
  const QList<QByteArray> lines = ReadBytes(path).split('\n');
  const qsizetype at = lines.indexOf(keyword);
  QList<QByteArray> records;
  for (qsizetype i = at + 2; at >= 0 && i < lines.size() && !lines[i].isEmpty(); ++i)
    records << lines[i];
  return records;
}

QString CurrentPage(TInputForm *form) {
  return form->PageControl1->currentWidget()->objectName();
}

} // namespace

class InputKeyboardTest : public QObject {
  Q_OBJECT
private slots:
  void init();
  void cleanup();
  void freedRowsComeBackEmptyAndAreNotSaved();
  void keyboardReachesThePageGrid();
  void returnAfterAnAnalysisGoesToTheStatusWindow();
  void escapeLeavesAFreeRowFreeAndTheFilesAsTheyWere();
  void typedTextIsHeldToItsColumnWhateverTheFirstKey();
  void blockCommandsAskAndTakeTheValueAsTyped();

private:
  std::optional<FormsSession> session_;
  TMainForm &Form() { return session_->Form(); }
  void OpenExampleFrame() {
    CopyExampleFrame(folder_);
    QCOMPARE(Form().OpenSystemFile(folder_.File("portal.ssy")), 1);
    QCOMPARE(Form().OpenLoadFile(folder_.File("portal.sla")), 1);
  }
  TempFolder folder_;
};

void InputKeyboardTest::init() {
  ResetAnalysis(Solutions);
  session_.emplace();
  Form().show();
  Form().activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&Form()));
}

void InputKeyboardTest::cleanup() {
  if (SolForm != nullptr)
    SolForm->hide();
  session_.reset();
  ResetAnalysis(Solutions);
  FGTab.Clear();
}

// Freed by Ctrl+Del, the trash button and "Löschen"; re-entered by typing,
// Return and a double click: each row reads as a new one, with the table's
// defaults, and only rows in use reach the file.
void InputKeyboardTest::freedRowsComeBackEmptyAndAreNotSaved() {
  TSystemInputForm *system = Form().GetSystemInputForm();
  TUserGrid *nodes = system->PageGrid("Knotentab");
  ClickCell(nodes, 1, 2);
  TypeRows({{"3", "4", "1", "0", "1", "45"}, {"6", "0", "1", "1", "1", "0"}, {"9", "0"}});
  QCOMPARE(Nodes.ActiveCount(), 3);

  ClickCell(nodes, 2, 2);
  PressKey(Qt::Key_Delete, Qt::ControlModifier);
  QCOMPARE(Nodes.IsRowValid(0), 0);
  ClickCell(nodes, 1, 2);
  TypeRows({{"7"}});
  QCOMPARE(Nodes.At(0).x, 7.0);
  QCOMPARE(Nodes.At(0).z, 0.0);
  QCOMPARE(Nodes.At(0).supportX + Nodes.At(0).supportR, 0);
  QCOMPARE(Nodes.At(0).skew, 0.0);

  DialogRecorder dialogs;
  dialogs.Answer(MsgResult::Ok); // "Zeile Löschen ?"
  DragCells(nodes, 1, 3, 2, 4);
  ClickCell(nodes, 2, 4, Qt::RightButton);
  QVERIFY(nodes->BlockPopup()->isVisible());
  PressKey(Qt::Key_Up); // the last item, "Löschen"
  PressKey(Qt::Key_Return);
  Form().activateWindow(); // as the desktop does when a popup closes
  QVERIFY(QTest::qWaitForWindowActive(&Form()));
  QCOMPARE(Nodes.ActiveCount(), 1);
  ClickCell(nodes, 3, 3);
  QTest::mouseDClick(nodes->viewport(), Qt::LeftButton, {}, nodes->CellRect(3, 3).center());
  PressKey(Qt::Key_Return);
  QCOMPARE(Nodes.IsRowValid(1), 1);
  QCOMPARE(Nodes.At(1).x, 0.0);
  QCOMPARE(Nodes.At(1).supportX, 1); // "N" advanced to "J"
  QCOMPARE(Nodes.At(1).supportZ, 0);

  system->PageControl1->setCurrentIndex(1);
  TUserGrid *beams = system->PageGrid("StabTab");
  ClickCell(beams, 1, 2);
  TypeRows({{"1", "2", "2", "0.3", "8"}});
  ClickCell(beams, 3, 2);
  QTest::mouseClick(system->SpeedButton1, Qt::LeftButton);
  QCOMPARE(Beams.IsRowValid(0), 0);
  ClickCell(beams, 1, 2);
  PressKey(Qt::Key_Return); // Return brings the row into use
  QCOMPARE(Beams.IsRowValid(0), 1);
  QCOMPARE(Beams.At(0).node1 + Beams.At(0).node2, 0);
  QCOMPARE(Beams.At(0).material, 1);
  QCOMPARE(Beams.At(0).thickness, 0.0);
  QCOMPARE(Beams.At(0).intervals, 5);

  const QString file = QString::fromStdString(folder_.File("freed.ssy"));
  dialogs.Answer(MsgResult::Ok, file.toStdString());
  QTest::mouseClick(system->SpeedButton2, Qt::LeftButton);
  QCOMPARE(SectionLines(file, "NODES"),
           (QList<QByteArray>{
               "    1 7.00000000000000e+00 0.00000000000000e+00 0 0 0 0.00000000000000e+00",
               "    2 0.00000000000000e+00 0.00000000000000e+00 1 0 0 0.00000000000000e+00"}));
  QCOMPARE(SectionLines(file, "BEAMS"), QList<QByteArray>{"    1 0 0 1 0.00000000000000e+00 5"});
}

// Ctrl+S opens the form with its node grid ready; Ctrl+PgDn and Ctrl+PgUp
// store the pending edit and change pages; Ctrl+Tab still changes windows,
// and the form in front has its grid ready.
void InputKeyboardTest::keyboardReachesThePageGrid() {
  PressKey(Qt::Key_S, Qt::ControlModifier);
  TSystemInputForm *system = Form().SystemInputWindow;
  QVERIFY(system != nullptr);
  TypeText("3");
  QCOMPARE(FocusGrid(), system->PageGrid("Knotentab"));
  PressKey(Qt::Key_Tab);
  QCOMPARE(Nodes.At(0).x, 3.0);
  TypeText("5");
  PressKey(Qt::Key_PageDown, Qt::ControlModifier);
  QCOMPARE(Nodes.At(0).z, 5.0);
  QCOMPARE(CurrentPage(system), QString("StabTab"));
  QCOMPARE(FocusGrid(), system->PageGrid("StabTab"));
  PressKey(Qt::Key_PageDown, Qt::ControlModifier);
  PressKey(Qt::Key_PageDown, Qt::ControlModifier);
  PressKey(Qt::Key_PageDown, Qt::ControlModifier); // the last page stays
  QCOMPARE(CurrentPage(system), QString("GelenkTab"));
  PressKey(Qt::Key_PageUp, Qt::ControlModifier);
  QCOMPARE(FocusGrid(), system->PageGrid("Querschnittstab"));

  PressKey(Qt::Key_B, Qt::ControlModifier);
  TLoadInputForm *loads = Form().LoadInputWindow;
  QVERIFY(loads != nullptr);
  QCOMPARE(FocusGrid(), loads->PageGrid("Knotenlastentab"));
  PressKey(Qt::Key_Tab, Qt::ControlModifier);
  QCOMPARE(Form().MdiArea->activeSubWindow()->widget(), system);
  QCOMPARE(FocusGrid(), system->PageGrid("Querschnittstab"));
  PressKey(Qt::Key_S, Qt::ControlModifier);
  QCOMPARE(FocusGrid(), system->PageGrid("Querschnittstab"));
}

// Return after F9 presses "Fertig": the window goes, the results stay and
// the load grid takes no new row.  After F10 "Weiter" has the focus; an
// analysis started while the window is still open takes it over too.
void InputKeyboardTest::returnAfterAnAnalysisGoesToTheStatusWindow() {
  CopyExampleFrame(folder_);
  QCOMPARE(Form().OpenSystemFile(folder_.File("portal.ssy")), 1);
  QCOMPARE(Form().OpenLoadFile(folder_.File("portal.sla")), 1);
  TUserGrid *nodeLoads = Form().GetLoadInputForm()->PageGrid("Knotenlastentab");
  const int loadRows = NodeLoads.ActiveCount();
  DialogRecorder dialogs;
  // The user goes back to the grid, as the desktop gives the focus back.
  auto backToTheGrid = [&] {
    Form().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&Form()));
    ClickCell(nodeLoads, 1, 2 + 3);
  };

  backToTheGrid();
  PressKey(Qt::Key_F9);
  QCOMPARE(Solutions.ResultsPresent, 1);
  QTRY_VERIFY(SolForm->isActiveWindow());
  QVERIFY(SolForm->BitBtn1->hasFocus());
  PressKey(Qt::Key_Return);
  QVERIFY(!SolForm->isVisible());
  QCOMPARE(Solutions.ResultsPresent, 1);

  backToTheGrid();
  PressKey(Qt::Key_F10);
  QTRY_VERIFY(SolForm->isActiveWindow());
  QVERIFY(SolForm->NextButton->hasFocus());
  backToTheGrid(); // "Weiter" still waits
  PressKey(Qt::Key_F9);
  QTRY_VERIFY(SolForm->isActiveWindow());
  PressKey(Qt::Key_Return);
  QVERIFY(!SolForm->isVisible());
  QCOMPARE(Solutions.ResultsPresent, 1);
  QCOMPARE(NodeLoads.ActiveCount(), loadRows);
  QCOMPARE(dialogs.Messages(), std::vector<std::string>{});
}

// A key typed or a choice double-clicked into a free row, then Escape, and
// row and block commands on free rows that change nothing: the row stays
// free, nothing is marked changed, the results stay, and F2
// writes both files as they were.  Back from "Fertig" the grid shows its
// current cell, also on a free row.
void InputKeyboardTest::escapeLeavesAFreeRowFreeAndTheFilesAsTheyWere() {
  OpenExampleFrame();
  TUserGrid *nodes = Form().GetSystemInputForm()->PageGrid("Knotentab");
  ClickCell(nodes, 1, 2 + 4); // node 5: free
  PressKey(Qt::Key_F9);
  QTRY_VERIFY(SolForm->isActiveWindow());
  PressKey(Qt::Key_Return);
  Form().activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&Form()));
  QCOMPARE(FocusGrid(), nodes);
  QCOMPARE(nodes->ColumnCell(1)->CellColor(6, 1), QColor(0, 255, 255));

  TypeText("7");
  PressKey(Qt::Key_Escape);
  QTest::mouseDClick(nodes->viewport(), Qt::LeftButton, {}, nodes->CellRect(3, 6).center());
  PressKey(Qt::Key_Escape);
  TUserGrid *nodeLoads = Form().GetLoadInputForm()->PageGrid("Knotenlastentab");
  ClickCell(nodeLoads, 1, 2 + 1);
  TypeText("3");
  PressKey(Qt::Key_Escape);
  PressKey(Qt::Key_Insert, Qt::AltModifier); // below the last load: nothing moves
  PressKey(Qt::Key_Delete, Qt::AltModifier);
  DialogRecorder dialogs;
  dialogs.AnswerValue(MsgResult::Ok, "1");
  PressKey(Qt::Key_C, Qt::AltModifier); // a free row has nothing to copy
  DragCells(nodeLoads, 1, 2 + 1, 3, 2 + 2);
  dialogs.AnswerValue(MsgResult::Ok, "2");
  nodeLoads->BlockPopup()->actions()[0]->trigger(); // "Addieren" on free rows
  nodeLoads->BlockPopup()->actions()[2]->trigger(); // "Löschen" on free rows
  QCOMPARE(Nodes.IsRowValid(4) + NodeLoads.IsRowValid(1), 0);
  QCOMPARE(Form().SystemChangedFlag + Form().LoadChangedFlag, 0);
  QCOMPARE(Solutions.ResultsPresent, 1);

  PressKey(Qt::Key_F2);
  for (const char *name : {"portal.ssy", "portal.sla"})
    QCOMPARE(ReadBytes(QString::fromStdString(folder_.File(name))),
             ReadBytes(QString(KELMOR_SOURCE_DIR "/examples/") + name));
}

// A number that does not read in full stays in its cell with a beep, and
// neither Tab, another cell, a page change nor F2 stores it.  After a
// focus return a sign replaces the value as a digit does, and a support
// flag takes a typed choice wherever the caret stands.
void InputKeyboardTest::typedTextIsHeldToItsColumnWhateverTheFirstKey() {
  OpenExampleFrame();
  TSystemInputForm *system = Form().GetSystemInputForm();
  TUserGrid *nodes = system->PageGrid("Knotentab");
  const int beeps = MessageBeepCount(BeepKind::Simple);
  ClickCell(nodes, 1, 2);
  TypeText("1.2.3");
  PressKey(Qt::Key_Tab);
  ClickCell(nodes, 2, 3);
  PressKey(Qt::Key_PageDown, Qt::ControlModifier);
  PressKey(Qt::Key_F2);
  QCOMPARE(MessageBeepCount(BeepKind::Simple) - beeps, 4);
  QCOMPARE(std::make_pair(nodes->Col(), nodes->Row()), std::make_pair(1, 2));
  QCOMPARE(nodes->EText, std::string("1.2.3"));
  QCOMPARE(CurrentPage(system), QString("Knotentab"));
  QCOMPARE(Nodes.At(0).x, 0.0);
  QCOMPARE(Form().SystemChangedFlag, 0);
  PressKey(Qt::Key_Backspace);
  PressKey(Qt::Key_Backspace);
  PressKey(Qt::Key_Tab);
  QCOMPARE(Nodes.At(0).x, 1.2);

  DialogRecorder dialogs;
  dialogs.Answer(MsgResult::Cancel); // "Zeile Löschen ?"
  ClickCell(nodes, 1, 2 + 2);
  PressKey(Qt::Key_Delete, Qt::AltModifier);
  TypeText("-5");
  PressKey(Qt::Key_Tab);
  QCOMPARE(Nodes.At(2).x, -5.0);

  ClickCell(nodes, 3, 2 + 1);
  PressKey(Qt::Key_Right);
  TypeText("1");
  QCOMPARE(Nodes.At(1).supportX, 1);
  QCOMPARE(nodes->Col(), 4);

  // A row command that moves the node loads' references keeps the text
  // the node load grid refused, and the analysis waits for it.
  TUserGrid *nodeLoads = Form().GetLoadInputForm()->PageGrid("Knotenlastentab");
  ClickCell(nodeLoads, 3, 2);
  TypeText("1.2.3");
  ClickCell(nodes, 1, 2);
  PressKey(Qt::Key_Insert, Qt::AltModifier);
  QCOMPARE(NodeLoads.At(0).from, 3);
  QCOMPARE(std::make_pair(nodeLoads->EText, nodeLoads->EChanged),
           std::make_pair(std::string("1.2.3"), 1));
  PressKey(Qt::Key_F9);
  QCOMPARE(Solutions.ResultsPresent, 0);
  QCOMPARE(dialogs.Messages(), std::vector<std::string>{"Zeile Löschen ?"});
}

// Block arithmetic over load ranges follows the ranges' rules.  "Löschen"
// over two loads asks first, and Cancel keeps both.  "Addieren"
// adds the number as typed into the value dialog; on the beams it leaves
// the node and cross-section numbers that would turn negative, with a
// beep each.
void InputKeyboardTest::blockCommandsAskAndTakeTheValueAsTyped() {
  OpenExampleFrame();
  TSystemInputForm *system = Form().GetSystemInputForm();
  TLoadInputForm *loads = Form().GetLoadInputForm();
  TUserGrid *beamLoads = loads->PageGrid("Streckenlastentab");
  loads->PageControl1->setCurrentIndex(2);
  QTRY_COMPARE(beamLoads->GetDWidth(), 0); // the form follows its widest page
  QVERIFY(Form().MdiArea->viewport()->rect().contains(loads->parentWidget()->geometry()));
  {
    // Whole ranges move as one; a first beam added past the last one
    // takes the last along, as when typed.
    DialogRecorder dialogs;
    dialogs.AnswerValue(MsgResult::Ok, "1");
    dialogs.AnswerValue(MsgResult::Ok, "2");
    DragCells(beamLoads, 1, 3, 2, 4);
    beamLoads->BlockPopup()->actions()[0]->trigger();
    DragCells(beamLoads, 1, 4, 1, 4);
    beamLoads->BlockPopup()->actions()[0]->trigger();
    QCOMPARE(std::make_tuple(BeamLoads.At(0).from, BeamLoads.At(0).to, BeamLoads.At(1).from,
                             BeamLoads.At(1).to),
             std::make_tuple(3, 3, 4, 4));
  }
  {
    DialogRecorder dialogs;
    dialogs.Answer(MsgResult::Cancel);
    dialogs.Answer(MsgResult::Ok);
    DragCells(beamLoads, 4, 3, 4, 4);
    beamLoads->BlockPopup()->actions()[2]->trigger();
    QCOMPARE(dialogs.Messages(), std::vector<std::string>{"Zeile Löschen ?"});
    QCOMPARE(dialogs.requests[0].caption, std::string("Info"));
    QCOMPARE(BeamLoads.ActiveCount(), 2);
    beamLoads->BlockPopup()->actions()[2]->trigger();
    QCOMPARE(BeamLoads.ActiveCount(), 0);
  }

  system->PageControl1->setCurrentIndex(1);
  TUserGrid *beams = system->PageGrid("StabTab");
  QTRY_VERIFY(!beams->CellRect(4, 3).isEmpty()); // the form laid out
  DragCells(beams, 1, 2, 4, 3);
  QTimer::singleShot(0, [] {
    auto *dialog = qobject_cast<TCellDialog1 *>(QApplication::activeModalWidget());
    QApplication::setActiveWindow(dialog); // the modal dialog takes the keyboard
    QTest::keyClicks(dialog->MyEdit1, "1.2345678");
    QTest::keyClick(dialog->MyEdit1, Qt::Key_Return);
  });
  beams->BlockPopup()->actions()[0]->trigger();
  QCOMPARE(Beams.At(0).thickness, 0.2 + 1.2345678);
  QCOMPARE(Beams.At(1).node2, 4);

  DialogRecorder dialogs;
  dialogs.AnswerValue(MsgResult::Ok, "-4.5");
  const int beeps = MessageBeepCount(BeepKind::Simple);
  beams->BlockPopup()->actions()[0]->trigger();
  QCOMPARE(MessageBeepCount(BeepKind::Simple) - beeps, 5); // all but 4 - 4.5
  QCOMPARE(std::make_tuple(Beams.At(0).node1, Beams.At(0).node2, Beams.At(0).material),
           std::make_tuple(2, 3, 2));
  QCOMPARE(std::make_tuple(Beams.At(1).node1, Beams.At(1).node2, Beams.At(1).material),
           std::make_tuple(3, 0, 3));
  QCOMPARE(Beams.At(1).thickness, 0.3 + 1.2345678 - 4.5);
  dialogs.AnswerValue(MsgResult::Ok, "0.5.");
  beams->BlockPopup()->actions()[1]->trigger(); // a text that is no number: a beep, no change
  QCOMPARE(MessageBeepCount(BeepKind::Simple) - beeps, 6);
  QCOMPARE(Beams.At(1).thickness, 0.3 + 1.2345678 - 4.5);
}

QTEST_MAIN(InputKeyboardTest)
#include "input_keyboard_test.moc"
