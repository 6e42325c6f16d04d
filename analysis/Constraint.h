#pragma once
// Linear constraints on the DOFs of node entries: the sum over the terms of
// coefficient x (DOF component of the node entry) + constant = 0.
#include "model/UContainer.h"

#include <cstdint>

struct ConstraintTerm {
  std::int32_t nodeEntry;
  std::int32_t component; // 0 displacement in x, 1 in z, 2 rotation
  double coefficient;
};

class OneBCContainer : public UContainer {
public:
  OneBCContainer() : UContainer(sizeof(ConstraintTerm), 4) {}
  const ConstraintTerm &Term(int i) const { return *static_cast<const ConstraintTerm *>(Item(i)); }
  void AddTerm(std::int32_t nodeEntry, std::int32_t component, double coefficient);

  double constant = 0.0;
};

// Adds sign x (the displacement of node entry e in the direction angle):
// the terms (e, 0, sign cos angle) and (e, 1, sign sin angle).
void AddDirectionTerms(OneBCContainer &constraint, std::int32_t e, double angle, double sign);
// Adds (displacement of left) - (displacement of right) in the direction angle.
void AddRelativeDisplacement(OneBCContainer &constraint, std::int32_t left, std::int32_t right,
                             double angle);

// The constraints of the model; owns them.
class BCContainer : public UContainer {
public:
  BCContainer() : UContainer(sizeof(OneBCContainer *), 100) {}
  ~BCContainer() { Clear(); }
  // Appends a new empty constraint and returns it.
  OneBCContainer &Add();
  // Destroys every constraint.
  void Clear();
  OneBCContainer &At(int i) const { return **static_cast<OneBCContainer **>(Item(i)); }
};
