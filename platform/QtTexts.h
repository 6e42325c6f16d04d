#pragma once
// Qt's own texts in German.  Both programs speak German, but the standard
// buttons of a message box ("Yes", "No", "Cancel"), the file and print
// dialogs and the names of shortcut keys are Qt's texts and stay English
// unless Qt's translation of them is loaded.
#include <QLibraryInfo>
#include <QString>

class QCoreApplication;

// Loads Qt's German translation (qtbase_de) from folder, Qt's translations
// folder by default, and installs it for application, whatever the user's
// locale.  Returns false, with nothing changed and nothing reported, when the
// file is not there: the texts then stay English.
bool InstallGermanQtTexts(QCoreApplication &application, const QString &folder = QLibraryInfo::path(
                                                             QLibraryInfo::TranslationsPath));
