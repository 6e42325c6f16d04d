// The graph windows of the frame: "Grafik" and the result-view popup.
#include "app/MainForm.h"

#include "graphics/widgets/TGraphForm.h"

#include <QAction>
#include <QMenu>

TGraphForm *TMainForm::NewGraphWindow(int tab) {
  return new TGraphForm(MdiArea, tab);
}

void TMainForm::Grafik1Click() {
  NewGraphWindow();
}

// A new window shows the view at the item's position in the popup, fitted
// to that view's drawing.
void TMainForm::ResultViewClick(QAction *item) {
  NewGraphWindow(static_cast<int>(PopupMenu1->actions().indexOf(item)));
}
