#pragma once
// Stiffness of one beam element in the displacement method, with the exact
// second-order stability functions.  Local axes: x from end 0 to end 1, z
// across it; local DOFs along, across and rotation at end 0, then at end 1.
#include <cstdint>

class Matrix;
class SolElement;

// x' = x c - y s, y' = x s + y c: the pair rotated by the angle whose sine
// and cosine are s and c.
void RotatePair(double &x, double &y, double s, double c);

// Sets L, k = E I / L and, in a second-order or buckling analysis, the axial
// parameter t = lambda N L / k (0 for a tension bar unless flags hold
// kTensionBars), epsilon, s, alpha and beta.  At first order the stored
// mid-length normal force becomes 0.
void SecondOrderParams(SolElement &element, std::int32_t flags);

// Fills K (6 x 6, zeroed by the caller) with the element's stiffness in
// global axes.
void ElementStiffness(const SolElement &element, Matrix &K, std::int32_t flags);
