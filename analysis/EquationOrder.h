#pragma once
// Equation numbering that keeps the skyline profile of the stiffness matrix
// small, and the profile itself.
#include <cstdint>
#include <vector>

class SolutionsCont;
class SolElement;

// The node entries of the model in reverse Cuthill-McKee order over their
// couplings: two entries are coupled when an element's DOFs expand (through
// the DOF dependencies) into DOFs of both.  Needs the resolved DOF table;
// leaves its equations numbered in table order.
std::vector<std::int32_t> NodeEntryOrder(const SolutionsCont &context);
// The DOF order for FGTabCont::SetEquationOrder: the three DOFs of each node
// entry, the entries in NodeEntryOrder.
std::vector<std::int32_t> EquationOrder(const SolutionsCont &context);

// Raises the column heights of the equations the element couples:
// heights[b] = max(heights[b], b - a + 1) for every pair of equations a <= b
// that its DOFs expand into.  heights has one entry per equation.
void CouplingHeights(const SolElement &element, std::int32_t *heights);
// The number of values a skyline matrix of the model stores: the sum of the
// column heights, each at least 1.
std::int64_t ProfileSize(const SolutionsCont &context);
