// The "Berechnen" menu with the status window: the example frame by first-
// and second-order theory, "Weiter" and its end by a model change, an Euler
// column's buckling factor in the result caption, and the failures.
#include "analysis/FGTab.h"
#include "analysis/Solutions.h"
#include "app/Application.h"
#include "model/LoadLists.h"
#include "model/SystemTables.h"
#include "platform/UserMessage.h"
#include "tests/support/DialogRecorder.h"
#include "tests/support/ExampleCopies.h"
#include "tests/support/FormsSession.h"
#include "tests/support/TempFolder.h"

#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>
#include <QtTest>
#include <cmath>
#include <optional>

namespace {

// A child window that counts the model-change messages it receives.
class ChildWindow : public QWidget {
public:
  int modelChanges = 0;

protected:
  bool event(QEvent *event) override {
    if (const UserMessageEvent *message = AsUserMessage(event)) {
      modelChanges += message->Message == UM_MODELCHANGED ? 1 : 0;
      return true;
    }
    return QWidget::event(event);
  }
};

QStringList ShownButtons() {
  QStringList shown;
  for (QPushButton *button :
       {SolForm->BitBtn1, SolForm->BitBtn2, SolForm->NextButton, SolForm->CancelButton})
    if (!button->isHidden())
      shown << button->text();
  return shown;
}

QStringList Counts() {
  QStringList counts;
  for (QLabel *count : {SolForm->NodeNb, SolForm->ElNb, SolForm->FGNb, SolForm->BCNb})
    counts << count->text();
  return counts;
}

// A pinned column of length L along z with a roller at its top, E I = 2100,
// pressed by P at the top.
void EulerColumn(double L, double P) {
  NodeRecord &foot = AddNode(1, 0.0, 0.0);
  foot.supportX = foot.supportZ = 1;
  AddNode(2, 0.0, -L).supportX = 1;
  AddBeam(1, 1, 2).intervals = 10;
  MatRecord &section = Use(Materials, 1);
  section.E = 2.1e8;
  section.I = 1.0e-5;
  section.A = 5.0e-3;
  NodeLoadRecord &load = Use(NodeLoads, 1);
  load.from = load.to = 2;
  load.pz = P; // z points down: the load presses the column
}

} // namespace

class AnalysisCommandsTest : public QObject {
  Q_OBJECT
private slots:
  void init();
  void cleanup();
  void firstOrderOnTheExampleFrame();
  void secondOrderIteratesUntilTheModelChanges();
  void bucklingFactorOfAnEulerColumn();
  void failuresLeaveTheErrorStateOrNoWindow();

private:
  void OpenExample();
  std::optional<FormsSession> session_;
  TMainForm &Form() { return session_->Form(); }
  ChildWindow *child_ = nullptr;
  TempFolder folder_;
};

void AnalysisCommandsTest::init() {
  ResetAnalysis(Solutions);
  session_.emplace();
  child_ = new ChildWindow;
  Form().MdiArea->addSubWindow(child_);
}

void AnalysisCommandsTest::cleanup() {
  session_.reset();
  ResetAnalysis(Solutions);
  Solutions.AnalysisFlags = 0;
  FGTab.Clear();
}

void AnalysisCommandsTest::OpenExample() {
  CopyExampleFrame(folder_);
  QCOMPARE(Form().OpenSystemFile(folder_.File("portal.ssy")), 1);
  QCOMPARE(Form().OpenLoadFile(folder_.File("portal.sla")), 1);
  QCoreApplication::sendPostedEvents();
  child_->modelChanges = 0;
}

void AnalysisCommandsTest::firstOrderOnTheExampleFrame() {
  OpenExample();
  DialogRecorder dialogs;
  Form().ThIOrdnung1->trigger();
  QVERIFY(dialogs.requests.empty());
  QVERIFY(SolForm->isVisible());
  QCOMPARE(ShownButtons(), QStringList{"Fertig"});
  QCOMPARE(Form().Ergebnisse->text(), QString("I.Ordnung"));
  // Hand count: 4 nodes; beam 1 split at the end of its partial load (0.6),
  // beam 2 at its point load (0.25) and at the moment hinge (0.5, two node
  // entries); 3 DOFs each; dependent: 3 + 3 supports, the hinge's 2
  // couplings and its imposed rotation.
  QCOMPARE(Counts(), (QStringList{"8", "6", "24", "9"}));
  QVERIFY(SolForm->Memory->text().toLongLong() > 0);
  QVERIFY(SolForm->Iter->isHidden()); // a first-order solve is no iteration
  QCOMPARE(Solutions.ResultsPresent, 1);

  // The graph windows hear of the results after the command has returned.
  QCOMPARE(child_->modelChanges, 0);
  QCoreApplication::sendPostedEvents();
  QCOMPARE(child_->modelChanges, 1);
  QTest::keyClick(SolForm, Qt::Key_Return);
  QVERIFY(SolForm->isHidden());
}

