#pragma once
// Appends one element to a UContainer, doubling its capacity when it is
// full: the analysis containers of a large frame take tens of thousands of
// elements one at a time, and growth by a fixed step would copy them over
// and over.
#include "model/UContainer.h"

#include <memory>

inline void *AppendGrowing(UContainer &container, const void *element) {
  if (container.Count() == container.Capacity())
    container.Grow(container.Count());
  return container.Append(element, 1);
}

// Appends the pointer of a new object that the container then owns; the
// object is freed when the append fails.
template <class T> T &AppendOwned(UContainer &container, std::unique_ptr<T> object) {
  T *pointer = object.get();
  AppendGrowing(container, &pointer);
  return *object.release();
}
