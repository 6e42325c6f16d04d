// The editor's six-line settings file.
#include "editor/VeltoSettings.h"
#include "tests/support/FileBytes.h"
#include "tests/support/OrdinaryUser.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

namespace {
bool SameSettings(const VeltoSettings &a, const VeltoSettings &b) {
  return a.FontName == b.FontName && a.FontSize == b.FontSize && a.PageMargins == b.PageMargins;
}
} // namespace

class VeltoSettingsTest : public QObject {
  Q_OBJECT
private slots:
  void writtenWholeInCodePage1252AndReadBack();
  void shortOrGarbledFileKeepsTheDefaults();
  void sizesAndMarginsAreClamped();
  void failedWriteKeepsThePreviousFile();
  void writesThroughALinkAndNeverOverAProtectedFile();
  void settingsFileLiesBesideTheProgram();
};

void VeltoSettingsTest::writtenWholeInCodePage1252AndReadBack() {
  QTemporaryDir dir;
  const QString path = dir.filePath("Velto.ini");
  VeltoSettings settings;
  settings.FontName = "Grüne Schrift";
  settings.FontSize = 1638;
  settings.PageMargins = {10, 0, 25, 100};
  QVERIFY(WriteSettings(path.toStdString(), settings));
  QCOMPARE(ReadBytes(path), QByteArray("Gr\xfcne Schrift\n1638\n10\n0\n25\n100\n"));
  QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"Velto.ini"});

  VeltoSettings read;
  QCOMPARE(ReadSettings(path.toStdString(), read), 0);
  QVERIFY(SameSettings(read, settings));
}

void VeltoSettingsTest::shortOrGarbledFileKeepsTheDefaults() {
  const VeltoSettings defaults;
  VeltoSettings missing;
  QCOMPARE(ReadSettings("/nonexistent/Velto.ini", missing), 0);
  QVERIFY(SameSettings(missing, defaults));

  VeltoSettings shortFile;
  QCOMPARE(ParseSettings("Arial\r\n12\r\n7", shortFile), 0);
  QCOMPARE(shortFile.FontName, std::string("Arial"));
  QCOMPARE(shortFile.FontSize, 12);
  QCOMPARE(shortFile.PageMargins, (std::array<int, 4>{7, 5, 5, 5}));

  // Every readable line counts; the first bad one is reported.
  VeltoSettings garbled;
  QCOMPARE(ParseSettings("\nzwölf\n8\n1,5\n 3 \n4mm\n", garbled), 2);
  QCOMPARE(garbled.FontName, defaults.FontName);
  QCOMPARE(garbled.FontSize, defaults.FontSize);
  QCOMPARE(garbled.PageMargins, (std::array<int, 4>{8, 5, 3, 5}));
}

void VeltoSettingsTest::sizesAndMarginsAreClamped() {
  VeltoSettings settings;
  QCOMPARE(ParseSettings("Arial\n0\n-3\n500\n100\n0\n", settings), 0);
  QCOMPARE(settings.FontSize, kMinFontSize);
  QCOMPARE(settings.PageMargins, (std::array<int, 4>{0, 100, 100, 0}));
  QCOMPARE(ParseSettings("Arial\n99999999999999999999\n", settings), 2);
  QCOMPARE(ParseSettings("Arial\n2000\n", settings), 0);
  QCOMPARE(settings.FontSize, kMaxFontSize);
}

void VeltoSettingsTest::failedWriteKeepsThePreviousFile() {
  QTemporaryDir dir;
  QVERIFY(!WriteSettings(dir.filePath("fehlt/Velto.ini").toStdString(), VeltoSettings()));
  // A folder in the way of the file: the write fails and the folder stays.
  const QString blocked = dir.filePath("Velto.ini");
  QVERIFY(QDir(dir.path()).mkdir("Velto.ini"));
  QVERIFY(!WriteSettings(blocked.toStdString(), VeltoSettings()));
  QVERIFY(QFileInfo(blocked).isDir());
  QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList());
}

// The settings beside a program reached through a link, and a settings file
// the user may not write (another owner's when run as root).
void VeltoSettingsTest::writesThroughALinkAndNeverOverAProtectedFile() {
  QTemporaryDir dir;
  const QString file = dir.filePath("Velto-echt.ini"), link = dir.filePath("Velto.ini");
  QVERIFY(WriteBytes(file, "Arial\n10\n1\n1\n1\n1\n"));
  QVERIFY(QFile::link(file, link));
  QVERIFY(WriteSettings(link.toStdString(), VeltoSettings()));
  QCOMPARE(ReadBytes(file), QByteArray("Courier New\n9\n5\n5\n5\n5\n"));
  QVERIFY(QFileInfo(link).isSymLink());

  QFile::setPermissions(dir.path(), QFileDevice::Permissions(0x7777));
  QFile::setPermissions(file, QFileDevice::ReadOwner | QFileDevice::ReadOther);
  OrdinaryUser user;
  if (!user.Active())
    QSKIP(user.Reason().c_str());
  QVERIFY(!WriteSettings(link.toStdString(), VeltoSettings{"Arial"}));
  QCOMPARE(ReadBytes(file), QByteArray("Courier New\n9\n5\n5\n5\n5\n"));
  QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::System).size(), 2);
}

void VeltoSettingsTest::settingsFileLiesBesideTheProgram() {
  QCOMPARE(SettingsPathFor("/opt/kelmor/bin/Velto"), std::string("/opt/kelmor/bin/Velto.ini"));
  QCOMPARE(SettingsPathFor("/opt/v1.2/Velto.exe"), std::string("/opt/v1.2/Velto.ini"));
  QCOMPARE(SettingsPathFor("/opt/v1.2/Velto"), std::string("/opt/v1.2/Velto.ini"));
}

QTEST_MAIN(VeltoSettingsTest)
#include "velto_settings_test.moc"
