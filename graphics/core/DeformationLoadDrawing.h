#pragma once
// The loads of the load case that are not forces, drawn after the forces
// when the loads layer (7) is set: imposed displacements and rotations of
// nodes with the imposed deformations of hinges, temperature loads as two
// coloured lines beside a beam, and pre-deformations as dashed sway
// triangles and bow parabolas.  Rows in use only, in row order, on nodes in
// use and valid beams in use; value labels need layer 13.
#include "graphics/core/GraphWindow.h"

// Imposed displacements share the deformed shape's scale: while results
// exist the largest computed displacement, otherwise the largest imposed
// one, is drawn DisplacementScale x deformation scale x L long (a largest
// value of 0 counts as 1).  Rotations sweep atan(rotation x scale), under a
// quarter circle.
void DrawImposedDisplacements(const GraphWindow &window, double L, PaintContainer &display,
                              LayerBits layers);
// The warmer side red, the colder blue; labels give the top and bottom
// temperatures.
void DrawTemperatureLoads(const GraphWindow &window, double L, PaintContainer &display,
                          LayerBits layers);
// The largest sway or bow ordinate is drawn "Größe" x L; nothing when all
// are 0.
void DrawPreDeformations(const GraphWindow &window, double L, PaintContainer &display,
                         LayerBits layers);
