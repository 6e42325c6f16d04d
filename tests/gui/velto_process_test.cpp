// The editor program as Kelmor starts it, in an unattended run: its messages
// go to the file named by KELMOR_MESSAGE_LOG.
#include "tests/support/FileBytes.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

class VeltoProcessTest : public QObject {
  Q_OBJECT
private slots:
  void messagesOfAnUnattendedRunAreLogged();
};

void VeltoProcessTest::messagesOfAnUnattendedRunAreLogged() {
  QTemporaryDir dir;
  const QString program = dir.filePath("Velto");
  QVERIFY(QFile::copy(KELMOR_BIN_DIR "/Velto", program));
  QVERIFY(WriteBytes(dir.filePath("Velto.ini"), "DejaVu Sans\nzw\xf6lf\n5\n5\n5\n5\n"));
  const QString log = dir.filePath("meldungen.log");

  QProcess velto;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert("KELMOR_MESSAGE_LOG", log);
  environment.insert("QT_QPA_PLATFORM", "offscreen");
  velto.setProcessEnvironment(environment);
  velto.setWorkingDirectory(dir.path());
  // The arguments are joined with blanks into one path.
  velto.start(program, {"kein", "protokoll.txt"});
  QVERIFY(velto.waitForStarted());
  const QByteArray expected =
      "Velto\tLine 2 of the settings file \"" + dir.filePath("Velto.ini").toUtf8() +
      "\" is not a whole number; its default value is used.\n"
      "Velto\tCannot open file \"kein protokoll.txt\": No such file or directory.\n";
  const bool logged = QTest::qWaitFor([&] { return ReadBytes(log) == expected; }, 20000);
  // Still running: the window opened after the messages.
  const bool running = velto.state() == QProcess::Running;
  velto.kill();
  velto.waitForFinished();
  QCOMPARE(ReadBytes(log), expected);
  QVERIFY(logged && running);
}

QTEST_MAIN(VeltoProcessTest)
#include "velto_process_test.moc"
