#pragma once
// The structural system in a graph window's display list: beams with their
// numbers, running-coordinate lines, springs and cross-section labels, the
// hinges, the supports and the nodes.  Sizes are fractions L x setting of
// the reference length L; the settings are read at every call, so a changed
// setting shows at the next rebuild.  Only rows in use are drawn, in row
// order; numbers shown are 1-based row numbers.
#include "graphics/core/GraphWindow.h"

// Beams (valid ones only), with beam numbers and running-coordinate lines
// (layer 8), springs of an elastic bedding and cross-section labels
// (layer 9); a beam whose cross-section row is not in use gets neither.
void DrawBeams(const GraphWindow &window, float L, PaintContainer &display, LayerBits layers);
// White blanks under every hinge first, then the symbols and the hinge
// numbers (layer 5).  A hinge whose beam is not in use or not valid draws
// nothing; a kind other than 0 to 2 draws only its number.
void DrawHinges(const GraphWindow &window, float L, PaintContainer &display, LayerBits layers);
// The support symbols of every node with a support condition.
void DrawSupports(const GraphWindow &window, float L, PaintContainer &display);
// Node squares and node numbers (layer 1).
void DrawNodes(const GraphWindow &window, float L, PaintContainer &display, LayerBits layers);

// Half the extent of a hinge symbol of kind along its beam, as a fraction
// of the beam length ell: 1.5 (kind 0) or 0.5 (kinds 1, 2) x L x hinge size
// / ell, 0 for another kind; 0.5 for a beam of length 0, so the symbol sits
// at mid-span.
double HingeSymbolExtent(double ell, double L, int kind);
// x kept at least the extent from both ends; when the symbol is longer than
// the beam, 1 - extent.
double ClampHingePosition(double ell, double L, int kind, double x);
