// The file commands of the frame window driven through their menu items:
// open, edit, save and new with the names and change marks, failures that
// must keep everything, and the questions of the close.
#include "app/Application.h"
#include "model/LoadLists.h"
#include "model/SystemTables.h"
#include "tests/support/DialogRecorder.h"
#include "tests/support/ExampleCopies.h"
#include "tests/support/FormsSession.h"
#include "tests/support/GermanLocale.h"
#include "tests/support/OrdinaryUser.h"
#include "tests/support/TempFolder.h"

#include <QAction>
#include <QLabel>
#include <QtTest>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const char *const kSystemQuestion = "Geometrie erst speichern ?";
const char *const kLoadQuestion = "Lasteingaben erst speichern ?";
const char *const kSystemFault = "Fehler beim öffnen der Systemdatei";

// Edits as a grid does: the row comes into use, the value reports the change.
void EditNodeX(int row, double x) {
  Nodes.SetRowState(row, 0, 1);
  Nodes.SetCellValue(row, 0, &x);
}

void EditNodeLoad() {
  const double value = 7.5;
  NodeLoads.SetRowState(0, 2, 1);
  NodeLoads.SetCellValue(0, 2, &value);
}

// The texts of the message boxes and the captions of the dialogs, in order.
QStringList Shown(const DialogRecorder &dialogs) {
  QStringList shown;
  for (const DialogRequest &request : dialogs.requests)
    shown << QString::fromStdString(request.kind == DialogKind::Message ? request.text
                                                                        : request.caption);
  return shown;
}

} // namespace

class MainFormFilesTest : public QObject {
  Q_OBJECT
private slots:
  void init();
  void cleanup();
  void openEditSaveAndNewRoundTrip();
  void newKeepsTheTablesWhenTheSaveDidNotHappen();
  void failedOpenLeavesNameTablesAndMark();
  void failedSaveKeepsTheMarkAndTheOldFile();
  void saveRefusesProtectedFilesAndKeepsLinks();
  void closeAsksBothQuestionsAndClearsNothing();
  void keyedFilesOpenAndSaveInTheSectionFormat();

private:
  void OpenExample(DialogRecorder &dialogs);
  std::optional<FormsSession> session_;
  TMainForm &Form() { return session_->Form(); }
  TempFolder folder_;
};

void MainFormFilesTest::init() {
  session_.emplace();
}

void MainFormFilesTest::cleanup() {
  session_.reset();
}

void MainFormFilesTest::OpenExample(DialogRecorder &dialogs) {
  CopyExampleFrame(folder_);
  dialogs.Answer(MsgResult::Ok, folder_.File("portal.ssy"));
  Form().Systemffnen1->trigger();
  dialogs.Answer(MsgResult::Ok, folder_.File("portal.sla"));
  Form().Belastungffnen1->trigger();
}

