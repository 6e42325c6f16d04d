// The editor's window: loading, font name and size, page margins and what
// reaches the settings file.
#include "editor/SizeSpinBox.h"
#include "tests/support/BarMenu.h"
#include "tests/support/DialogRecorder.h"
#include "tests/support/VeltoWindows.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QFontDatabase>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextEdit>
#include <QToolBar>
#include <QtTest>

namespace {
const char *const kSizeMessage = "The number must be between 1 and 1638.";

QTextCharFormat FormatAt(QTextEdit *edit, int position) {
  QTextCursor cursor(edit->document());
  cursor.setPosition(position + 1); // the format of the character before the cursor
  return cursor.charFormat();
}

QString FamilyAt(QTextEdit *edit, int position) {
  return FormatAt(edit, position).fontFamilies().toStringList().value(0);
}

// Picks the face from the box's list as a user does: the list opens, Enter
// takes the entry.
void ChooseFont(QComboBox *box, const char *face) {
  box->showPopup();
  QAbstractItemView *list = box->view();
  list->setCurrentIndex(box->model()->index(box->findText(face), 0));
  QTest::keyClick(list->viewport(), Qt::Key_Return);
}

void TypeSize(SizeSpinBox *box, const char *text) {
  box->selectAll();
  QTest::keyClick(box, Qt::Key_Backspace);
  QTest::keyClicks(box, text);
}
} // namespace

class VeltoMainFormTest : public QObject {
  Q_OBJECT
private slots:
  void init();
  void cleanup();
  void loadsTheProtocolWithTheConfiguredFont();
  void unreadableFilesAreReportedAndTheWindowStillOpens();
  void fontNameGoesToTheSelectionOrTheWholeText();
  void fontSizeRefusesSizesOutOfRange();
  void missingFontKeepsItsNameInTheSettingsFile();
  void pageSetUpTakesTheMarginsOnOkOnly();
  void barsOfferNoMenuThatHidesTheToolBar();

private:
  QString WriteDocument(const QByteArray &bytes);
  QTemporaryDir dir_;
};

void VeltoMainFormTest::init() {
  QFile::remove(TestSettingsPath());
}
void VeltoMainFormTest::cleanup() {
  QFile::remove(TestSettingsPath());
}

QString VeltoMainFormTest::WriteDocument(const QByteArray &bytes) {
  const QString path = dir_.filePath("protokoll eins.txt");
  if (!WriteBytes(path, bytes))
    qFatal("cannot write the test document");
  return path;
}

void VeltoMainFormTest::loadsTheProtocolWithTheConfiguredFont() {
  QVERIFY(WriteBytes(TestSettingsPath(), "DejaVu Sans Mono\r\n14\r\n1\r\n2\r\n3\r\n4\r\n"));
  const QString document = WriteDocument("W\xe4rme \x80 10\r\n\r\nZeile 3\r\n");
  DialogRecorder recorder;
  VeltoWindows windows(document.toStdString());
  TMainForm &form = *windows.form;

  QCOMPARE(form.RichEdit1->toPlainText(), QString::fromUtf8("Wärme € 10\n\nZeile 3"));
  QCOMPARE(form.FontName->currentText(), QString("DejaVu Sans Mono"));
  QVERIFY(form.FontName->currentIndex() >= 0);
  QCOMPARE(form.FontSize->value(), 14);
  for (int position : {0, 5, 13, 18}) {
    QCOMPARE(FamilyAt(form.RichEdit1, position), QString("DejaVu Sans Mono"));
    QCOMPARE(FormatAt(form.RichEdit1, position).fontPointSize(), 14.0);
  }
  // The empty line takes the size too.
  QCOMPARE(form.RichEdit1->document()->findBlockByNumber(1).charFormat().fontPointSize(), 14.0);
  QVERIFY(!form.RichEdit1->textCursor().hasSelection());
  QCOMPARE(form.RichEdit1->textCursor().position(), 0);
  QCOMPARE(PageMargins, (std::array<int, 4>{1, 2, 3, 4}));
  QVERIFY(recorder.requests.empty());
  QVERIFY(form.FontName->count() > 1);
  QStringList faces;
  for (int i = 0; i < form.FontName->count(); ++i)
    faces << form.FontName->itemText(i);
  QStringList sorted = faces;
  sorted.sort(Qt::CaseInsensitive);
  QCOMPARE(faces, sorted);
}

