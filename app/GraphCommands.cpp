// The graph windows of the frame: "Grafik" and the result-view popup.
#include "app/MainForm.h"

#include "graphics/widgets/TGraphForm.h"

#include <QAction>
#include <QMenu>

TGraphForm *TMainForm::NewGraphWindow() {
  return new TGraphForm(MdiArea);
}

void TMainForm::Grafik1Click() {
  NewGraphWindow();
}

// A new window shows the view at the item's position in the popup.
void TMainForm::ResultViewClick(QAction *item) {
  const int index = static_cast<int>(PopupMenu1->actions().indexOf(item));
  TGraphForm *window = NewGraphWindow();
  if (!window->State().SelectTab(index))
    return;
  window->TabControl2Change();
}
