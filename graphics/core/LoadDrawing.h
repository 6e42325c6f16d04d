#pragma once
// The load case in a graph window's display list: distributed, node, point
// and hinge loads, then imposed displacements, temperature loads and
// pre-deformations, drawn when the loads layer (7) is set.
#include "graphics/core/GraphWindow.h"

// Every load of the load case, in the order above.  The load drawings are
// not part of the program yet: the layer draws nothing so far.
void DrawLoads(const GraphWindow &window, double L, PaintContainer &display, LayerBits layers);
