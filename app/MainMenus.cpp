// The menus of the frame window.  Items whose windows are not part of the
// program yet are present and disabled.
#include "app/MainForm.h"

#include "platform/EventGuard.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace {

QMenu *AddMenu(QMenuBar *bar, const char *name, const char *caption, const char *hint = "") {
  QMenu *menu = bar->addMenu(QString::fromUtf8(caption));
  menu->setObjectName(name);
  menu->menuAction()->setObjectName(name);
  menu->menuAction()->setStatusTip(QString::fromUtf8(hint));
  return menu;
}

} // namespace

QAction *TMainForm::AddItem(QMenu *menu, const char *name, const char *caption, const char *hint,
                            const QKeySequence &key, void (TMainForm::*handler)()) {
  QAction *item = menu->addAction(QString::fromUtf8(caption));
  item->setObjectName(name);
  item->setStatusTip(QString::fromUtf8(hint));
  item->setShortcut(key);
  if (handler)
    connect(item, &QAction::triggered, this,
            [this, handler] { Guarded([this, handler] { (this->*handler)(); }); });
  else
    item->setEnabled(false);
  return item;
}

void TMainForm::CreateMenus() {
  menuBar()->setObjectName("MainMenu1");
  CreateFileMenu();
  CreateOtherMenus();
  CreateWindowMenu();
  QMenu *help = AddMenu(menuBar(), "Hilfe1", "&Hilfe", "Hilfethemen");
  Inhalt1 = AddItem(help, "Inhalt1", "Inhalt", "", {}, &TMainForm::Inhalt1Click);
  Suche1 = AddItem(help, "Suche1", "Suche", "", {}, &TMainForm::Suche1Click);
  help->addSeparator();
  HelpAboutItem = AddItem(help, "HelpAboutItem", "Inf&o", "", {}, &TMainForm::HelpAboutItemClick);
}

void TMainForm::CreateFileMenu() {
  QMenu *file = AddMenu(menuBar(), "File1", "&Datei", "Dateibefehle");
  FileNewItem =
      AddItem(file, "FileNewItem", "&Neu", "Neue Datei erzeugen", {}, &TMainForm::FileNewItemClick);
  file->addSeparator();
  Systemffnen1 =
      AddItem(file, "Systemffnen1", "System öffnen", "", Qt::Key_F3, &TMainForm::Systemffnen1Click);
  Belastungffnen1 = AddItem(file, "Belastungffnen1", "Belastung öffnen", "", Qt::Key_F4,
                            &TMainForm::Belastungffnen1Click);
  file->addSeparator();
  Speichern1 =
      AddItem(file, "Speichern1", "&Speichern...", "", Qt::Key_F2, &TMainForm::Speichern1Click);
  QMenu *saveAs = file->addMenu(QString::fromUtf8("Speichern unter"));
  saveAs->setObjectName("Speichernunter1");
  saveAs->menuAction()->setObjectName("Speichernunter1");
  System2 = AddItem(saveAs, "System2", "System", "", {}, &TMainForm::System2Click);
  Belstung1 = AddItem(saveAs, "Belstung1", "Belastung", "", {}, &TMainForm::Belstung1Click);
  file->addSeparator();
  Grafikdrucken1 =
      AddItem(file, "Grafikdrucken1", "Grafik &drucken", "", {}, &TMainForm::Grafikdrucken1Click);
  file->addSeparator();
  FileOpenItem = AddItem(file, "FileOpenItem", "&Beenden", "Existierende Datei öffnen", {},
                         &TMainForm::FileOpenItemClick);
}

void TMainForm::CreateOtherMenus() {
  QMenu *input = AddMenu(menuBar(), "Eingabe1", "&Eingabe");
  System1 = AddItem(input, "System1", "System", "", QKeySequence(Qt::CTRL | Qt::Key_S),
                    &TMainForm::System1Click);
  Belastung1 = AddItem(input, "Belastung1", "Belastung", "", QKeySequence(Qt::CTRL | Qt::Key_B),
                       &TMainForm::Belastung1Click);
  QMenu *solve = AddMenu(menuBar(), "Berechnen1", "&Berechnen");
  ThIOrdnung1 =
      AddItem(solve, "ThIOrdnung1", "Th.I.Ordnung", "", Qt::Key_F9, &TMainForm::ThIOrdnung1Click);
  ThIIOrdnung1 = AddItem(solve, "ThIIOrdnung1", "Th.II.Ordnung", "", Qt::Key_F10,
                         &TMainForm::ThIIOrdnung1Click);
  Knickuntersuchung1 = AddItem(solve, "Knickuntersuchung1", "Knickuntersuchung", "", Qt::Key_F8,
                               &TMainForm::Knickuntersuchung1Click);
  QMenu *show = AddMenu(menuBar(), "Zeigen1", "&Zeigen");
  Grafik1 = AddItem(show, "Grafik1", "Grafik", "", {}, &TMainForm::Grafik1Click);
  Eingabeprotocoll1 = AddItem(show, "Eingabeprotocoll1", "Eingabeprotokoll", "", {},
                              &TMainForm::Eingabeprotocoll1Click);
  Ergebnisse1 = AddItem(show, "Ergebnisse1", "Ergebnisse", "", {}, &TMainForm::Ergebnisse1Click);
  QMenu *settings = AddMenu(menuBar(), "Einstellung1", "Ein&stellung");
  Berechnungsoptionen1 = AddItem(settings, "Berechnungsoptionen1", "Berechnungsoptionen", "", {},
                                 &TMainForm::Berechnungsoptionen1Click);
  DruckerundAusgabeeditor1 =
      AddItem(settings, "DruckerundAusgabeeditor1", "Editor und Seitenränder", "", {},
              &TMainForm::DruckerundAusgabeeditor1Click);
  Konfiguration1 =
      AddItem(settings, "Konfiguration1", "Konfiguration", "", {}, &TMainForm::Konfiguration1Click);
}

void TMainForm::CreateWindowMenu() {
  WindowMenu = AddMenu(menuBar(), "WindowMenu", "&Fenster", "Befehle zum Anordnen von Fenstern");
  WindowCascadeItem =
      AddItem(WindowMenu, "WindowCascadeItem", "Ü&berlappend", "Fenster überlappend anordnen", {},
              &TMainForm::WindowCascadeItemClick);
  WindowTileItem =
      AddItem(WindowMenu, "WindowTileItem", "&Nebeneinander", "Fenster nicht überlappend anordnen",
              {}, &TMainForm::WindowTileItemClick);
  WindowArrangeItem = AddItem(WindowMenu, "WindowArrangeItem", "&Symbole anordnen",
                              "Fenstersymbole am unteren Rand des Hauptfensters anordnen", {},
                              &TMainForm::WindowArrangeItemClick);
  WindowMinimizeItem = AddItem(WindowMenu, "WindowMinimizeItem", "&Alle verkleinern",
                               "Alle Fenster verkleinern", {}, &TMainForm::WindowMinimizeItemClick);
  connect(WindowMenu, &QMenu::aboutToShow, this, [this] { WindowMenuAboutToShow(); });
}
