#include "platform/QtTexts.h"

#include <QCoreApplication>
#include <QTranslator>

bool InstallGermanQtTexts(QCoreApplication &application, const QString &folder) {
  auto *translator = new QTranslator(&application);
  if (!translator->load("qtbase_de", folder)) {
    delete translator;
    return false;
  }
  return QCoreApplication::installTranslator(translator);
}
