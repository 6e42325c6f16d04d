#pragma once
// Symmetric stiffness matrix stored by columns down to the diagonal (the
// skyline).  Column c holds the rows from its topmost coupled row to its
// diagonal; the diagonal comes first in storage, the row above it next, and so
// on upward.  Addresses are 64-bit so that profiles beyond 2^31 values work.
#include <cstdint>

class KMatrix {
public:
  // n equations (0 is valid).  Raises "Nicht genug Speicher" when the address
  // array cannot be had.  The values stay unallocated until FinishProfile.
  explicit KMatrix(std::int32_t n);
  ~KMatrix();
  KMatrix(const KMatrix &) = delete;
  KMatrix &operator=(const KMatrix &) = delete;

  // Before FinishProfile: the height of column c (rows above the diagonal
  // plus one); callers raise it to the largest coupling they meet.
  void RaiseHeight(std::int32_t c, std::int64_t height);
  // Bandwidth = the largest height as written; a height of 0 becomes 1; the
  // heights become addresses (prefix sums); then Allocate.
  void FinishProfile();
  // Allocates the stored values zeroed (raises "Speicher" when it cannot).
  void Allocate();
  void Zero();
  // Releases the values and the address array.
  void Free();

  std::int32_t N() const { return n; }
  std::int32_t Bandwidth() const { return bandwidth; }
  // Number of stored values (after FinishProfile).
  std::int64_t StoredCount() const { return address[n]; }
  std::int32_t Height(std::int32_t c) const {
    return static_cast<std::int32_t>(address[c + 1] - address[c]);
  }
  // Column c: element (c - d, c) at Column(c)[d] for 0 <= d < Height(c).
  double *Column(std::int32_t c) { return values + address[c]; }
  const double *Column(std::int32_t c) const { return values + address[c]; }
  // Whether the symmetric element (r, c) lies inside the profile.
  bool IsStored(std::int32_t r, std::int32_t c) const;
  // The symmetric element (r, c); the caller keeps it inside the profile.
  // Inline: the assembly adds through it 36 times per element and more.
  double &At(std::int32_t r, std::int32_t c) { return r < c ? Column(c)[c - r] : Column(r)[r - c]; }
  double *Values() { return values; }

private:
  double *values = nullptr;
  std::int32_t ownsAddresses = 1;
  std::int32_t bandwidth = 0;
  std::int32_t n = 0;
  std::int64_t *address = nullptr;
};
