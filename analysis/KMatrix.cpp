#include "analysis/KMatrix.h"

#include "model/HugePages.h"
#include "model/Message.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <new>

KMatrix::KMatrix(std::int32_t n) : n(n) {
  address = new (std::nothrow) std::int64_t[static_cast<std::size_t>(n) + 1]();
  if (address == nullptr)
    Error("Nicht genug Speicher");
}

KMatrix::~KMatrix() {
  Free();
}

void KMatrix::RaiseHeight(std::int32_t c, std::int64_t height) {
  address[c + 1] = std::max(address[c + 1], height);
}

void KMatrix::FinishProfile() {
  std::int64_t widest = 0;
  for (std::int32_t c = 1; c <= n; ++c) {
    widest = std::max(widest, address[c]);
    if (address[c] == 0)
      address[c] = 1;
    address[c] += address[c - 1];
  }
  bandwidth = static_cast<std::int32_t>(widest);
  Allocate();
}

// calloc hands out pages the system zeroes when they are first touched, so a
// large profile is not written once more just to clear it.
void KMatrix::Allocate() {
  std::free(values);
  const auto count = static_cast<std::size_t>(address[n]);
  values = static_cast<double *>(std::calloc(count, sizeof(double)));
  if (values == nullptr && count > 0)
    Error("Speicher");
  PreferHugePages(values, count * sizeof(double));
}

void KMatrix::Zero() {
  std::fill(values, values + address[n], 0.0);
}

void KMatrix::Free() {
  if (ownsAddresses && address != nullptr)
    delete[] address;
  ownsAddresses = 0;
  address = nullptr;
  std::free(values);
  values = nullptr;
}

bool KMatrix::IsStored(std::int32_t r, std::int32_t c) const {
  const std::int32_t m = std::max(r, c);
  const std::int32_t d = r < c ? c - r : r - c;
  return d < Height(m);
}
