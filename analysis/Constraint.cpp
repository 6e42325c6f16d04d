#include "analysis/Constraint.h"

#include "analysis/GrowingAppend.h"

void OneBCContainer::AddTerm(std::int32_t nodeEntry, std::int32_t component, double coefficient) {
  const ConstraintTerm term{nodeEntry, component, coefficient};
  Append(&term, 1);
}

OneBCContainer &BCContainer::Add() {
  return AppendOwned(*this, std::make_unique<OneBCContainer>());
}

void BCContainer::Clear() {
  for (int i = 0; i < Count(); ++i)
    delete &At(i);
  UContainer::Clear();
}
