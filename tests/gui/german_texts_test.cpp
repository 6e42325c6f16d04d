// Qt's own texts (standard buttons, file dialog, key names) in German once
// the program has started, whatever the user's locale; English, and the
// program still working, when the translation file is missing.  The boxes
// and dialogs are the real ones, shown through the program's wrappers.
#include "app/Application.h"
#include "platform/FileDialogs.h"
#include "platform/MessageBox.h"
#include "platform/QtTexts.h"
#include "tests/support/TempFolder.h"

#include <QAbstractButton>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <algorithm>

namespace {

// Runs inspect on the modal window once it is up and then closes it with
// Esc, which cancels a box with a Cancel button and the file dialog.
template <typename Window, typename Inspect> void WhenShown(Inspect inspect) {
  QTimer::singleShot(0, [inspect] {
    auto *window = qobject_cast<Window *>(QApplication::activeModalWidget());
    if (!window) {
      qWarning("no modal window");
      return;
    }
    inspect(*window);
    QTest::keyClick(window, Qt::Key_Escape);
  });
}

// The save question as the program asks it: its button texts, sorted, and
// the answer.
std::pair<QStringList, MsgResult> AskSaveQuestion() {
  QStringList texts;
  WhenShown<QMessageBox>([&texts](QMessageBox &box) {
    for (QAbstractButton *button : box.buttons())
      texts << button->text();
  });
  const MsgResult answer = MessageBox("Geometrie erst speichern ?", "System geändert",
                                      MsgButtons::YesNoCancel, MsgIcon::Question);
  texts.sort();
  return {texts, answer};
}

QString LabelText(const QWidget &window, const char *name) {
  const auto *label = window.findChild<QLabel *>(name);
  return label ? label->text() : QString();
}

} // namespace

class GermanTextsTest : public QObject {
  Q_OBJECT
private slots:
  void withoutTheTranslationTheTextsStayEnglish();
  void standardButtonsAndDialogsAreGerman();
};

void GermanTextsTest::withoutTheTranslationTheTextsStayEnglish() {
  QTemporaryDir empty;
  QVERIFY(!InstallGermanQtTexts(*qApp, empty.path()));
  const auto [buttons, answer] = AskSaveQuestion();
  QCOMPARE(buttons, (QStringList{"&No", "&Yes", "Cancel"}));
  QCOMPARE(answer, MsgResult::Cancel);
}

void GermanTextsTest::standardButtonsAndDialogsAreGerman() {
  const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
  QVERIFY2(QFile::exists(folder + "/qtbase_de.qm"),
           "Qt's German translation is not installed (qt6-translations-l10n)");
  PrepareApplication(*qApp);
  const auto [buttons, answer] = AskSaveQuestion();
  QCOMPARE(buttons, (QStringList{"&Ja", "&Nein", "Abbrechen"}));
  QCOMPARE(answer, MsgResult::Cancel);

  QString lookIn, fileName;
  WhenShown<QFileDialog>([&](QFileDialog &dialog) {
    lookIn = LabelText(dialog, "lookInLabel");
    fileName = LabelText(dialog, "fileNameLabel");
  });
  QVERIFY(!SaveFileDialog({"System speichern", "Kelmor System|*.ssy;*.sys", "ssy", ""}));
  QCOMPARE(lookIn, QString("Suchen in:"));
  QCOMPARE(fileName, QString("Datei&name:"));
  // As the help page writes the shortcuts.
  QCOMPARE(QKeySequence(Qt::CTRL | Qt::Key_S).toString(QKeySequence::NativeText),
           QString("Strg+S"));
}

int main(int argc, char **argv) {
  // An English user: the program speaks German anyway.
  setenv("LC_ALL", "C", 1);
  setenv("LANGUAGE", "en", 1);
  unsetenv("KELMOR_MESSAGE_LOG");
  // The file dialog keeps its history in the user's Qt settings: here in a
  // folder of the test's own.
  const TempFolder settings;
  setenv("XDG_CONFIG_HOME", settings.File("").c_str(), 1);
  QApplication application(argc, argv);
  GermanTextsTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "german_texts_test.moc"
