#include "analysis/Matrix.h"

#include "model/Message.h"

#include <climits>
#include <cstdlib>
#include <utility>

namespace {

// Element count of a shape, or -1 when the shape is negative or too large.
std::int64_t ElementCount(int rows, int columns) {
  if (rows < 0 || columns < 0)
    return -1;
  const std::int64_t n = static_cast<std::int64_t>(rows) * columns;
  return n > INT_MAX ? -1 : n;
}

// Storage for n doubles (null for none); null as well when it cannot be had.
double *Allocate(std::int64_t n) {
  return n > 0 ? static_cast<double *>(std::malloc(static_cast<std::size_t>(n) * sizeof(double)))
               : nullptr;
}

} // namespace

TempMatrixTyp TempMatrices;

Matrix::Matrix(int rows, int columns) {
  Resize(rows, columns);
}

Matrix::~Matrix() {
  Free();
}

Matrix::Matrix(Matrix &&other) noexcept
    : count(std::exchange(other.count, 0)), data(std::exchange(other.data, nullptr)),
      rows(other.rows), columns(other.columns) {}

Matrix &Matrix::operator=(Matrix &&other) noexcept {
  if (this != &other) {
    Free();
    count = std::exchange(other.count, 0);
    data = std::exchange(other.data, nullptr);
    rows = other.rows;
    columns = other.columns;
  }
  return *this;
}

void Matrix::Resize(int newRows, int newColumns) {
  Free();
  rows = newRows;
  columns = newColumns;
  const std::int64_t n = ElementCount(newRows, newColumns);
  data = Allocate(n);
  if (n < 0 || (n > 0 && data == nullptr))
    Error("Nicht genug Speicher (Matrix) !");
  count = static_cast<std::int32_t>(n);
  Zero();
}

void Matrix::Free() {
  std::free(data);
  data = nullptr;
  count = 0;
}

void Matrix::Zero() {
  for (int e = 0; e < count; ++e)
    data[e] = 0.0;
}

TempMatrix &Matrix::Multiply(const Matrix &b) const {
  if (columns != b.rows)
    Error("Matrixprodukt: %d Spalten mal %d Zeilen", columns, b.rows);
  TempMatrix &result = TempMatrices.TempAvoiding(rows, b.columns, this, &b);
  for (int i = 0; i < rows; ++i) {
    for (int j = 0; j < b.columns; ++j) {
      double sum = 0.0;
      for (int k = 0; k < columns; ++k)
        sum += (*this)(i, k) * b(k, j);
      result(i, j) += sum;
    }
  }
  return result;
}

void Matrix::RequireElements(const Matrix &b) const {
  if (b.count < count)
    Error("Matrix mit %d Elementen statt %d", b.count, count);
}

void Matrix::Subtract(const Matrix &b) {
  RequireElements(b);
  for (int e = 0; e < count; ++e)
    data[e] -= b.data[e];
}

void Matrix::Add(const Matrix &b) {
  RequireElements(b);
  for (int e = 0; e < count; ++e)
    data[e] += b.data[e];
}

void Matrix::CopyFrom(const Matrix &b) {
  RequireElements(b);
  for (int e = 0; e < count; ++e)
    data[e] = b.data[e];
}

void Matrix::Scale(double s) {
  for (int e = 0; e < count; ++e)
    data[e] *= s;
}

TempMatrix &TempMatrix::SetShape(int newRows, int newColumns) {
  const std::int64_t n = ElementCount(newRows, newColumns);
  if (n < 0)
    Error("Nicht genug Speicher");
  rows = newRows;
  columns = newColumns;
  Reserve(static_cast<int>(n));
  Zero();
  return *this;
}

void TempMatrix::Reserve(int n) {
  if (data == nullptr)
    capacity = 0; // storage released through Matrix::Free
  count = 0;
  if (capacity < n) {
    Free();
    capacity = 0;
    data = Allocate(n);
    if (data == nullptr)
      Error("Nicht genug Speicher");
    capacity = n;
  }
  count = n;
}

TempMatrix &TempMatrixTyp::Temp(int rows, int columns) {
  return TempAvoiding(rows, columns, nullptr, nullptr);
}

TempMatrix &TempMatrixTyp::TempAvoiding(int rows, int columns, const Matrix *a, const Matrix *b) {
  TempMatrix *slot;
  do {
    slotCounter %= kSlots;
    slot = &slots[slotCounter];
    slotCounter += 1;
  } while (slot == a || slot == b);
  return slot->SetShape(rows, columns);
}
