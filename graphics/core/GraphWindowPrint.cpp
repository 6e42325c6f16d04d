// A graph window's part in the graphics printout: it numbers itself when
// the main window counts and draws into its tile when asked.
#include "graphics/core/GraphOutput.h"
#include "graphics/core/GraphWindow.h"

void GraphWindow::CountPrint(int &counter) {
  if (NoPrint != 0)
    return;
  PrintIndex = counter;
  ++counter;
}

void GraphWindow::PrintTile(int tile, TCanvas &canvas, double aspect, const Box2D &shown) const {
  if (NoPrint == 0 && tile == PrintIndex)
    ::PrintTile(canvas, aspect, CurrentTabName(), Display, shown);
}
