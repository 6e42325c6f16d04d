#include "analysis/SkylineSolver.h"

#include "analysis/KMatrix.h"
#include "analysis/Matrix.h"
#include "model/Commonfkc.h"

#include <cstdint>

double ScaleMatrix(KMatrix &K, double s) {
  if (s == 0.0) {
    for (std::int32_t i = 0; i < K.N(); ++i)
      s = DMax(s, K.Column(i)[0]);
    if (s == 0.0)
      return 1.0;
    s = 1.0 / s;
  }
  double *values = K.Values();
  for (std::int64_t e = 0; e < K.StoredCount(); ++e)
    values[e] *= s;
  return s;
}

void ForwardBackSubstitute(const KMatrix &K, Matrix &F, double factor) {
  const std::int32_t n = K.N();
  const std::int64_t stride = F.Columns();
  double *f = F.Data();
  auto x = [&](std::int32_t i) -> double & { return f[i * stride]; };
  for (std::int32_t i = 0; i < n; ++i)
    x(i) *= factor;
  // L y = F, one stored column of L^T at a time.
  for (std::int32_t i = 0; i < n; ++i) {
    const double *column = K.Column(i);
    double sum = 0.0;
    for (std::int32_t d = 1; d < K.Height(i); ++d)
      sum += column[d] * x(i - d);
    x(i) -= sum;
  }
  // D L^T x = y: each finished x(j) is taken out of the rows above it.
  for (std::int32_t i = 0; i < n; ++i)
    x(i) /= K.Column(i)[0];
  for (std::int32_t j = n - 1; j > 0; --j) {
    const double *column = K.Column(j);
    const double xj = x(j);
    for (std::int32_t d = 1; d < K.Height(j); ++d)
      x(j - d) -= column[d] * xj;
  }
}

int SkylineSolve(KMatrix &K, Matrix &F) {
  F.Scale(ScaleMatrix(K, 0.0));
  const int status = LDLDecompose(K);
  if (status == kFactorised)
    ForwardBackSubstitute(K, F, 1.0);
  return status;
}
