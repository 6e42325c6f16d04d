#pragma once
// Builds the finite-element model of the analysis context from the tables:
// node entries of the connected nodes, constraints of their supports, the
// elements of every beam (divided at hinges, point loads, edges of partial
// beam loads, and at mid-length for a buckling analysis) and the couplings
// at the hinges.  Writes the run-time links into the input rows.
#include <cstdint>

class DivContainer;
class ModelIndex;
class SolutionsCont;

// mode: the analysis mode, 1, 2 or 8.
void BuildModel(SolutionsCont &context, std::int32_t mode);
// The division places of beam number beam (1-based), sorted, with every
// hinge place doubled.
void DivideBeam(int beam, DivContainer &points, std::int32_t mode, const ModelIndex &index);
