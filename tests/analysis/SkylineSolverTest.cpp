#include "analysis/SkylineSolver.h"
#include "analysis/KMatrix.h"
#include "analysis/Matrix.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace {

// A symmetric matrix given densely, stored into a skyline whose column
// heights reach the topmost nonzero element of each column.
struct DenseSymmetric {
  int n;
  std::vector<double> a; // row by row
  double &operator()(int r, int c) { return a[r * n + c]; }
  double operator()(int r, int c) const { return a[r * n + c]; }
};

void Fill(KMatrix &K, const DenseSymmetric &A) {
  for (int c = 0; c < A.n; ++c)
    for (int r = 0; r <= c; ++r)
      if (A(r, c) != 0.0)
        K.RaiseHeight(c, c - r + 1);
  K.FinishProfile();
  for (int c = 0; c < A.n; ++c)
    for (int r = 0; r <= c; ++r)
      if (K.IsStored(r, c))
        K.At(r, c) = A(r, c);
}

// A stiffness-like matrix: a chain of springs plus long-range couplings that
// give a ragged profile with zeros inside it.
DenseSymmetric RaggedMatrix(int n, int reach) {
  DenseSymmetric A{n, std::vector<double>(static_cast<std::size_t>(n) * n, 0.0)};
  for (int i = 0; i < n; ++i) {
    A(i, i) = 4.0 + (i % 7) * 0.5;
    if (i + 1 < n)
      A(i, i + 1) = A(i + 1, i) = -1.0;
    const int far = i + 1 + (i * 37) % reach;
    if (far < n && i % 3 == 0)
      A(i, far) = A(far, i) = -0.25 - 0.01 * (i % 5);
  }
  for (int i = 0; i < n; ++i) { // diagonal dominance keeps it positive definite
    double off = 0.0;
    for (int j = 0; j < n; ++j)
      if (j != i)
        off += std::fabs(A(i, j));
    A(i, i) += off;
  }
  return A;
}

double MaxResidual(const DenseSymmetric &A, const Vektor &x, const std::vector<double> &b) {
  double worst = 0.0;
  for (int i = 0; i < A.n; ++i) {
    double sum = -b[i];
    for (int j = 0; j < A.n; ++j)
      sum += A(i, j) * x(j, 0);
    worst = std::max(worst, std::fabs(sum));
  }
  return worst;
}

} // namespace

TEST(SkylineProfile, HeightsAddressesBandwidthAndEmptyMatrix) {
  KMatrix K(4);
  K.RaiseHeight(0, 1);
  K.RaiseHeight(1, 2);
  K.RaiseHeight(3, 3);
  K.RaiseHeight(3, 2); // a lower coupling does not shrink the column
  K.FinishProfile();
  EXPECT_EQ(K.Bandwidth(), 3);
  EXPECT_EQ(K.Height(2), 1); // given 0: stored with its diagonal alone
  EXPECT_EQ(K.Height(3), 3);
  EXPECT_EQ(K.StoredCount(), 1 + 2 + 1 + 3);
  EXPECT_TRUE(K.IsStored(1, 3));
  EXPECT_TRUE(K.IsStored(3, 1));
  EXPECT_FALSE(K.IsStored(0, 3));
  EXPECT_FALSE(K.IsStored(1, 2));
  K.At(3, 1) = 7.0;
  EXPECT_EQ(K.Column(3)[2], 7.0);
  EXPECT_EQ(K.At(1, 3), 7.0);

  // Unwritten heights: every column holds its diagonal, but the bandwidth is
  // that of the heights as written.
  KMatrix bare(3);
  bare.FinishProfile();
  EXPECT_EQ(bare.Bandwidth(), 0);
  EXPECT_EQ(bare.StoredCount(), 3);

  KMatrix empty(0);
  empty.FinishProfile();
  EXPECT_EQ(empty.StoredCount(), 0);
  Vektor F(0);
  EXPECT_EQ(SkylineSolve(empty, F), kFactorised);
}

TEST(SkylineSolver, SmallSystemsScalingAndFactors) {
  KMatrix one(1);
  Fill(one, {1, {4.0}});
  Vektor f(1);
  f(0, 0) = 2.0;
  EXPECT_EQ(SkylineSolve(one, f), kFactorised);
  EXPECT_DOUBLE_EQ(one.At(0, 0), 1.0); // scaled by 1/4
  EXPECT_DOUBLE_EQ(f(0, 0), 0.5);

  KMatrix two(2);
  Fill(two, {2, {2.0, 1.0, 1.0, 2.0}});
  EXPECT_EQ(LDLDecompose(two), kFactorised);
  EXPECT_DOUBLE_EQ(two.At(0, 0), 2.0);
  EXPECT_DOUBLE_EQ(two.At(1, 1), 1.5);
  EXPECT_DOUBLE_EQ(two.At(0, 1), 0.5);

  // [[2, 1], [1, 2]] x = (3, 3) gives x = (1, 1).
  KMatrix again(2);
  Fill(again, {2, {2.0, 1.0, 1.0, 2.0}});
  Vektor b(2);
  b(0, 0) = 3.0;
  b(1, 0) = 3.0;
  EXPECT_EQ(SkylineSolve(again, b), kFactorised);
  EXPECT_NEAR(b(0, 0), 1.0, 1e-15);
  EXPECT_NEAR(b(1, 0), 1.0, 1e-15);

  // An explicit factor is applied as given.
  KMatrix scaled(1);
  Fill(scaled, {1, {3.0}});
  EXPECT_DOUBLE_EQ(ScaleMatrix(scaled, 2.0), 2.0);
  EXPECT_DOUBLE_EQ(scaled.At(0, 0), 6.0);
}

