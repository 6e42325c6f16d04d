#pragma once
// Growable array of fixed-size elements held as plain bytes.  The degree-of-
// freedom table, the analysis containers, the display list and the settings
// tree node are built on it.  Elements are copied with memory moves, so they
// must be trivially copyable; pointer elements stay owned by the derived class.
#include <cstdint>

class UContainer {
public:
  UContainer(int elementSize, int growStep);
  ~UContainer();
  UContainer(const UContainer &) = delete;
  UContainer &operator=(const UContainer &) = delete;

  // Frees the block; the container is empty with capacity 0.
  void Clear();
  // Adds room for at least max(n, grow step) elements, keeping the contents.
  // Raises Exception when the memory is not there; the block is then kept.
  void Grow(int n);
  // Copies n elements from source behind the last one and returns the
  // address of the last appended element (null when n <= 0).
  void *Append(const void *source, int n);
  // Copies n elements over positions i .. i+n-1 (no growth, count unchanged).
  void *Put(const void *source, int i, int n);
  // Inserts one element at position i (0 <= i <= count), moving the
  // elements from i on one place up; returns the address of element i.
  void *Insert(const void *source, int i);
  // Address of element i; the caller keeps 0 <= i < count.
  void *Item(int i) const { return data + static_cast<std::int64_t>(i) * elementSize; }
  // Address of element cursor, then cursor += n: walks a byte stream of
  // records of mixed length when the element size is 1.
  void *TakeRun(int n, int &cursor) const;

  int Count() const { return count; }
  int Capacity() const { return capacity; }
  int ElementSize() const { return elementSize; }

  // Sources passed to Append, Put and Insert must not lie inside this
  // container's own block: a growth may move it.

protected:
  char *data = nullptr;
  int capacity = 0;
  int elementSize;
  int growStep;
  int count = 0;
};
