// The frame window around a batch run: HIDE keeps the status window away
// while the run lasts, a run that ends without closing the program shows the
// window again (nobody could reach a hidden program), and a closed program
// stays closed.
#include "analysis/Solutions.h"
#include "app/Application.h"
#include "app/BatchInterpreter.h"
#include "tests/support/DialogRecorder.h"
#include "tests/support/TempFolder.h"

#include <QSignalSpy>
#include <QtTest>

class BatchWindowTest : public QObject {
  Q_OBJECT
private slots:
  void hiddenProgramReappearsUnlessClosed();
};

void BatchWindowTest::hiddenProgramReappearsUnlessClosed() {
  TempFolder folder;
  const std::string batch = folder.File("run.bat");
  DialogRecorder dialogs;
  AutoCreatedForms forms;
  TMainForm &form = forms.mainForm;
  QSignalSpy closed(&form, &TMainForm::FormClosed);
  form.show();

  for (const char *text : {"HIDE\nUNBEKANNT\n", "HIDE\nSAVERESULT=x\n", "HIDE\n"}) {
    TempFolder::Store(batch, text);
    RunBatchFile(form, batch);
    QVERIFY2(form.isVisible(), text);
    QCOMPARE(Solutions.Hidden, 0);
  }
  QCOMPARE(dialogs.Messages(), (std::vector<std::string>{"Batchbefehl 'UNBEKANNT' nicht bekannt",
                                                         "Keine Ergebnisse sind vorhanden"}));

  TempFolder::Store(batch, "HIDE\nCLOSE\n");
  RunBatchFile(form, batch);
  QVERIFY(!form.isVisible());
  QCOMPARE(closed.count(), 1);
  QFile::remove(QString::fromStdString(SettingsFileName));
}

QTEST_MAIN(BatchWindowTest)
#include "batch_window_test.moc"
