// Velto: shows one text protocol, lets the user pick its font and page
// margins, and prints it.  The command tail names the file.
#include "editor/CommandTail.h"
#include "editor/MainForm.h"
#include "editor/SiteDialog.h"
#include "editor/VeltoGlobals.h"
#include "platform/QtTexts.h"

#include <QApplication>
#include <clocale>

int main(int argc, char **argv) {
  FileName = CommandTail(argc, argv);
  QApplication application(argc, argv);
  // Numbers in the settings file never take the user's decimal comma.
  std::setlocale(LC_NUMERIC, "C");
  InstallGermanQtTexts(application);
  TMainForm mainForm;
  TSiteDialog siteDialog(&mainForm);
  MainForm = &mainForm;
  SiteDialog = &siteDialog;
  MainForm->show();
  return application.exec();
}