void VeltoMainFormTest::unreadableFilesAreReportedAndTheWindowStillOpens() {
  QVERIFY(WriteBytes(TestSettingsPath(), "DejaVu Serif\nneun\n7\n"));
  const std::string missing = dir_.filePath("kein protokoll.txt").toStdString();
  DialogRecorder recorder;
  VeltoWindows windows(missing);
  TMainForm &form = *windows.form;

  const std::vector<std::string> messages = recorder.Messages();
  QCOMPARE(messages.size(), std::size_t(2));
  QVERIFY(messages[0].find("Line 2 of the settings file") == 0);
  QVERIFY(messages[1].find("\"" + missing + "\"") != std::string::npos);
  QVERIFY(form.FontName->count() > 1);
  QCOMPARE(form.FontName->currentText(), QString("DejaVu Serif"));
  QCOMPARE(form.FontSize->value(), 9);
  QCOMPARE(PageMargins, (std::array<int, 4>{7, 5, 5, 5}));
  QCOMPARE(form.RichEdit1->currentCharFormat().fontPointSize(), 9.0);

  // A folder cannot be read as a document either.
  DialogRecorder second;
  VeltoWindows folder(dir_.path().toStdString());
  QCOMPARE(second.Messages().size(), std::size_t(2));
  QVERIFY(folder.form->RichEdit1->toPlainText().isEmpty());
}

void VeltoMainFormTest::fontNameGoesToTheSelectionOrTheWholeText() {
  VeltoWindows windows(WriteDocument("eins zwei drei\nvier").toStdString());
  TMainForm &form = *windows.form;
  // "zwei", then "drei": the second choice is the name the box already shows.
  for (const int from : {5, 10}) {
    QTextCursor cursor = form.RichEdit1->textCursor();
    cursor.setPosition(from);
    cursor.setPosition(from + 4, QTextCursor::KeepAnchor);
    form.RichEdit1->setTextCursor(cursor);
    ChooseFont(form.FontName, "DejaVu Serif");
    QCOMPARE(FamilyAt(form.RichEdit1, from - 1), QString("Courier New"));
    QCOMPARE(FamilyAt(form.RichEdit1, from), QString("DejaVu Serif"));
    QCOMPARE(FamilyAt(form.RichEdit1, from + 3), QString("DejaVu Serif"));
  }
  QCOMPARE(ReadBytes(TestSettingsPath()), QByteArray("DejaVu Serif\n9\n5\n5\n5\n5\n"));

  form.RichEdit1->moveCursor(QTextCursor::End);
  ChooseFont(form.FontName, "DejaVu Sans");
  for (int position : {0, 6, 16})
    QCOMPARE(FamilyAt(form.RichEdit1, position), QString("DejaVu Sans"));

  // Text that names no entry changes nothing.
  form.FontName->setEditText("Keine Schrift");
  QTest::keyClick(form.FontName, Qt::Key_Return);
  QCOMPARE(FamilyAt(form.RichEdit1, 0), QString("DejaVu Sans"));
  QCOMPARE(ReadBytes(TestSettingsPath()), QByteArray("DejaVu Sans\n9\n5\n5\n5\n5\n"));
  // A typed name of an entry selects it.
  form.FontName->lineEdit()->selectAll();
  QTest::keyClicks(form.FontName->lineEdit(), "DejaVu Serif");
  QTest::keyClick(form.FontName->lineEdit(), Qt::Key_Return);
  QCOMPARE(FamilyAt(form.RichEdit1, 0), QString("DejaVu Serif"));
  QCOMPARE(ReadBytes(TestSettingsPath()), QByteArray("DejaVu Serif\n9\n5\n5\n5\n5\n"));
}