TEST(SkylineSolver, StatusCodesForSingularAndIndefiniteMatrices) {
  // Second pivot 1e-16 of the largest diagonal after scaling: status 1.
  KMatrix tiny(2);
  Fill(tiny, {2, {1.0, 1.0, 1.0, 1.0 + 1e-16}});
  Vektor f(2);
  EXPECT_EQ(SkylineSolve(tiny, f), kPivotTooSmall);

  // A NaN pivot is a pivot too small.
  KMatrix nan(1);
  Fill(nan, {1, {std::nan("")}});
  EXPECT_EQ(LDLDecompose(nan), kPivotTooSmall);

  // Indefinite: [[1, 2], [2, 1]] finishes with D = (1, -3); no substitution.
  KMatrix indefinite(2);
  Fill(indefinite, {2, {1.0, 2.0, 2.0, 1.0}});
  Vektor g(2);
  g(0, 0) = 5.0;
  g(1, 0) = 7.0;
  EXPECT_EQ(SkylineSolve(indefinite, g), kNotPositive);
  EXPECT_DOUBLE_EQ(indefinite.At(1, 1), -3.0);
  EXPECT_DOUBLE_EQ(g(0, 0), 5.0); // scaled by 1/1, not solved
  EXPECT_DOUBLE_EQ(g(1, 0), 7.0);

  // No positive diagonal: nothing is scaled.
  KMatrix negative(2);
  Fill(negative, {2, {-2.0, 0.0, 0.0, 0.0}});
  EXPECT_DOUBLE_EQ(ScaleMatrix(negative, 0.0), 1.0);
  EXPECT_DOUBLE_EQ(negative.At(0, 0), -2.0);
  EXPECT_EQ(LDLDecompose(negative), kPivotTooSmall); // the zero pivot of row 1
}

TEST(SkylineSolver, RaggedProfileSolvesLikeTheDenseSystem) {
  const DenseSymmetric A = RaggedMatrix(300, 40);
  KMatrix K(A.n);
  Fill(K, A);
  EXPECT_LT(K.StoredCount(), static_cast<std::int64_t>(A.n) * K.Bandwidth());
  std::vector<double> b(A.n);
  Vektor x(A.n);
  for (int i = 0; i < A.n; ++i)
    x(i, 0) = b[i] = std::sin(0.1 * i) + 0.5;
  ASSERT_EQ(SkylineSolve(K, x), kFactorised);
  EXPECT_LT(MaxResidual(A, x, b), 1e-12);
}

TEST(SkylineSolver, ThreadsGiveTheSameFactorsAndStatus) {
  const DenseSymmetric A = RaggedMatrix(1500, 120);
  KMatrix single(A.n), threaded(A.n);
  Fill(single, A);
  Fill(threaded, A);
  ASSERT_EQ(LDLDecompose(single, 1), kFactorised);
  ASSERT_EQ(LDLDecompose(threaded, 4), kFactorised);
  for (std::int64_t e = 0; e < single.StoredCount(); ++e)
    ASSERT_EQ(single.Values()[e], threaded.Values()[e]) << "value " << e;

  // A singular block in the middle stops every thread with status 1.
  DenseSymmetric B = RaggedMatrix(1500, 120);
  for (int j = 0; j < B.n; ++j) // row and column 700 emptied
    if (j != 700)
      B(700, j) = B(j, 700) = 0.0;
  B(700, 700) = 0.0;
  KMatrix singular(B.n);
  Fill(singular, B);
  EXPECT_EQ(LDLDecompose(singular, 4), kPivotTooSmall);
}

