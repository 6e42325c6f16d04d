#include "analysis/KMatrix.h"

#include "model/Message.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <new>
#include <sys/mman.h>

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

namespace {

// Asks the system to back a large block with huge pages: the assembly then
// meets one page fault per 2 MB instead of one per 4 KB.  Only whole huge
// pages inside the block are concerned; the request may be ignored.
void PreferHugePages(void *block, std::size_t bytes) {
#ifdef MADV_HUGEPAGE
  constexpr std::uintptr_t kHuge = std::uintptr_t{2} << 20;
  const std::uintptr_t first = (reinterpret_cast<std::uintptr_t>(block) + kHuge - 1) & ~(kHuge - 1);
  const std::uintptr_t last = (reinterpret_cast<std::uintptr_t>(block) + bytes) & ~(kHuge - 1);
  if (last > first)
    madvise(reinterpret_cast<void *>(first), last - first, MADV_HUGEPAGE);
#else
  (void)block;
  (void)bytes;
#endif
}

} // namespace

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

double &KMatrix::At(std::int32_t r, std::int32_t c) {
  const std::int32_t m = std::max(r, c);
  return Column(m)[r < c ? c - r : r - c];
}
