#include "analysis/Matrix.h"
#include "model/Message.h"

#include <gtest/gtest.h>
#include <string>

namespace {

void Fill(Matrix &m, std::initializer_list<double> values) {
  int e = 0;
  for (double v : values)
    m[e++] = v;
}

} // namespace

TEST(Matrix, ProductAndElementwiseOperationsByHand) {
  Matrix a(2, 3), b(3, 2);
  Fill(a, {1, 2, 3, 4, 5, 6});
  Fill(b, {7, 8, 9, 10, 11, 12});
  const TempMatrix &p = a.Multiply(b);
  ASSERT_EQ(p.Rows() * 10 + p.Columns(), 22);
  EXPECT_EQ(p(0, 0), 58.0);
  EXPECT_EQ(p(0, 1), 64.0);
  EXPECT_EQ(p(1, 0), 139.0);
  EXPECT_EQ(p(1, 1), 154.0);
  Matrix c(2, 2);
  c.CopyFrom(p);
  c.Add(p);
  c.Subtract(b); // only b's first four elements count
  c.Scale(0.5);
  EXPECT_EQ(c(0, 0), 54.5);
  EXPECT_EQ(c(1, 1), 149.0);
}

TEST(Matrix, EmptyShapesAreValidAndMismatchesRaise) {
  Matrix none(0, 0);
  Vektor empty(0);
  EXPECT_EQ(none.Data(), nullptr);
  EXPECT_EQ(empty.Count(), 0);
  Matrix a(2, 0), b(0, 3);
  const TempMatrix &p = a.Multiply(b);
  EXPECT_EQ(p.Count(), 6);
  EXPECT_EQ(p(1, 2), 0.0);

  Matrix big(3, 3), small(2, 2);
  EXPECT_THROW(big.Multiply(small), Exception);
  EXPECT_THROW(big.Add(small), Exception);
  EXPECT_THROW(big.CopyFrom(small), Exception);
  try {
    small.Resize(100000, 100000);
    FAIL() << "no exception";
  } catch (const Exception &e) {
    EXPECT_EQ(std::string(e.what()), "Nicht genug Speicher (Matrix) !");
  }
  EXPECT_EQ(small.Data(), nullptr);
}

TEST(TempMatrices, RingHandsOutTenSlotsInTurn) {
  TempMatrix &first = TempMatrices.Temp(6, 6);
  first(5, 5) = 1.0;
  for (int k = 0; k < 9; ++k)
    EXPECT_NE(&TempMatrices.Temp(1, 1), &first);
  TempMatrix &eleventh = TempMatrices.Temp(6, 1);
  EXPECT_EQ(&eleventh, &first); // reused and overwritten
  EXPECT_EQ(eleventh.Count(), 6);
  EXPECT_EQ(eleventh.Capacity(), 36);
  EXPECT_EQ(eleventh[5], 0.0);
}

TEST(TempMatrices, ProductNeverOverwritesItsOwnOperand) {
  Matrix a(2, 2), b(2, 2);
  Fill(a, {1, 2, 3, 4});
  Fill(b, {0, 1, 1, 0});
  TempMatrix &ab = a.Multiply(b); // (2 1; 4 3)
  for (int k = 0; k < 9; ++k)
    TempMatrices.Temp(1, 1);
  const TempMatrix &abb = ab.Multiply(b); // the ring's next slot is ab itself
  EXPECT_NE(&abb, &ab);
  EXPECT_EQ(abb(0, 0), 1.0);
  EXPECT_EQ(abb(0, 1), 2.0);
  EXPECT_EQ(abb(1, 0), 3.0);
  EXPECT_EQ(abb(1, 1), 4.0);
}
