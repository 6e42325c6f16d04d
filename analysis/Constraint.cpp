#include "analysis/Constraint.h"

#include "analysis/GrowingAppend.h"

#include <cmath>

void OneBCContainer::AddTerm(std::int32_t nodeEntry, std::int32_t component, double coefficient) {
  const ConstraintTerm term{nodeEntry, component, coefficient};
  Append(&term, 1);
}

void AddDirectionTerms(OneBCContainer &constraint, std::int32_t e, double angle, double sign) {
  constraint.AddTerm(e, 0, sign * std::cos(angle));
  constraint.AddTerm(e, 1, sign * std::sin(angle));
}

void AddRelativeDisplacement(OneBCContainer &constraint, std::int32_t left, std::int32_t right,
                             double angle) {
  AddDirectionTerms(constraint, left, angle, 1.0);
  AddDirectionTerms(constraint, right, angle, -1.0);
}

OneBCContainer &BCContainer::Add() {
  return AppendOwned(*this, std::make_unique<OneBCContainer>());
}

void BCContainer::Clear() {
  for (int i = 0; i < Count(); ++i)
    delete &At(i);
  UContainer::Clear();
}