void MainFormFilesTest::openEditSaveAndNewRoundTrip() {
  GermanLocale german; // the files must not take the decimal comma
  QVERIFY(german.active());
  DialogRecorder dialogs;
  OpenExample(dialogs);
  QCOMPARE(Shown(dialogs), (QStringList{"System öffnen", "Lastfall öffnen"}));
  QCOMPARE(Form().StaticTextSystem->text(), QString("System: portal.ssy"));
  QCOMPARE(Form().StaticTextLoad->text(), QString("Lastfall: portal.sla"));
  QCOMPARE(Nodes.ActiveCount(), 4);
  QCOMPARE(Beams.ActiveCount(), 3);
  QCOMPARE(BeamLoads.ActiveCount(), 2);
  QVERIFY(!Form().SystemChangedFlag && !!Form().Image2->isHidden());
  QVERIFY(!Form().LoadChangedFlag && !!Form().Image1->isHidden());

  EditNodeX(2, 8.25);
  EditNodeLoad();
  QVERIFY(!Form().Image2->isHidden() && !Form().Image1->isHidden());
  const std::string system = folder_.File("halle.ssy");
  const std::string load = folder_.File("halle"); // the dialog adds the extension
  dialogs.Answer(MsgResult::Ok, system);
  Form().System2->trigger();
  dialogs.Answer(MsgResult::Ok, load);
  Form().Belstung1->trigger();
  QCOMPARE(Form().StaticTextSystem->text(), QString("System: halle.ssy"));
  QCOMPARE(Form().LoadFileName, load + ".sla");
  QVERIFY(!!Form().Image2->isHidden() && !!Form().Image1->isHidden());
  QVERIFY(TempFolder::Load(system).find("8.25") != std::string::npos);

  // Unchanged: "&Neu" asks nothing and empties both sides.
  const std::size_t asked = dialogs.requests.size();
  Form().FileNewItem->trigger();
  QCOMPARE(dialogs.requests.size(), asked);
  QCOMPARE(Nodes.ActiveCount() + NodeLoads.ActiveCount() + BeamLoads.ActiveCount(), 0);
  QCOMPARE(Form().StaticTextSystem->text(), QString("System: "));
  QCOMPARE(Form().LoadFileName, std::string());
  QVERIFY(!Form().SystemChangedFlag && !Form().LoadChangedFlag);

  QCOMPARE(Form().OpenSystemFile(system), 1);
  QCOMPARE(Form().OpenLoadFile(load + ".sla"), 1);
  QCOMPARE(Nodes.At(2).x, 8.25);
  QCOMPARE(NodeLoads.ActiveCount(), 1);
  QVERIFY(!!Form().Image2->isHidden() && !!Form().Image1->isHidden());

  // "&Speichern..." writes both under their names without asking.
  EditNodeX(0, -1.5);
  Form().Speichern1->trigger();
  QCOMPARE(dialogs.requests.size(), asked);
  QVERIFY(!Form().SystemChangedFlag);
  QVERIFY(TempFolder::Load(system).find("-1.5") != std::string::npos);
}

void MainFormFilesTest::newKeepsTheTablesWhenTheSaveDidNotHappen() {
  EditNodeX(0, 1.0);
  EditNodeLoad();
  {
    // Yes, then the save dialog cancelled: the system stays; "&Neu" still
    // asks about the load case, whose Cancel keeps it too.
    DialogRecorder dialogs;
    dialogs.Answer(MsgResult::Yes);
    dialogs.Answer(MsgResult::Cancel);
    dialogs.Answer(MsgResult::Cancel);
    Form().FileNewItem->trigger();
    QCOMPARE(Shown(dialogs), (QStringList{kSystemQuestion, "System speichern", kLoadQuestion}));
    QCOMPARE(dialogs.requests[0].caption, std::string("System geändert"));
    QCOMPARE(dialogs.requests[2].caption, std::string("Lasfall geändert"));
    QCOMPARE(Nodes.ActiveCount(), 1);
    QCOMPARE(NodeLoads.ActiveCount(), 1);
    QVERIFY(!Form().Image2->isHidden() && !Form().Image1->isHidden());
  }
  {
    // Yes with a name whose folder does not exist: the failure is shown and
    // the system stays.
    Form().SetSystemName(folder_.File("fehlt/halle.ssy"));
    DialogRecorder dialogs;
    dialogs.Answer(MsgResult::Yes);
    QCOMPARE(Form().NewSystem(), 2);
    QCOMPARE(Shown(dialogs), (QStringList{kSystemQuestion, kSystemFault}));
    QCOMPARE(dialogs.requests[1].caption, std::string("Fehler"));
    QCOMPARE(Nodes.ActiveCount(), 1);
    QCOMPARE(Form().SystemChangedFlag, 1);
  }
  {
    // Yes with a name chosen in the dialog: saved, then cleared.
    Form().SetSystemName("");
    DialogRecorder dialogs;
    dialogs.Answer(MsgResult::Yes);
    dialogs.Answer(MsgResult::Ok, folder_.File("gesichert.ssy"));
    QCOMPARE(Form().NewSystem(), 1);
    QCOMPARE(Nodes.ActiveCount(), 0);
    QVERIFY(QFile::exists(QString::fromStdString(folder_.File("gesichert.ssy"))));
    QCOMPARE(Form().SystemFileName, std::string());
    // No: the load case is dropped unsaved.
    dialogs.Answer(MsgResult::No);
    QCOMPARE(Form().NewLoad(), 1);
    QCOMPARE(NodeLoads.ActiveCount(), 0);
    QVERIFY(!!Form().Image1->isHidden());
  }
}

