#pragma once
// The global load vector and the element end forces.
#include <cstdint>

class Matrix;
class SolElement;
class SolutionsCont;

// Adds to F (one row per equation) the node loads and point loads (also
// taken off the reaction sums), the elements' fixed-end forces and the hinge
// loads of kind kHingeLoad.
void AssembleLoadVector(SolutionsCont &context, Matrix &F, std::int32_t flags);

// From the solved DOF values: the element's end forces in local axes (normal
// force, shear force, moment at end 0 and end 1, stored with the signs of
// the internal forces) and, unless flags hold kBuckling, its share of the
// reaction sums of its end nodes.
void ElementEndForces(SolElement &element, std::int32_t flags);
