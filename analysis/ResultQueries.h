#pragma once
// Read-only queries on the results of the last analysis: node values, the
// maxima that scale the drawings, the extremes of an internal force along a
// beam and the element that holds a position of a beam.
#include "model/Geometry2D.h"

#include <cstdint>

class SolElement;
class SolutionsCont;
struct BeamRecord;

// The links the model build wrote into the rows name entries of the model
// that is present; anything else (a row added since) has no results.
// True when e names a node entry of the model.
bool HasNodeEntry(std::int32_t e);
// True when the beam's first element is an element of the model (the beam
// took part in the analysis).
bool HasElements(const BeamRecord &beam);

// Value of DOF component k (0 x, 1 z, 2 rotation) of node entry e.
double NodeDofValue(std::int32_t e, int k);
// (x, z) displacement of node entry e.
Point2D NodeDisplacement(std::int32_t e);
// Position of node entry e plus scale times its displacement.
Point2D DisplacedNodePosition(std::int32_t e, double scale);

// Largest length of DisplacementAt at x = 0, 0.25, 0.5, 0.75, 1.
double MaxElementDisplacement(const SolElement &element);
double MaxDisplacement(const SolutionsCont &context);
// Largest |InternalForceAt| at x = 0, 0.25, 0.5, 0.75, 1.
double MaxElementInternalForce(const SolElement &element, int kind);
double MaxInternalForce(const SolutionsCont &context, int kind);
// Largest length of a node entry's reaction force, largest reaction moment.
double MaxReactionForce(const SolutionsCont &context);
double MaxReactionMoment(const SolutionsCont &context);

// Where an internal force is largest and smallest along a beam, sampled at
// 101 points of each element in chain order (the first point that reaches
// an extreme keeps it).  Positions are relative positions on the beam.
struct BeamExtreme {
  double position = 0.0;
  double value = 0.0;
  const SolElement *element = nullptr;
  double localPosition = 0.0; // position inside the element
};
struct BeamExtremesResult {
  BeamExtreme max;
  BeamExtreme min;
};
// beamRow is the 0-based row of the beams table.
BeamExtremesResult BeamExtremes(int beamRow, int kind);
// The protocol's rows of "Max" and "Min" values of force kinds[c] along the
// beam, with the other n - 1 kinds at the same places.
void BeamExtremesWithCompanions(int beamRow, double &maxPosition, double &minPosition,
                                double *maxRow, double *minRow, int c, int n, const int *kinds);
// The first element of the beam's chain whose stretch holds x; raises
// "Schale nicht gefunden" when none does.
const SolElement &FindSegment(int beamRow, double x);
