#pragma once
// Loads acting along one element: the intensities of the distributed beam
// loads at its ends and its equivalent nodal loads (fixed-end forces) from
// beam loads, temperature loads and pre-deformations.
#include <cstdint>

class Matrix;
class SolElement;

// Axial (pa, pb) and transverse (qa, qb) intensities at the element's start
// and end, summed over the beam-load rows whose stretch holds the element's
// mid point.  Rows of a stretch of zero length load nothing.  Returns 1 when
// any of the four is nonzero.
int BeamLoadSums(const SolElement &element, double &pa, double &pb, double &qa, double &qb);

// Adds the element's equivalent nodal loads in global axes to out (6 x 1).
// Pre-deformations act only when flags hold kSecondOrder.
void FixedEndForces(const SolElement &element, Matrix &out, std::int32_t flags);