void AnalysisCommandsTest::secondOrderIteratesUntilTheModelChanges() {
  OpenExample();
  DialogRecorder dialogs;
  Form().ThIIOrdnung1->trigger();
  QVERIFY(dialogs.requests.empty());
  QCOMPARE(ShownButtons(), (QStringList{"Weiter", "Beenden"}));
  QCOMPARE(Form().Ergebnisse->text(), QString("II.Ordnung, 1 Iterationen"));
  QCOMPARE(SolForm->Iter->text(), QString("Iteration: 1"));
  QVERIFY(SolForm->Norm->text().startsWith("Normalkraftnorm = "));
  QVERIFY(!SolForm->Norm->isHidden());
  const double firstNorm = Solutions.ConvergenceValue;

  SolForm->NextButton->click();
  QCOMPARE(Form().Ergebnisse->text(), QString("II.Ordnung, 2 Iterationen"));
  QCOMPARE(SolForm->Iter->text(), QString("Iteration: 2"));
  QVERIFY(Solutions.ConvergenceValue < firstNorm); // the iteration converges
  QTest::keyClick(SolForm, Qt::Key_Return);        // Enter presses "Weiter"
  QCOMPARE(Form().Ergebnisse->text(), QString("II.Ordnung, 3 Iterationen"));
  QCoreApplication::sendPostedEvents();
  const int notified = child_->modelChanges;
  // The command and each further iteration notify; the notices still
  // pending for the child merge into one.
  QCOMPARE(notified, 1);

  // An edit of the load case ends the waiting iteration.
  const double pz = 12.0;
  NodeLoads.SetCellValue(0, 3, &pz);
  QVERIFY(SolForm->isHidden());
  QVERIFY(SolForm->NextButton->isHidden());
  QCOMPARE(Form().Ergebnisse->text(), QString());
  QCOMPARE(Solutions.ResultsPresent, 0);
  QCoreApplication::sendPostedEvents();
  QCOMPARE(child_->modelChanges, notified + 1);

  // A first-order run while an iteration waits shows no iteration lines.
  Form().ThIIOrdnung1->trigger();
  Form().ThIOrdnung1->trigger();
  QCOMPARE(ShownButtons(), QStringList{"Fertig"});
  QVERIFY(SolForm->Iter->isHidden() && SolForm->Norm->isHidden());

  // A context reset behind the window's back: "Weiter" solves nothing.
  Form().ThIIOrdnung1->trigger();
  ResetAnalysis(Solutions);
  SolForm->NextButton->click();
  QCOMPARE(Solutions.IterationCount, 0);
  QVERIFY(SolForm->isHidden());
  QVERIFY(dialogs.requests.empty());
}

void AnalysisCommandsTest::bucklingFactorOfAnEulerColumn() {
  const double L = 5.0, P = 400.0, EI = 2.1e8 * 1.0e-5;
  EulerColumn(L, P);
  DialogRecorder dialogs;
  Form().Knickuntersuchung1->trigger();
  QVERIFY(dialogs.requests.empty());
  QCOMPARE(ShownButtons(), QStringList{"Fertig"});
  const QString caption = Form().Ergebnisse->text();
  QVERIFY2(caption.startsWith("Knickuntersuchung f="), qPrintable(caption));
  const double f = caption.mid(QString("Knickuntersuchung f=").size()).toDouble();
  const double euler = M_PI * M_PI * EI / (L * L) / P; // 2.0725...
  QVERIFY2(std::abs(f - euler) < 2e-4, qPrintable(caption));
  QVERIFY(SolForm->Norm->text().startsWith("Lastfaktor = "));
  // Two node entries and one more at mid-length; 2 elements.
  QCOMPARE(SolForm->NodeNb->text(), QString("3"));
  QCOMPARE(SolForm->ElNb->text(), QString("2"));
  QCoreApplication::sendPostedEvents();
  QCOMPARE(child_->modelChanges, 1); // the driver tells the children once

  Form().PopupMenu1Popup();
  QCOMPARE(Form().PopupMenu1->actions().value(1)->text(), QString("Knickbiegelinie"));
}

void AnalysisCommandsTest::failuresLeaveTheErrorStateOrNoWindow() {
  {
    // A beam on a node that does not exist: the check stops the analysis
    // before the status window opens.
    EulerColumn(5.0, 400.0);
    Beams.At(0).node2 = 7;
    DialogRecorder dialogs;
    Form().ThIOrdnung1->trigger();
    QCOMPARE(dialogs.Messages(),
             std::vector<std::string>{"Der zweite Knoten ist nicht definiert !"});
    QCOMPARE(dialogs.requests[0].caption, std::string("Eingabefehler"));
    QVERIFY(SolForm->isHidden());
    QCOMPARE(Form().Ergebnisse->text(), QString());
  }
  {
    // Without the roller the column tips over: a singular stiffness matrix.
    Beams.At(0).node2 = 2;
    Nodes.At(1).supportX = 0;
    DialogRecorder dialogs;
    Form().ThIOrdnung1->trigger();
    QCOMPARE(dialogs.requests.size(), std::size_t(1));
    QCOMPARE(dialogs.requests[0].caption, std::string("Berechnungsfehler"));
    QVERIFY(dialogs.requests[0].text.find("Singuläre Steifigkeitsmatrix") == 0);
    // The box belongs to the status window that stays on top, not beneath it.
    QCOMPARE(dialogs.requests[0].owner, static_cast<QWidget *>(SolForm));
    QCOMPARE(ShownButtons(), QStringList{"Fehler"});
    QCOMPARE(Solutions.ResultsPresent, 0);
    QTest::keyClick(SolForm, Qt::Key_Escape); // "Fehler" waits to be pressed
    QVERIFY(SolForm->isVisible());
    SolForm->BitBtn2->click();
    QVERIFY(SolForm->isHidden());
  }
}

QTEST_MAIN(AnalysisCommandsTest)
#include "analysis_commands_test.moc"