void MainFormFilesTest::failedOpenLeavesNameTablesAndMark() {
  DialogRecorder dialogs;
  OpenExample(dialogs);
  EditNodeX(1, 0.5);
  const std::string broken = folder_.File("kaputt.ssy");
  TempFolder::Store(broken, "NODES\n2\n    1 0.0 0.0 1 1 1 0.0\n    2 abc\n");
  for (const std::string &name : {folder_.File("fehlt.ssy"), broken, folder_.File("")}) {
    dialogs.requests.clear();
    QCOMPARE(Form().OpenSystemFile(name), 0);
    QCOMPARE(Shown(dialogs), QStringList{kSystemFault});
    QCOMPARE(dialogs.requests[0].caption, std::string("Fehler"));
    QCOMPARE(Form().StaticTextSystem->text(), QString("System: portal.ssy"));
    QCOMPARE(Nodes.ActiveCount(), 4);
    QCOMPARE(Nodes.At(1).x, 0.5);
    QCOMPARE(Form().SystemChangedFlag, 1);
  }
  QCOMPARE(Form().OpenLoadFile(folder_.File("fehlt.sla")), 0);
  QCOMPARE(QString::fromStdString(dialogs.requests.back().text),
           QString("Fehler beim öffnen der Lastdatei"));
  QCOMPARE(Form().StaticTextLoad->text(), QString("Lastfall: portal.sla"));
  QCOMPARE(BeamLoads.ActiveCount(), 2);

  // Through the menu the question and "new" come first: after a failed read
  // the tables are empty and the old name is gone.
  dialogs.Answer(MsgResult::Ok, broken);
  dialogs.Answer(MsgResult::No);
  Form().Systemffnen1->trigger();
  QCOMPARE(Nodes.ActiveCount(), 0);
  QCOMPARE(Form().StaticTextSystem->text(), QString("System: "));
  QCOMPARE(Form().SystemChangedFlag, 0);
}

void MainFormFilesTest::failedSaveKeepsTheMarkAndTheOldFile() {
  DialogRecorder dialogs;
  OpenExample(dialogs);
  dialogs.requests.clear();
  const std::string system = folder_.File("portal.ssy");
  const std::string before = TempFolder::Load(system);

  // "Speichern unter" names that cannot be written: both sides keep their
  // names and their change marks, here none, so F2 still saves the files
  // that were opened.
  dialogs.Answer(MsgResult::Ok, folder_.File("fehlt/halle.ssy"));
  Form().System2->trigger();
  dialogs.Answer(MsgResult::Ok, folder_.File("fehlt/halle.sla"));
  Form().Belstung1->trigger();
  QCOMPARE(Shown(dialogs), (QStringList{"System speichern", kSystemFault, "Lastfall speichern",
                                        "Fehler beim öffnen der Lastdatei"}));
  QCOMPARE(Form().StaticTextSystem->text(), QString("System: portal.ssy"));
  QCOMPARE(Form().LoadFileName, folder_.File("portal.sla"));
  QVERIFY(!!Form().Image2->isHidden() && !!Form().Image1->isHidden());
  dialogs.requests.clear();
  EditNodeX(0, 3.0);

  // Saved under a name that is a folder: the writer fails.
  QVERIFY(QDir().mkpath(QString::fromStdString(folder_.File("ordner.ssy"))));
  Form().SetSystemName(folder_.File("ordner.ssy"));
  QCOMPARE(Form().SaveSystem(), 0);
  QCOMPARE(Shown(dialogs), QStringList{kSystemFault});
  QVERIFY(!Form().Image2->isHidden());

  // Saving an unnamed system opens the dialog; cancelling it saves nothing,
  // and a name that cannot be written leaves the system unnamed.
  Form().SetSystemName("");
  QCOMPARE(Form().SaveSystem(), 0);
  QCOMPARE(Form().SaveSystemAs(), 0);
  dialogs.Answer(MsgResult::Ok, folder_.File("fehlt/halle.ssy"));
  QCOMPARE(Form().SaveSystem(), 0);
  QCOMPARE(Form().SystemFileName, std::string());
  QCOMPARE(Form().SystemChangedFlag, 1);
  QCOMPARE(TempFolder::Load(system), before);
}

