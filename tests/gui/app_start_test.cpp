// The program start under a German user locale: the application object
// takes the locale from the environment, and the preparation must give the
// C library its decimal point back before any file is touched.
#include "app/Application.h"
#include "model/SystemTables.h"
#include "tests/support/DialogRecorder.h"
#include "tests/support/ModelTables.h"
#include "tests/support/TempFolder.h"

#include <QTimer>
#include <QtTest>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <string>

class AppStartTest : public QObject {
  Q_OBJECT
private slots:
  void cleanup();
  void numbersUseThePointButTextKeepsTheUserLocale();
  void formsAreMadeHiddenAndTheFrameWindowEndsTheProgram();
};

// The frame window writes its settings beside the program when it goes.
void AppStartTest::cleanup() {
  std::remove(SettingsFileName.c_str());
}

void AppStartTest::numbersUseThePointButTextKeepsTheUserLocale() {
  char text[32];
  std::snprintf(text, sizeof text, "%.2f", 1.5);
  QCOMPARE(std::string(text), std::string("1.50"));
  QCOMPARE(std::atof("2.75"), 2.75);
  QVERIFY(std::string(std::setlocale(LC_CTYPE, nullptr)).find("de_DE") != std::string::npos);

  // A system saved and read again after the start keeps its values.
  ClearModelTables();
  AutoCreatedForms forms;
  const double x = 2.125;
  Nodes.SetRowState(0, 0, 1);
  Nodes.SetCellValue(0, 0, &x);
  TempFolder folder;
  const std::string file = folder.File("a.ssy");
  forms.mainForm.SetSystemName(file);
  QCOMPARE(forms.mainForm.SaveSystem(), 1);
  QCOMPARE(forms.mainForm.OpenSystemFile(file), 1);
  QCOMPARE(Nodes.At(0).x, 2.125);
  ClearModelTables();
  forms.mainForm.SetSystemChanged(0);
}

void AppStartTest::formsAreMadeHiddenAndTheFrameWindowEndsTheProgram() {
  AutoCreatedForms forms;
  QCOMPARE(MainForm, &forms.mainForm);
  QCOMPARE(SolForm, &forms.solForm);
  QVERIFY(forms.mainForm.isHidden() && forms.solForm.isHidden());

  // Closing the frame window ends the message loop, also while the status
  // window is still open.
  forms.mainForm.show();
  forms.solForm.show();
  QTimer::singleShot(0, &forms.mainForm, [&] { forms.mainForm.close(); });
  bool timedOut = false;
  QTimer::singleShot(5000, qApp, [&] {
    timedOut = true;
    QCoreApplication::exit(1);
  });
  QCOMPARE(QApplication::exec(), 0);
  QVERIFY(!timedOut);
}

int main(int argc, char **argv) {
  // The user's locale, as a German desktop session would set it.
  setenv("LC_ALL", "de_DE.UTF-8", 1);
  QApplication application(argc, argv);
  if (std::string(std::localeconv()->decimal_point) != ",") {
    std::fprintf(stderr, "the German locale is not in force; the test would prove nothing\n");
    return 1;
  }
  PrepareApplication(application);
  AppStartTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "app_start_test.moc"
