// Takes pictures of the settings and option dialogs and of the help window
// for the documentation: each window is shown as a user meets it and saved
// as a PNG file into the folder named by the first argument.  Run it on a
// real display or on Xvfb, so that fonts and styles are the desktop's:
//   xvfb-run -a -s "-screen 0 1280x1024x24" build/bin/dialog_screenshots docs
#include "app/Application.h"
#include "graphics/core/Settings.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QTextBrowser>
#include <QTreeWidget>
#include <QtTest>
#include <cstdio>

namespace {

bool Save(QWidget &dialog, const QString &folder, const char *name) {
  dialog.show();
  if (!QTest::qWaitForWindowExposed(&dialog))
    return false;
  QTest::qWait(200);
  const bool saved = dialog.grab().save(folder + "/" + name);
  dialog.hide();
  std::printf("%s/%s%s\n", qPrintable(folder), name, saved ? "" : ": not written");
  return saved;
}

// Opens the path of captions below the root and selects its last item.
void ExpandPath(QTreeWidget &tree, const QStringList &path) {
  QTreeWidgetItem *item = tree.topLevelItem(0);
  item->setExpanded(true);
  for (const QString &caption : path)
    for (int i = 0; i < item->childCount(); ++i)
      if (item->child(i)->text(0) == caption) {
        item = item->child(i);
        item->setExpanded(true);
        break;
      }
  tree.setCurrentItem(item);
}

// The help page beside the program (build/bin/Kelmor.html) in the program's
// own window, as "Hilfe / Inhalt" shows it on a machine without a desktop
// browser: no opener on the path.  The menu opens the page named after the
// running program, so the page is lent to this tool under its name.
bool SaveHelpWindow(TMainForm &form, const QString &folder) {
  const QString page = QString::fromStdString(form.HelpFileName());
  QFile::remove(page);
  if (!QFile::copy(QCoreApplication::applicationDirPath() + "/Kelmor.html", page))
    return false;
  const QByteArray path = qgetenv("PATH");
  qputenv("PATH", "/nonexistent");
  form.Inhalt1->trigger();
  qputenv("PATH", path);
  auto *help = form.findChild<QTextBrowser *>("HelpWindow");
  const bool saved = help != nullptr && Save(*help, folder, "help-window.png");
  QFile::remove(page);
  return saved;
}

} // namespace

int main(int argc, char **argv) {
  const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs");
  // The program would take an argument for a batch file to run.
  int programArgc = 1;
  QApplication application(programArgc, argv);
  PrepareApplication(application);
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  AutoCreatedForms forms;
  ExpandPath(*forms.treeForm.TreeView1,
             {"Grafikeinstellung", "Geometrie", "Knoten", "Liniendicke"});
  forms.valueEditForm.EditReal(Grafikeinstellung.Geometrie.Knoten.Liniendicke,
                               Grafikeinstellung.Geometrie.Knoten.Liniendicke);
  forms.druckerForm.ShowSettings();
  bool saved = Save(forms.treeForm, folder, "konfiguration.png");
  saved &= Save(forms.valueEditForm, folder, "wertaenderung.png");
  saved &= Save(forms.optionenForm, folder, "berechnungsoptionen.png");
  saved &= Save(forms.druckerForm, folder, "editor-und-seitenraender.png");
  saved &= Save(forms.aboutBox, folder, "info.png");
  saved &= SaveHelpWindow(forms.mainForm, folder);
  return saved ? 0 : 1;
}
