// The protocol editors of the frame window.  A shell script stands in for
// the editor: it logs its arguments, copies the file it got (under another
// name first, so the copy appears only once complete) and waits.
#include "app/Application.h"
#include "graphics/core/Settings.h"
#include "model/SystemTables.h"
#include "tests/support/DialogRecorder.h"
#include "tests/support/FormsSession.h"
#include "tests/support/TempFolder.h"

#include <QAction>
#include <QProcess>
#include <QtTest>
#include <csignal>
#include <optional>
#include <sys/resource.h>

namespace {

bool Alive(QProcess *editor) {
  return editor && ::kill(static_cast<pid_t>(editor->processId()), 0) == 0;
}

} // namespace

class MainFormEditorTest : public QObject {
  Q_OBJECT
private slots:
  void init();
  void cleanup();
  void protocolsGoToTheEditorAndVanishAtClose();
  void resultsEditorEndsWithEveryAnalysis();
  void protocolsGoToTmpWhenTmpdirIsNoFolder();

private:
  TempFolder folder_;
  std::optional<FormsSession> session_;
  TMainForm &Form() { return session_->Form(); }
};

void MainFormEditorTest::init() {
  qputenv("TMPDIR", QByteArray::fromStdString(folder_.File("")));
  const std::string script = folder_.File("editor.sh");
  TempFolder::Store(script,
                    "#!/bin/sh\necho \"$#\" \"$1\" >> '" + folder_.File("calls") +
                        "'\ncp \"$1\" \"$1.part\"\nmv \"$1.part\" \"$1.seen\"\nexec sleep 60\n");
  QFile(QString::fromStdString(script)).setPermissions(QFile::ExeOwner | QFile::ReadOwner);
  EditorProgram = script;
  session_.emplace();
  QCOMPARE(Form().OpenSystemFile(KELMOR_SOURCE_DIR "/examples/portal.ssy"), 1);
  QCOMPARE(Form().OpenLoadFile(KELMOR_SOURCE_DIR "/examples/portal.sla"), 1);
}

void MainFormEditorTest::cleanup() {
  session_.reset();
  EditorProgram = "Velto.exe";
}

void MainFormEditorTest::protocolsGoToTheEditorAndVanishAtClose() {
  DialogRecorder dialogs;
  Form().Eingabeprotocoll1->trigger();
  QProcess *first = Form().InputEditor;
  const std::string file = Form().TempFiles.at(0);
  QCOMPARE(file.rfind(folder_.File("Stab"), 0), std::size_t(0));
  QVERIFY(QTest::qWaitFor([&] { return QFile::exists(QString::fromStdString(file + ".seen")); }));
  QCOMPARE(TempFolder::Load(folder_.File("calls")), "1 " + file + "\n");
  QCOMPARE(TempFolder::Load(file + ".seen"), TempFolder::Load(file));
  QVERIFY(TempFolder::Load(file).find("portal.ssy") != std::string::npos);

  // A second protocol goes into a new file, and the first editor is ended.
  const qint64 firstPid = first->processId();
  Form().Eingabeprotocoll1->trigger();
  QCOMPARE(Form().TempFiles.size(), std::size_t(2));
  QVERIFY(::kill(static_cast<pid_t>(firstPid), 0) != 0);
  QVERIFY(Alive(Form().InputEditor));
  // A change of the system ends it too; the files stay until the close.
  const double x = 1.0;
  Nodes.SetCellValue(0, 0, &x);
  QVERIFY(!Form().InputEditor && QFile::exists(QString::fromStdString(file)));

  // An editor that cannot start: the message, no process, the file listed.
  EditorProgram = folder_.File("no editor");
  Form().Eingabeprotocoll1->trigger();
  QVERIFY(!Form().InputEditor);
  QCOMPARE(dialogs.Messages(), std::vector<std::string>{"Programm '" + EditorProgram +
                                                        "' kann nicht ausgeführt werden"});
  // The default is the Velto beside the program, kept in the setting.
  EditorProgram = "Velto.exe";
  Form().Eingabeprotocoll1->trigger();
  QCOMPARE(EditorProgram, std::string(KELMOR_BIN_DIR "/Velto"));
  QVERIFY(Alive(Form().InputEditor));

  Form().SetSystemChanged(0);
  QVERIFY(Form().close());
  QVERIFY(!Form().InputEditor && Form().TempFiles.empty());
  QCOMPARE(QDir(QString::fromStdString(folder_.File(""))).entryList({"Stab??????"}), QStringList());
}

// Every analysis replaces the results the results editor shows; the input
// protocol stays valid.
void MainFormEditorTest::resultsEditorEndsWithEveryAnalysis() {
  DialogRecorder dialogs;
  Form().Eingabeprotocoll1->trigger();
  for (QAction *analysis : {Form().ThIOrdnung1, Form().ThIIOrdnung1, Form().Knickuntersuchung1}) {
    Form().ThIOrdnung1->trigger();
    Form().Ergebnisse1->trigger();
    QProcess *results = Form().ResultsEditor;
    QVERIFY(Alive(results));
    const qint64 pid = results->processId();
    analysis->trigger();
    QVERIFY2(!Form().ResultsEditor && ::kill(static_cast<pid_t>(pid), 0) != 0,
             qPrintable(analysis->objectName()));
  }
  QVERIFY(Alive(Form().InputEditor));
  const std::size_t files = Form().TempFiles.size();
  Form().NewSystem();
  Form().Ergebnisse1->trigger();
  QCOMPARE(dialogs.Messages(), std::vector<std::string>{"Keine Ergebnisse sind vorhanden"});
  QCOMPARE(dialogs.requests[0].caption, std::string("Information"));
  QCOMPARE(Form().TempFiles.size(), files);
}

// TMPDIR naming no folder, or a file: the protocol goes to /tmp.  No file
// can be made there (no descriptor left): the message, and the editor of
// the previous protocol stays.
void MainFormEditorTest::protocolsGoToTmpWhenTmpdirIsNoFolder() {
  DialogRecorder dialogs;
  EditorProgram = "/bin/true";
  TempFolder::Store(folder_.File("datei"), "");
  for (const std::string &tmpdir : {folder_.File("fehlt"), folder_.File("datei")}) {
    qputenv("TMPDIR", QByteArray::fromStdString(tmpdir));
    Form().Eingabeprotocoll1->trigger();
    QVERIFY2(Form().TempFiles.back().starts_with("/tmp/Stab"), Form().TempFiles.back().c_str());
  }
  QVERIFY(dialogs.requests.empty());

  rlimit previous{};
  getrlimit(RLIMIT_NOFILE, &previous);
  rlimit none = previous;
  none.rlim_cur = 0;
  QProcess *const editor = Form().InputEditor;
  QCOMPARE(setrlimit(RLIMIT_NOFILE, &none), 0);
  Form().Eingabeprotocoll1->trigger();
  setrlimit(RLIMIT_NOFILE, &previous);
  QCOMPARE(dialogs.Messages(),
           std::vector<std::string>{"Fehler bei Erzeugung einer Temporären Dateiname"});
  QCOMPARE(Form().TempFiles.size(), std::size_t(2));
  QCOMPARE(Form().InputEditor, editor);

  const std::vector<std::string> files = Form().TempFiles;
  Form().SetSystemChanged(0);
  QVERIFY(Form().close());
  for (const std::string &file : files)
    QVERIFY(!QFile::exists(QString::fromStdString(file)));
}

QTEST_MAIN(MainFormEditorTest)
#include "mainform_editor_test.moc"
