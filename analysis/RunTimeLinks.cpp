#include "analysis/RunTimeLinks.h"

#include "model/LoadLists.h"
#include "model/SystemTables.h"

void ClearRunTimeLinks() {
  for (int i = 0; i < Nodes.Count(); ++i)
    Nodes.At(i).modelNode = -1;
  for (int i = 0; i < Beams.Count(); ++i)
    Beams.At(i).firstElement = -1;
  for (int i = 0; i < Hinges.Count(); ++i) {
    Hinges.At(i).leftNode = -1;
    Hinges.At(i).rightNode = -1;
  }
  for (int i = 0; i < PointLoads.Count(); ++i)
    PointLoads.At(i).modelNode = -1;
}
