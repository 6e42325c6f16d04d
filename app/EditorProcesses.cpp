// The editors that show the text protocols.  No protocol command starts one
// yet, so there is no editor process to end; the model changes, the analyses
// and the close already call these where an editor must go.
#include "app/MainForm.h"

void TMainForm::KillEditors() {
  KillResultsEditor();
}

void TMainForm::KillResultsEditor() {}
