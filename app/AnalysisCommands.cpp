// The "&Berechnen" menu: the three analyses on the one analysis context.
// They run inside the handler; the graph windows rebuild afterwards.
#include "analysis/Drivers.h"
#include "analysis/Solutions.h"
#include "app/MainForm.h"

void TMainForm::ThIOrdnung1Click() {
  KillResultsEditor();
  RunFirstOrder(Solutions);
  NotifyChildren(0);
}

void TMainForm::ThIIOrdnung1Click() {
  KillResultsEditor();
  RunSecondOrder(Solutions);
  NotifyChildren(0);
}

// The buckling analysis tells the child windows itself when it ends.
void TMainForm::Knickuntersuchung1Click() {
  RunBuckling(Solutions);
}
