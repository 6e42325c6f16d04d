#include "app/Application.h"

#include "platform/QtTexts.h"

#include <QApplication>
#include <clocale>

void PrepareApplication(QApplication &application) {
  std::setlocale(LC_NUMERIC, "C");
  application.setApplicationName("Kelmor");
  InstallGermanQtTexts(application);
  // The status window may still be open when the frame window closes.
  application.setQuitOnLastWindowClosed(false);
}

AutoCreatedForms::AutoCreatedForms() {
  QObject::connect(&mainForm, &TMainForm::FormClosed, qApp, &QCoreApplication::quit);
}
