// The "&Berechnen" menu: the three analyses on the one analysis context.
// They run inside the handler, on what the input grids show (not while a
// grid refuses its text); the graph windows rebuild afterwards.
#include "analysis/Drivers.h"
#include "analysis/Solutions.h"
#include "app/MainForm.h"

void TMainForm::ThIOrdnung1Click() {
  if (!CommitInputEdits())
    return;
  KillResultsEditor();
  RunFirstOrder(Solutions);
  NotifyChildren(0);
}

void TMainForm::ThIIOrdnung1Click() {
  if (!CommitInputEdits())
    return;
  KillResultsEditor();
  RunSecondOrder(Solutions);
  NotifyChildren(0);
}

// The buckling analysis tells the child windows itself when it ends.  Its
// results replace those the results editor shows, so that editor goes too.
void TMainForm::Knickuntersuchung1Click() {
  if (!CommitInputEdits())
    return;
  KillResultsEditor();
  RunBuckling(Solutions);
}
