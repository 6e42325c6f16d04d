#pragma once
// What an element of the analysis model reads about itself: the positions of
// its end node entries, its angle, its beam and the beam's cross-section
// type.
#include "model/Geometry2D.h"
#include "model/SystemTables.h"

class SolElement;

// Position (x, z) of end 0 (side 0) or end 1 (side 1).
Point2D ElementEnd(const SolElement &element, int side);
// Angle of the vector from end 0 to end 1 (VecAngle), in radians.
double ElementAngle(const SolElement &element);
const BeamRecord &ElementBeam(const SolElement &element);
const MatRecord &ElementMaterial(const SolElement &element);
