#pragma once
// Small dense matrices of doubles stored row by row: element stiffness
// matrices, element vectors, the right-hand side, the constraint matrix.
// A matrix of 0 rows or columns is valid and holds no storage.
#include <cstdint>

class TempMatrix;

class Matrix {
public:
  Matrix() = default;
  Matrix(int rows, int columns);
  ~Matrix();
  Matrix(const Matrix &) = delete;
  Matrix &operator=(const Matrix &) = delete;
  Matrix(Matrix &&other) noexcept;
  Matrix &operator=(Matrix &&other) noexcept;

  // New shape, all elements 0.0.  Raises "Nicht genug Speicher (Matrix) !"
  // when the storage cannot be had; the matrix then holds none.
  void Resize(int rows, int columns);
  // Releases the storage; rows and columns stay.
  void Free();
  void Zero();
  // this x b into a temporary of TempMatrices (valid until ten further
  // temporaries have been taken).  Raises when the shapes do not fit.
  TempMatrix &Multiply(const Matrix &b) const;
  // Element by element over this matrix's elements; b must hold at least as
  // many (shapes are not compared), else raises.
  void Subtract(const Matrix &b);
  void Add(const Matrix &b);
  void CopyFrom(const Matrix &b);
  void Scale(double s);

  double &operator()(int i, int j) { return data[i * columns + j]; }
  double operator()(int i, int j) const { return data[i * columns + j]; }
  // Element e of the storage (row by row); for a vector the e-th entry.
  double &operator[](int e) { return data[e]; }
  double operator[](int e) const { return data[e]; }

  int Rows() const { return rows; }
  int Columns() const { return columns; }
  int Count() const { return count; }
  double *Data() { return data; }
  const double *Data() const { return data; }

protected:
  // Raises unless b holds at least this matrix's element count.
  void RequireElements(const Matrix &b) const;

  std::int32_t count = 0;
  double *data = nullptr;
  std::int32_t rows = 0;
  std::int32_t columns = 0;
};

// A column vector: a matrix of n rows and one column.
class Vektor : public Matrix {
public:
  Vektor() = default;
  explicit Vektor(int n) : Matrix(n, 1) {}
};

// A reusable matrix whose storage only grows.
class TempMatrix : public Matrix {
public:
  TempMatrix() = default;
  // The storage belongs to the ring: reshape with SetShape only.
  void Resize(int rows, int columns) = delete;
  // Sets the shape and zeroes the elements; returns itself.
  TempMatrix &SetShape(int rows, int columns);
  // Makes room for count doubles; a smaller request keeps the larger
  // storage.  Raises "Nicht genug Speicher" when it cannot be had.
  void Reserve(int count);
  int Capacity() const { return capacity; }

private:
  std::int32_t capacity = 0;
};

// Ring of ten temporaries for matrix products.
class TempMatrixTyp {
public:
  static constexpr int kSlots = 10;
  // The next slot of the ring (0, 1, ..., 9, 0, ...) shaped and zeroed.
  TempMatrix &Temp(int rows, int columns);
  // The same, passing over slots that are the operands a and b of the
  // product the temporary is to hold.
  TempMatrix &TempAvoiding(int rows, int columns, const Matrix *a, const Matrix *b);

private:
  std::int32_t slotCounter = 0;
  TempMatrix slots[kSlots];
};

extern TempMatrixTyp TempMatrices;
