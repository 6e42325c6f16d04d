#pragma once
// The forces of the load case in a graph window's display list, drawn when
// the loads layer (7) is set: distributed loads as load diagrams, node and
// point loads as force arrows and moment arcs, hinge loads as arrow pairs
// beside the hinge symbol or curved arrows at a moment hinge.  The largest
// distributed load, the largest force and the largest moment of the whole
// load case each get a fixed size, which the window's load scales change.
// Only rows in use are drawn, in row order, on nodes in use and on valid
// beams in use; value labels need layer 13 unless said otherwise.
#include "graphics/core/GraphWindow.h"

// The three scales from the maxima of the load case, then the distributed,
// node, point and hinge loads (kind 0).  A load case whose maxima are all 0
// draws nothing.
void DrawLoads(const GraphWindow &window, double L, PaintContainer &display, LayerBits layers);
// Every distributed load with scale sq (world length per load unit).
void DrawBeamLoads(const GraphWindow &window, double L, double sq, PaintContainer &display,
                   LayerBits layers);
// Node loads with force scale sF and moment scale sM (radians per unit).
void DrawNodeLoads(const GraphWindow &window, double L, double sF, double sM,
                   PaintContainer &display, LayerBits layers);
void DrawPointLoads(const GraphWindow &window, double L, double sF, double sM,
                    PaintContainer &display, LayerBits layers);
// The nonzero hinge-load rows of kind (kHingeLoad or kHingeDeformation)
// with arrow scale s.  A moment hinge's load is always labelled; a hinge
// of another kind than normal force, shear force or moment draws nothing.
void DrawHingeLoads(const GraphWindow &window, double L, double s, PaintContainer &display,
                    LayerBits layers, int kind);
