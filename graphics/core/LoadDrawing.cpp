#include "graphics/core/LoadDrawing.h"

// The window's layer and button for the loads exist already; the drawings
// of the loads come with the load input forms and go here.
void DrawLoads(const GraphWindow &, double, PaintContainer &, LayerBits) {}