// F2 over read-only files of another owner (of this user when not root) in
// a folder open to all: an ordinary user could not open them for writing,
// so both saves fail and leave them as they were.  Then F2 through links.
void MainFormFilesTest::saveRefusesProtectedFilesAndKeepsLinks() {
  DialogRecorder dialogs;
  OpenExample(dialogs);
  dialogs.requests.clear();
  const std::string system = folder_.File("portal.ssy"), load = folder_.File("portal.sla");
  chmod(folder_.File("").c_str(), 0777);
  for (const std::string &file : {system, load})
    chmod(file.c_str(), 0444);
  const std::string systemBefore = TempFolder::Load(system), loadBefore = TempFolder::Load(load);
  EditNodeX(0, 3.0);
  EditNodeLoad();
  {
    OrdinaryUser user;
    if (!user.Active())
      QSKIP(user.Reason().c_str());
    Form().Speichern1->trigger();
  }
  QCOMPARE(Shown(dialogs), (QStringList{kSystemFault, "Fehler beim öffnen der Lastdatei"}));
  QCOMPARE(dialogs.requests[1].caption, std::string("Fehler"));
  QCOMPARE(TempFolder::Load(system), systemBefore);
  QCOMPARE(TempFolder::Load(load), loadBefore);
  for (const std::string &entry : folder_.Entries())
    QVERIFY2(entry.find(".tmp") == std::string::npos, entry.c_str());
  QVERIFY(!Form().Image2->isHidden() && !Form().Image1->isHidden());

  for (const std::string &file : {system, load})
    chmod(file.c_str(), 0644);
  const std::string systemLink = folder_.File("link.ssy"), loadLink = folder_.File("link.sla");
  QCOMPARE(symlink(system.c_str(), systemLink.c_str()), 0);
  QCOMPARE(symlink("portal.sla", loadLink.c_str()), 0);
  Form().SetSystemName(systemLink);
  Form().SetLoadName(loadLink);
  Form().Speichern1->trigger();
  QCOMPARE(dialogs.requests.size(), std::size_t(2));
  QVERIFY(!Form().SystemChangedFlag && !Form().LoadChangedFlag);
  QVERIFY(QFileInfo(QString::fromStdString(systemLink)).isSymLink());
  QVERIFY(QFileInfo(QString::fromStdString(loadLink)).isSymLink());
  QCOMPARE(Form().OpenSystemFile(system), 1);
  QCOMPARE(Form().OpenLoadFile(load), 1);
  QCOMPARE(Nodes.At(0).x, 3.0);
  QVERIFY(TempFolder::Load(load).find("7.5") != std::string::npos);
}

