#include "analysis/LoadRowIndex.h"

namespace {
std::uint32_t generation = 0;
}

void ReindexLoadRows() {
  ++generation;
}

std::uint32_t LoadRowGeneration() {
  return generation;
}
