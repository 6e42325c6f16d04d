#pragma once
// Results along one element at the relative position x (0 at end 0, 1 at
// end 1) after a solve: displacements in global axes and internal forces.
// Each value is a homogeneous part fixed by the end results plus a
// particular part from the loads on the element, in first- or second-order
// form.  They read the element's AlongBeamTerms, which the solve writes.
#include "model/Geometry2D.h"

class SolElement;

// Internal-force kinds; any other kind yields 0.
constexpr int kNormalForce = 1;     // N, or S in second-order results
constexpr int kShearForce = 2;      // Q
constexpr int kTransverseForce = 3; // R, across the undeformed axis
constexpr int kBendingMoment = 4;   // M, positive with tension on the +z side

// Writes the element's AlongBeamTerms from its geometry, its loads and the
// analysis flags; every solve calls it for each element with the end forces.
void PrepareValuesAlongBeam(SolElement &element);

double HomogeneousForceAt(const SolElement &element, double x, int kind);
double ParticularForceAt(const SolElement &element, double x, int kind);
double InternalForceAt(const SolElement &element, double x, int kind);
// InternalForceAt at the 101 points x = step * 0.01, step = 0 .. 100, into
// values[step]: the same values, without a call per point.
void InternalForceAtHundredths(const SolElement &element, int kind, double *values);

// Displacement from the end displacements and the end moments.
Point2D EndDisplacementPart(const SolElement &element, double x);
// Displacement from the loads on the element, relative to the chord.
Point2D LoadDisplacementPart(const SolElement &element, double x);
// The sum of both; a buckling shape has no load part.
Point2D DisplacementAt(const SolElement &element, double x);
// The point at x on the chord plus scale times the displacement there.
Point2D DisplacedPointAt(const SolElement &element, double x, double scale);