// Each row: the state before the close, the answers, what must follow.
void MainFormFilesTest::closeAsksBothQuestionsAndClearsNothing() {
  struct Case {
    const char *name;
    bool systemChanged, systemNamed, loadChanged;
    std::vector<DialogAnswer> answers;
    QStringList asked;
    bool closes;
    int systemFlagAfter, loadFlagAfter;
    bool namedSaved;
  };
  const std::string saveAs = folder_.File("neu.ssy");
  const Case cases[] = {
      {"nothing changed", false, false, false, {}, {}, true, 0, 0, false},
      {"Yes saves the named system",
       true,
       true,
       false,
       {{MsgResult::Yes, {}}},
       {kSystemQuestion},
       true,
       0,
       0,
       true},
      {"Yes, save dialog cancelled",
       true,
       false,
       true,
       {{MsgResult::Yes, {}}, {MsgResult::Cancel, {}}},
       {kSystemQuestion, "System speichern"},
       false,
       1,
       1,
       false},
      {"Yes, name chosen",
       true,
       false,
       false,
       {{MsgResult::Yes, {}}, {MsgResult::Ok, saveAs}},
       {kSystemQuestion, "System speichern"},
       true,
       0,
       0,
       false},
      {"Cancel at the system",
       true,
       true,
       true,
       {{MsgResult::Cancel, {}}},
       {kSystemQuestion},
       false,
       1,
       1,
       false},
      {"No, then Cancel at the load",
       true,
       true,
       true,
       {{MsgResult::No, {}}, {MsgResult::Cancel, {}}},
       {kSystemQuestion, kLoadQuestion},
       false,
       1,
       1,
       false},
      {"No and No",
       true,
       false,
       true,
       {{MsgResult::No, {}}, {MsgResult::No, {}}},
       {kSystemQuestion, kLoadQuestion},
       true,
       1,
       1,
       false},
      {"only the load, Yes, save dialog cancelled",
       false,
       false,
       true,
       {{MsgResult::Yes, {}}, {MsgResult::Cancel, {}}},
       {kLoadQuestion, "Lastfall speichern"},
       false,
       0,
       1,
       false},
  };
  for (const Case &c : cases) {
    session_.reset();
    session_.emplace();
    {
      DialogRecorder opening;
      OpenExample(opening);
    }
    const std::string named = folder_.File("benannt.ssy");
    Form().SetSystemName(c.systemNamed ? named : "");
    Form().SetLoadName("");
    if (c.systemChanged)
      EditNodeX(0, 4.0);
    if (c.loadChanged)
      EditNodeLoad();

    DialogRecorder dialogs;
    for (const DialogAnswer &answer : c.answers)
      dialogs.script.push_back(answer);
    QVERIFY2(Form().close() == c.closes, c.name);
    QVERIFY2(Shown(dialogs) == c.asked, c.name);
    QVERIFY2(Nodes.ActiveCount() == 4 && BeamLoads.ActiveCount() == 2, c.name);
    QVERIFY2(Form().SystemChangedFlag == c.systemFlagAfter, c.name);
    QVERIFY2(Form().LoadChangedFlag == c.loadFlagAfter, c.name);
    QVERIFY2(!Form().Image2->isHidden() == (c.systemFlagAfter == 1), c.name);
    QVERIFY2(QFile::exists(QString::fromStdString(named)) == c.namedSaved, c.name);
    QFile::remove(QString::fromStdString(named));
  }
  QVERIFY(QFile::exists(QString::fromStdString(saveAs)));
}

// The open dialogs offer the keyed files, and saving writes the section
// format under the same names.
void MainFormFilesTest::keyedFilesOpenAndSaveInTheSectionFormat() {
  const std::string examples = KELMOR_SOURCE_DIR "/examples/";
  for (const char *name : {"shed.sys", "shed.las"})
    TempFolder::Store(folder_.File(name), TempFolder::Load(examples + name));
  DialogRecorder dialogs;
  dialogs.Answer(MsgResult::Ok, folder_.File("shed.sys"));
  Form().Systemffnen1->trigger();
  dialogs.Answer(MsgResult::Ok, folder_.File("shed.las"));
  Form().Belastungffnen1->trigger();
  QCOMPARE(Shown(dialogs), (QStringList{"System öffnen", "Lastfall öffnen"}));
  QVERIFY(dialogs.requests[0].filter.find("*.sys") != std::string::npos);
  QVERIFY(dialogs.requests[1].filter.find("*.las") != std::string::npos);
  QCOMPARE(Form().StaticTextSystem->text(), QString("System: shed.sys"));
  QCOMPARE(Beams.ActiveCount(), 3);
  Form().Speichern1->trigger();
  QCOMPARE(dialogs.requests.size(), std::size_t{2});
  QCOMPARE(TempFolder::Load(folder_.File("shed.sys")), TempFolder::Load(examples + "shed.ssy"));
  QCOMPARE(TempFolder::Load(folder_.File("shed.las")), TempFolder::Load(examples + "shed.sla"));
}

QTEST_MAIN(MainFormFilesTest)
#include "mainform_files_test.moc"
