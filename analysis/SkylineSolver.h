#pragma once
// In-place L D L^T factorisation of a skyline matrix and the solve of one
// right-hand side.  L is unit lower triangular: after the factorisation the
// diagonal holds D and each stored off-diagonal element (r, c), r < c, holds
// L(c, r).
#include <cstdint>

class KMatrix;
class Matrix;

// Status codes of the factorisation.
// A pivot of magnitude below 1e-15, or below 1e-9 of its column's diagonal
// before the reduction (or not a number).
constexpr int kPivotTooSmall = 1;
constexpr int kNotPositive = 2; // factorised, but some D is not greater than 0
constexpr int kFactorised = 3;  // positive definite

// Factorises K in place and returns one of the status codes above; on
// kPivotTooSmall K is left partly factorised.  Large matrices are factorised
// by several threads; every column is reduced by the same arithmetic in the
// same order whatever the thread count, so the results do not depend on it.
int LDLDecompose(KMatrix &K);
// The same with a given number of threads (1 = on the calling thread only).
int LDLDecompose(KMatrix &K, int threads);

// Multiplies every stored value by s and returns s.  s = 0 asks for
// 1 / (the largest positive diagonal element); when there is none nothing
// changes and 1.0 is returned.
double ScaleMatrix(KMatrix &K, double s);

// F's first column (K.N() rows) times factor, then solved with the factorised
// K in place.
void ForwardBackSubstitute(const KMatrix &K, Matrix &F, double factor);

// Scales K and F alike, factorises and, on success, substitutes.  Returns
// the factorisation status; F then holds the solution of the unscaled system.
int SkylineSolve(KMatrix &K, Matrix &F);
