// The wrappers every message box and dialog of both programs goes through.
#include "model/Message.h"
#include "platform/EventGuard.h"
#include "platform/FileDialogs.h"
#include "platform/MessageBox.h"
#include "platform/MessageLog.h"
#include "platform/PrintDialog.h"
#include "tests/support/DialogRecorder.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

namespace {
// Sets KELMOR_MESSAGE_LOG for one test and removes it again.
class MessageLogFile {
public:
  MessageLogFile() : path_(dir_.filePath("messages.log")) {
    qputenv("KELMOR_MESSAGE_LOG", path_.toUtf8());
  }
  ~MessageLogFile() { qunsetenv("KELMOR_MESSAGE_LOG"); }
  QByteArray Contents() const {
    QFile file(path_);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }

private:
  QTemporaryDir dir_;
  QString path_;
};
} // namespace

// One recorded box: caption, text, buttons, default button and icon.
std::string Describe(const DialogRequest &box) {
  return box.caption + "|" + box.text + "|" + std::to_string(int(box.buttons)) + "|" +
         std::to_string(int(box.defaultButton)) + "|" + std::to_string(int(box.icon));
}

class PlatformWrappersTest : public QObject {
  Q_OBJECT
private slots:
  void boxesAndEscapedExceptionsReachTheAnswerer();
  void messageLogWritesOneLinePerBoxAndCancelsDialogs();
  void fileDialogsAppendTheDefaultExtension();
  void printDialogPrintsIntoTheAnsweredPdf();
  void printDialogOffersTheFileChosenLast();
};

void PlatformWrappersTest::boxesAndEscapedExceptionsReachTheAnswerer() {
  DialogRecorder recorder;
  recorder.Answer(MsgResult::No);
  QCOMPARE(MessageBox("Geometrie erst speichern ?", "System geändert", MsgButtons::YesNoCancel,
                      MsgIcon::Question),
           MsgResult::No);
  QCOMPARE(
      MessageBox("Zeile Löschen ?", "Info", MsgButtons::OkCancel, MsgIcon::None, MsgResult::Cancel),
      MsgResult::Cancel);
  {
    DialogRecorder inner;
    ShowMessage("Nur innen");
    QCOMPARE(inner.Messages(), std::vector<std::string>{"Nur innen"});
  }
  ShowMessage("Fehler beim Kopieren");
  bool ran = false;
  QVERIFY(Guarded([&] { ran = true; }));
  QVERIFY(ran);
  QVERIFY(!Guarded([] { throw Exception("Kopierbeireich außerhalb der Tabelle"); }));
  QVERIFY(!Guarded([] { throw std::out_of_range("index 7"); }));

  // Enums: buttons Ok 0, OkCancel 1, YesNo 2, YesNoCancel 3; results Ok 0,
  // Yes 1, No 2, Cancel 3; icons None 0, Error 3, Question 4.
  const std::string name = QCoreApplication::applicationName().toStdString();
  std::vector<std::string> boxes;
  for (const DialogRequest &request : recorder.requests)
    boxes.push_back(Describe(request));
  QCOMPARE(boxes, (std::vector<std::string>{
                      "System geändert|Geometrie erst speichern ?|3|1|4",
                      "Info|Zeile Löschen ?|1|3|0",
                      name + "|Fehler beim Kopieren|0|0|0",
                      name + "|Kopierbeireich außerhalb der Tabelle|0|0|3",
                      name + "|index 7|0|0|3",
                  }));
}

void PlatformWrappersTest::messageLogWritesOneLinePerBoxAndCancelsDialogs() {
  MessageLogFile log;
  QVERIFY(MessageLogActive());
  QCOMPARE(MessageBox("Singuläre Steifigkeitsmatrix !\nMöglicherweise liegt verschiebliches "
                      "System vor",
                      "Berechnungsfehler", MsgButtons::Ok, MsgIcon::Warning),
           MsgResult::Ok);
  QCOMPARE(
      MessageBox("Zeilen\r\nmit CR LF", "Info", MsgButtons::YesNo, MsgIcon::None, MsgResult::No),
      MsgResult::No);
  QVERIFY(!OpenFileDialog({"System öffnen", "Kelmor System|*.ssy;*.sys", "ssy", ""}));
  QVERIFY(!SaveFileDialog({"System speichern", "Kelmor System|*.ssy;*.sys", "ssy", ""}));
  QPrinter printer;
  QVERIFY(!ExecutePrintDialog(printer, "Kelmor"));

  QCOMPARE(log.Contents(), QByteArray("Berechnungsfehler\tSingul\xc3\xa4re Steifigkeitsmatrix "
                                      "!\\nM\xc3\xb6glicherweise liegt verschiebliches System "
                                      "vor\n"
                                      "Info\tZeilen\\nmit CR LF\n"));
}

