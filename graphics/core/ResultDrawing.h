#pragma once
// The analysis results in a graph window's display list: the internal-force
// diagram of the current tab, the labels at diagram ordinates (the load
// diagrams use them too), the deformed shape with its node and hinge
// labels, the support reactions and the determinant plot of a buckling
// analysis.  They read the global analysis context; sizes are L x setting,
// texts further x the window's TextScale.  The window calls them only while
// results are present.
#include "graphics/core/GraphWindow.h"

// Label flags of DrawResultDiagram.
constexpr int kEndLabels = 8;
constexpr int kExtremumLabels = 64;

// The diagram of the tab's entry over every beam in use; nothing for an
// entry of component 0 (structure, deformed shape, a tab outside the table).
void DrawCurrentDiagram(const GraphWindow &window, double L, PaintContainer &display,
                        LayerBits layers, int tabIndex);
// The diagram of component over one beam (0-based row) with ordinates
// factor x value: blue where the value is positive, else red.  maximum is
// the largest value over all elements, the base of the label threshold.
void DrawResultDiagram(int beamRow, double textScale, int component, double L, double factor,
                       double maximum, PaintContainer &display, double lineWidth, int labelFlags);
// The value label of the ordinate from the axis point B to the diagram
// point P, along the ordinate and centred on it; above it (notLast) or
// below it.  Nothing when |value| < eps x 1e-5.
void DrawDiagramLabel(int beamRow, double textScale, PaintContainer &display, double L, double eps,
                      TColor colour, Point2D P, Point2D B, double value, int notLast, int absolute);
// The deformed shape, scaled so that the largest displacement is
// DisplacementScale x setting x L long, with the displacements of nodes and
// hinge sides as labels (layer 13).
void DrawDeformedShape(const GraphWindow &window, double L, PaintContainer &display,
                       LayerBits layers);
// Force arrows and moment arcs of the support reactions, labelled when
// layer 13 is set.
void DrawReactions(const GraphWindow &window, double L, PaintContainer &display, LayerBits layers);
// The determinant over the load factor in a world of its own (a 500 x 500
// square); fits the window's ViewBox to it.  Without points, or with one
// load factor or one determinant value only, nothing is drawn and the view
// stays.
void DrawDeterminantPlot(GraphWindow &window, PaintContainer &display);
