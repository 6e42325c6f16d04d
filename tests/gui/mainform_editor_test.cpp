// The protocol editors of the frame window: each protocol in a new temporary
// file, the editor started on it, ended when its protocol is replaced or the
// model changes, and every temporary file gone after the close.  A small
// shell script stands in for the editor and records what it was given.
#include "app/Application.h"
#include "graphics/core/Settings.h"
#include "model/SystemTables.h"
#include "tests/support/DialogRecorder.h"
#include "tests/support/ModelReset.h"
#include "tests/support/TempFolder.h"

#include <QAction>
#include <QProcess>
#include <QtTest>
#include <csignal>
#include <memory>

namespace {

bool Alive(qint64 pid) {
  return ::kill(static_cast<pid_t>(pid), 0) == 0;
}

} // namespace

class MainFormEditorTest : public QObject {
  Q_OBJECT
private slots:
  void init();
  void cleanup();
  void protocolsGoToTheEditorAndVanishAtClose();
  void failedStartAndTheDefaultEditor();

private:
  std::unique_ptr<AutoCreatedForms> forms_;
  TMainForm &Form() { return forms_->mainForm; }
  TempFolder folder_;
  QByteArray oldTmpdir_;
};

void MainFormEditorTest::init() {
  ClearModelTables();
  oldTmpdir_ = qgetenv("TMPDIR");
  qputenv("TMPDIR", QByteArray::fromStdString(folder_.File("tmp")));
  QDir().mkpath(QString::fromStdString(folder_.File("tmp")));
  forms_ = std::make_unique<AutoCreatedForms>();
}

void MainFormEditorTest::cleanup() {
  Form().SetSystemChanged(0);
  Form().SetLoadChanged(0);
  Form().close();
  forms_.reset();
  ClearModelTables();
  QFile::remove(QString::fromStdString(SettingsFileName));
  qputenv("TMPDIR", oldTmpdir_);
  EditorProgram = "Velto.exe";
}

void MainFormEditorTest::protocolsGoToTheEditorAndVanishAtClose() {
  const std::string script = folder_.File("editor.sh");
  const std::string calls = folder_.File("calls.txt");
  // One line per start: the number of arguments and the first one; then a
  // copy of the file it was given.  It stays until it is ended.
  TempFolder::Store(script, "#!/bin/sh\nprintf '%s %s\\n' \"$#\" \"$1\" >> '" + calls +
                                "'\ncp \"$1\" \"$1.seen\"\nexec sleep 60\n");
  QFile(QString::fromStdString(script)).setPermissions(QFile::ExeOwner | QFile::ReadOwner);
  EditorProgram = script;
  DialogRecorder dialogs;
  QCOMPARE(Form().OpenSystemFile(KELMOR_SOURCE_DIR "/examples/portal.ssy"), 1);

  Form().Eingabeprotocoll1->trigger();
  QVERIFY(Form().InputEditor);
  const qint64 first = Form().InputEditor->processId();
  QCOMPARE(Form().TempFiles.size(), std::size_t(1));
  const std::string file = Form().TempFiles[0];
  QVERIFY(QTest::qWaitFor([&] { return QFile::exists(QString::fromStdString(file + ".seen")); }));
  QCOMPARE(TempFolder::Load(calls), "1 " + file + "\n");
  QCOMPARE(file.rfind(folder_.File("tmp/Stab"), 0), std::size_t(0));
  const std::string protocol = TempFolder::Load(file);
  QCOMPARE(TempFolder::Load(file + ".seen"), protocol);
  QVERIFY(protocol.find("portal.ssy") != std::string::npos);

  // A second input protocol: a new file, and the first editor is ended.
  Form().Eingabeprotocoll1->trigger();
  QCOMPARE(Form().TempFiles.size(), std::size_t(2));
  QVERIFY(Form().TempFiles[1] != file);
  QVERIFY(!Alive(first));
  const qint64 second = Form().InputEditor->processId();
  QVERIFY(Alive(second));

  // A change of the system ends it too; the files stay until the close.
  const double x = 1.0;
  Nodes.SetCellValue(0, 0, &x);
  QVERIFY(!Form().InputEditor);
  QVERIFY(!Alive(second));
  QVERIFY(QFile::exists(QString::fromStdString(file)));
  QVERIFY(dialogs.requests.empty());

  // An editor the user closed himself is forgotten without a message.
  Form().Eingabeprotocoll1->trigger();
  ::kill(static_cast<pid_t>(Form().InputEditor->processId()), SIGTERM);
  QVERIFY(Form().InputEditor->waitForFinished());
  Form().SetSystemChanged(0);
  QVERIFY(Form().close());
  QVERIFY(!Form().InputEditor);
  for (const std::string &name : Form().TempFiles)
    QVERIFY(!QFile::exists(QString::fromStdString(name)));
  QVERIFY(Form().TempFiles.empty());
  QVERIFY(dialogs.requests.empty());
}

void MainFormEditorTest::failedStartAndTheDefaultEditor() {
  DialogRecorder dialogs;
  EditorProgram = folder_.File("kein editor");
  Form().Eingabeprotocoll1->trigger();
  QCOMPARE(dialogs.Messages(), std::vector<std::string>{"Programm '" + EditorProgram +
                                                        "' kann nicht ausgeführt werden"});
  QCOMPARE(dialogs.requests[0].caption, std::string("Fehler"));
  QVERIFY(!Form().InputEditor);
  QCOMPARE(Form().TempFiles.size(), std::size_t(1)); // deleted at close all the same

  // The default means the Velto beside the program, and the setting keeps
  // where it was found.
  EditorProgram = "Velto.exe";
  Form().Eingabeprotocoll1->trigger();
  QCOMPARE(EditorProgram, std::string(KELMOR_BIN_DIR "/Velto"));
  QVERIFY(Form().InputEditor);
  QCOMPARE(dialogs.requests.size(), std::size_t(1));
  Form().KillEditors();
}

QTEST_MAIN(MainFormEditorTest)
#include "mainform_editor_test.moc"