void PlatformWrappersTest::fileDialogsAppendTheDefaultExtension() {
  DialogRecorder recorder;
  recorder.Answer(MsgResult::Ok, "/tmp/a.b/rahmen");
  recorder.Answer(MsgResult::Ok, "/tmp/rahmen.sys");
  recorder.Answer(MsgResult::Cancel, "/tmp/egal.sla");
  const FileDialogOptions system{"System öffnen", "Kelmor Systemdatei |*.ssy;*.sys", "ssy",
                                 "/tmp/alt.ssy"};
  QCOMPARE(OpenFileDialog(system).value_or(""), std::string("/tmp/a.b/rahmen.ssy"));
  QCOMPARE(SaveFileDialog(system).value_or(""), std::string("/tmp/rahmen.sys"));
  QVERIFY(!SaveFileDialog({"Lastfall speichern", "Kelmor Belastung|*.sla;*.las", "sla", ""}));

  QCOMPARE(recorder.requests[0].kind, DialogKind::OpenFile);
  QCOMPARE(recorder.requests[0].caption, std::string("System öffnen"));
  QCOMPARE(recorder.requests[0].fileName, std::string("/tmp/alt.ssy"));
  QCOMPARE(recorder.requests[1].kind, DialogKind::SaveFile);
  QCOMPARE(QtFileFilter("Kelmor Systemdatei |*.ssy;*.sys|Alle|*.*"),
           std::string("Kelmor Systemdatei  (*.ssy *.sys);;Alle (*.*)"));
}

void PlatformWrappersTest::printDialogPrintsIntoTheAnsweredPdf() {
  QTemporaryDir dir;
  const QString pdf = dir.filePath("druck.pdf");
  DialogRecorder recorder;
  recorder.Answer(MsgResult::Ok, pdf.toStdString());
  QPrinter printer;
  QVERIFY(ExecutePrintDialog(printer, "/tmp/protokoll.txt"));
  QCOMPARE(printer.outputFormat(), QPrinter::PdfFormat);
  QCOMPARE(printer.outputFileName(), pdf);
  QCOMPARE(printer.docName(), QString("/tmp/protokoll.txt"));
  QCOMPARE(recorder.requests.at(0).kind, DialogKind::Print);
  QCOMPARE(recorder.requests.at(0).text, std::string("/tmp/protokoll.txt"));
  QVERIFY(!ExecutePrintDialog(printer, "Kelmor")); // the script is used up: cancelled
}

// While the program runs, the dialog of a job offers the PDF file it was
// printed into last, at first <home>/<job>.pdf; another job keeps its own.
void PlatformWrappersTest::printDialogOffersTheFileChosenLast() {
  QTemporaryDir dir;
  const QString chosen = dir.filePath("rahmen.pdf");
  {
    DialogRecorder recorder;
    recorder.Answer(MsgResult::Ok, chosen.toStdString());
    recorder.Answer(MsgResult::Cancel, dir.filePath("verworfen.pdf").toStdString());
    QPrinter printer;
    QVERIFY(ExecutePrintDialog(printer, "Kelmor"));
    QVERIFY(!ExecutePrintDialog(printer, "Kelmor"));
    QVERIFY(!ExecutePrintDialog(printer, "Kelmor"));
    QVERIFY(!ExecutePrintDialog(printer, "Bericht.txt"));
    QCOMPARE(recorder.requests.at(0).fileName, QDir::home().filePath("Kelmor.pdf").toStdString());
    QCOMPARE(recorder.requests.at(1).fileName, chosen.toStdString());
    QCOMPARE(recorder.requests.at(2).fileName, chosen.toStdString()); // a cancel keeps it
    QCOMPARE(recorder.requests.at(3).fileName, QDir::home().filePath("Bericht.pdf").toStdString());
  }

  // The real dialog on a machine without printers: the user names another
  // file, and the next dialog offers it.
  if (!QPrinterInfo::availablePrinters().isEmpty())
    QSKIP("this machine has printers: the dialog starts at one of them");
  const QString typed = dir.filePath("zweite.pdf");
  QString offered;
  auto answer = [&](bool type) {
    QTimer::singleShot(0, [&, type] {
      auto *dialog = qobject_cast<QPrintDialog *>(QApplication::activeModalWidget());
      QLineEdit *name = dialog ? dialog->findChild<QLineEdit *>("filename") : nullptr;
      if (name == nullptr)
        return dialog ? dialog->reject() : void();
      offered = name->text();
      if (type)
        name->setText(typed);
      dialog->accept();
    });
  };
  for (bool type : {true, false}) {
    QPrinter printer;
    answer(type);
    QVERIFY(ExecutePrintDialog(printer, "Kelmor"));
    QCOMPARE(printer.outputFileName(), typed);
    QCOMPARE(offered, type ? chosen : typed);
  }
}

QTEST_MAIN(PlatformWrappersTest)
#include "velto_platform_test.moc"