void VeltoMainFormTest::fontSizeRefusesSizesOutOfRange() {
  DialogRecorder recorder;
  VeltoWindows windows(WriteDocument("Zeile").toStdString());
  TMainForm &form = *windows.form;
  form.show();
  QVERIFY(QTest::qWaitForWindowExposed(&form));

  TypeSize(form.FontSize, "2000");
  QCOMPARE(recorder.Messages(), std::vector<std::string>{kSizeMessage});
  QCOMPARE(form.FontSize->text(), QString("1638"));
  QCOMPARE(FormatAt(form.RichEdit1, 2).fontPointSize(), 1638.0);
  QCOMPARE(ReadBytes(TestSettingsPath()), QByteArray("Courier New\n1638\n5\n5\n5\n5\n"));

  TypeSize(form.FontSize, "-5");
  QCOMPARE(recorder.Messages().size(), std::size_t(2));
  QCOMPARE(form.FontSize->text(), QString("1"));
  QCOMPARE(FormatAt(form.RichEdit1, 2).fontPointSize(), 1.0);

  // 0 and an empty box change nothing.
  TypeSize(form.FontSize, "0");
  TypeSize(form.FontSize, "");
  QCOMPARE(FormatAt(form.RichEdit1, 2).fontPointSize(), 1.0);
  QCOMPARE(ReadBytes(TestSettingsPath()), QByteArray("Courier New\n1\n5\n5\n5\n5\n"));
  QCOMPARE(recorder.Messages().size(), std::size_t(2));

  // The arrows stay within 0 to 100.
  form.FontSize->setValue(98);
  form.FontSize->stepBy(5);
  QCOMPARE(form.FontSize->value(), 100);
  QCOMPARE(FormatAt(form.RichEdit1, 2).fontPointSize(), 100.0);
}

void VeltoMainFormTest::missingFontKeepsItsNameInTheSettingsFile() {
  QVERIFY(!QFontDatabase::families().contains("Courier New"));
  QVERIFY(WriteBytes(TestSettingsPath(), "Courier New\n11\n5\n6\n7\n8\n"));
  VeltoWindows windows(WriteDocument("Zeile").toStdString());
  TMainForm &form = *windows.form;
  QCOMPARE(form.FontName->currentIndex(), -1);
  QCOMPARE(form.FontName->currentText(), QString("Font Name"));
  QCOMPARE(FamilyAt(form.RichEdit1, 0), QString("Courier New"));

  form.FontSize->setValue(12);
  QCOMPARE(ReadBytes(TestSettingsPath()), QByteArray("Courier New\n12\n5\n6\n7\n8\n"));
}

void VeltoMainFormTest::pageSetUpTakesTheMarginsOnOkOnly() {
  QVERIFY(WriteBytes(TestSettingsPath(), "DejaVu Sans\n10\n11\n12\n13\n14\n"));
  VeltoWindows windows("");
  TSiteDialog &site = *windows.site;
  std::array<int, 4> shown{};
  QTimer::singleShot(0, &site, [&] {
    shown = {site.EditLeft->value(), site.EditRight->value(), site.EditTop->value(),
             site.EditBottom->value()};
    site.EditLeft->setValue(40);
    site.Button2->click();
  });
  windows.form->Seiteeinrichten1->trigger();
  QCOMPARE(shown, (std::array<int, 4>{11, 12, 13, 14}));
  QCOMPARE(PageMargins, (std::array<int, 4>{11, 12, 13, 14}));
  QCOMPARE(ReadBytes(TestSettingsPath()), QByteArray("DejaVu Sans\n10\n11\n12\n13\n14\n"));
  QVERIFY(QFile::remove(TestSettingsPath()));

  QTimer::singleShot(0, &site, [&] {
    site.EditLeft->setValue(21);
    site.EditRight->setValue(22);
    site.EditTop->setValue(23);
    site.EditBottom->setValue(24);
    site.Button1->click();
  });
  windows.form->Seiteeinrichten1->trigger();
  QCOMPARE(PageMargins, (std::array<int, 4>{21, 22, 23, 24}));
  QCOMPARE(ReadBytes(TestSettingsPath()), QByteArray("DejaVu Sans\n10\n21\n22\n23\n24\n"));
}

// Hiding the tool bar would lose the font boxes with no way back.
void VeltoMainFormTest::barsOfferNoMenuThatHidesTheToolBar() {
  VeltoWindows windows("");
  windows.form->show();
  QVERIFY(!BarMenuOpens(windows.form->ToolBar1));
  QVERIFY(!BarMenuOpens(windows.form->menuBar()));
  QVERIFY(windows.form->ToolBar1->isVisible());
}

QTEST_MAIN(VeltoMainFormTest)
#include "velto_mainform_test.moc"