namespace {

// Sum of a[m] b[m] in four partial sums by m modulo 4, the rest into the
// first, as the factorisation forms its sums.
double PlainDot(const double *a, const double *b, int count) {
  double s[4] = {0.0, 0.0, 0.0, 0.0};
  int m = 0;
  for (; m + 4 <= count; m += 4)
    for (int l = 0; l < 4; ++l)
      s[l] += a[m + l] * b[m + l];
  for (; m < count; ++m)
    s[0] += a[m] * b[m];
  return (s[0] + s[1]) + (s[2] + s[3]);
}

// The factorisation done plainly, one column after the other and one
// element after the other: the reference the grouped, vectorised and
// threaded one must match to the last bit.
int PlainDecompose(KMatrix &K) {
  auto top = [&](int c) { return c - K.Height(c) + 1; };
  for (int j = 0; j < K.N(); ++j) {
    double *g = K.Column(j);
    for (int i = top(j) + 1; i < j; ++i)
      g[j - i] -= PlainDot(K.Column(i) + 1, g + (j - i) + 1, i - std::max(top(i), top(j)));
    const double diagonal = g[0];
    for (int r = top(j); r < j; ++r) {
      const double l = g[j - r] / K.Column(r)[0];
      g[0] -= l * g[j - r];
      g[j - r] = l;
    }
    if (!(std::fabs(g[0]) >= 1e-15) || std::fabs(g[0]) < 1e-9 * std::fabs(diagonal))
      return kPivotTooSmall;
  }
  for (int j = 0; j < K.N(); ++j)
    if (!(K.Column(j)[0] > 0.0))
      return kNotPositive;
  return kFactorised;
}

// A random symmetric matrix on a random skyline whose column tops wander as
// those of a numbered frame do, shifted on its diagonal by shift times its
// largest row sum: 0 gives a positive definite matrix, more an indefinite one.
DenseSymmetric RandomSkyline(int n, int reach, double shift, std::uint32_t seed) {
  std::mt19937 random(seed);
  std::uniform_real_distribution<double> value(-1.0, 1.0);
  std::uniform_int_distribution<int> height(1, reach);
  DenseSymmetric A{n, std::vector<double>(static_cast<std::size_t>(n) * n, 0.0)};
  for (int c = 0; c < n; ++c)
    for (int r = std::max(0, c - height(random) + 1); r < c; ++r)
      if (random() % 4 != 0) // zeros inside the profile too
        A(r, c) = A(c, r) = value(random);
  double largest = 0.0;
  for (int i = 0; i < n; ++i) {
    double sum = 0.0;
    for (int j = 0; j < n; ++j)
      sum += std::fabs(A(i, j));
    A(i, i) = sum + 0.5 + 0.5 * value(random);
    largest = std::max(largest, A(i, i));
  }
  for (int i = 0; i < n; ++i)
    A(i, i) -= shift * largest;
  return A;
}

int NegativePivots(const KMatrix &K) {
  int count = 0;
  for (int i = 0; i < K.N(); ++i)
    count += K.Column(i)[0] < 0.0;
  return count;
}

} // namespace

TEST(SkylineSolver, BlockedAndThreadedFactorisationMatchesThePlainOne) {
  const struct {
    int n, reach;
    double shift;
  } cases[] = {{5, 3, 0.0},    {9, 9, 0.0},     {61, 20, 0.0},  {400, 90, 0.0},
               {403, 60, 0.3}, {250, 250, 0.6}, {120, 7, 0.45}, {700, 150, 0.2}};
  std::uint32_t seed = 1;
  for (const auto &c : cases) {
    SCOPED_TRACE("n " + std::to_string(c.n) + ", shift " + std::to_string(c.shift));
    const DenseSymmetric A = RandomSkyline(c.n, c.reach, c.shift, seed++);
    KMatrix reference(c.n);
    Fill(reference, A);
    const int status = PlainDecompose(reference);
    EXPECT_EQ(c.shift == 0.0, status == kFactorised);
    for (int threads : {1, 3, 8}) {
      KMatrix K(c.n);
      Fill(K, A);
      ASSERT_EQ(LDLDecompose(K, threads), status) << threads << " threads";
      EXPECT_EQ(NegativePivots(K), NegativePivots(reference)) << threads << " threads";
      for (std::int64_t e = 0; e < K.StoredCount(); ++e)
        ASSERT_EQ(K.Values()[e], reference.Values()[e])
            << "value " << e << ", " << threads << " threads";
    }
    if (status == kFactorised) { // and the factors solve the system
      Vektor x(c.n);
      std::vector<double> b(c.n);
      for (int i = 0; i < c.n; ++i)
        x(i, 0) = b[i] = std::cos(0.3 * i);
      ForwardBackSubstitute(reference, x, 1.0);
      EXPECT_LT(MaxResidual(A, x, b), 1e-10);
    }
  }

  // A column emptied in the middle of a large threaded factorisation: status
  // 1 whatever the thread count; a duplicated equation likewise.
  DenseSymmetric singular = RandomSkyline(900, 120, 0.0, 77);
  for (int j = 0; j < singular.n; ++j)
    singular(450, j) = singular(j, 450) = 0.0;
  DenseSymmetric repeated = RandomSkyline(900, 120, 0.0, 78);
  for (int j = 0; j < repeated.n; ++j) // row 601 a copy of row 600
    repeated(601, j) = repeated(j, 601) = repeated(600, j);
  repeated(601, 601) = repeated(600, 600) = repeated(600, 601);
  for (const DenseSymmetric *A : {&singular, &repeated})
    for (int threads : {1, 4}) {
      KMatrix K(A->n);
      Fill(K, *A);
      EXPECT_EQ(LDLDecompose(K, threads), kPivotTooSmall) << threads << " threads";
    }
}
