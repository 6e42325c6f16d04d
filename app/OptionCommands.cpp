// The commands of the settings menu and the information box: the option
// dialogs are modal, the settings tree window is not.
#include "app/AboutBox.h"
#include "app/DruckerForm.h"
#include "app/MainForm.h"
#include "app/OptionenForm.h"
#include "graphics/widgets/TreeForm.h"

void TMainForm::Berechnungsoptionen1Click() {
  OptionenForm->exec();
}

// The editor and the margins change only when the dialog ends with "Ok";
// they reach the settings file when the program closes.
void TMainForm::DruckerundAusgabeeditor1Click() {
  DruckerForm->ShowSettings();
  if (DruckerForm->exec() == QDialog::Accepted)
    DruckerForm->TakeSettings();
}

void TMainForm::Konfiguration1Click() {
  TreeForm->show();
  TreeForm->raise();
  TreeForm->activateWindow();
}

void TMainForm::HelpAboutItemClick() {
  AboutBox->exec();
}
