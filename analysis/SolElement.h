#pragma once
// One straight beam element of the analysis model between two node entries.
#include <cstdint>

class BCClass;

// What the values along an element need at every point and what depends only
// on the element, its loads and the kind of analysis: written for every
// element with its end forces after each solve.
struct AlongBeamTerms {
  double cos = 1.0; // of the element's angle
  double sin = 0.0;
  // Beam-load intensities at the ends (BeamLoadSums); loaded when any is nonzero.
  bool loaded = false;
  double pa = 0.0, pb = 0.0, qa = 0.0, qb = 0.0;
  // The moment that holds the constant curvature of the temperature
  // differences and bows on the element at both ends.
  double curvatureMoment = 0.0;
};

class SolElement {
public:
  // The node entry of end 0 (side 0) or end 1 (side 1).
  std::int32_t Node(int side) const { return node[side]; }
  // Index in the DOF table of local DOF k: x, z, rotation at end 0 (k = 0 .. 2),
  // then at end 1 (k = 3 .. 5).
  std::int32_t GlobalDof(int k) const;
  BCClass &Dof(int k) const;
  // The normal force the element mechanics work with: load factor x the
  // stored mid-length normal force.
  double AxialForce() const;

  // --- Element mechanics: written by the second-order parameters, the
  // stiffness and the end forces.
  double L = 0.0;       // length
  double k = 0.0;       // bending stiffness over length, E I / L
  double epsilon = 0.0; // square root of |t|
  double t = 0.0;       // axial parameter, positive under tension
  double alpha = 0.0;   // bending coefficients
  double beta = 0.0;
  double s = 0.0; // sin(epsilon) under compression, sinh(epsilon) otherwise
  // Normal force at half the element's length of the last solve.
  double midNormalForce = 0.0;
  // End forces: normal force, shear force and moment at end 0, then end 1.
  double N0 = 0.0, Q0 = 0.0, M0 = 0.0;
  double N1 = 0.0, Q1 = 0.0, M1 = 0.0;
  AlongBeamTerms along;
  // --- End of the element mechanics.

  std::int32_t next = -1;     // next element of the same beam, -1 for the last
  std::int32_t beam = 0;      // 1-based row of the beams table
  double x0 = 0.0;            // relative position of end 0 on the beam
  double x1 = 0.0;            // relative position of end 1
  std::int32_t node[2]{0, 0}; // node entries of the two ends
};
