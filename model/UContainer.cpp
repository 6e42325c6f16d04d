#include "model/UContainer.h"

#include "model/Message.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <cstring>

UContainer::UContainer(int elementSize, int growStep)
    : elementSize(elementSize), growStep(growStep) {}

UContainer::~UContainer() {
  Clear();
}

void UContainer::Clear() {
  std::free(data);
  data = nullptr;
  count = 0;
  capacity = 0;
}

void UContainer::Grow(int n) {
  const std::int64_t wanted = static_cast<std::int64_t>(capacity) + std::max(n, growStep);
  if (wanted > INT_MAX)
    Error("Nicht genug Speicher (%d Elemente)", capacity);
  void *block = std::realloc(data, static_cast<std::size_t>(wanted) * elementSize);
  if (block == nullptr && wanted > 0)
    Error("Nicht genug Speicher (%d Elemente)", static_cast<int>(wanted));
  data = static_cast<char *>(block);
  capacity = static_cast<int>(wanted);
}

void *UContainer::Append(const void *source, int n) {
  if (n <= 0)
    return nullptr;
  if (capacity < static_cast<std::int64_t>(count) + n)
    Grow(n);
  std::memcpy(Item(count), source, static_cast<std::size_t>(n) * elementSize);
  count += n;
  return Item(count - 1);
}

void *UContainer::Put(const void *source, int i, int n) {
  if (n > 0)
    std::memcpy(Item(i), source, static_cast<std::size_t>(n) * elementSize);
  return Item(i);
}

void *UContainer::Insert(const void *source, int i) {
  if (i < 0 || i > count)
    Error("Einfügeposition %d außerhalb von 0 .. %d", i, count);
  // Grow only when full; the growth doubles the capacity, so a run of
  // insertions costs amortised constant time per element.
  if (count == capacity)
    Grow(count + 1);
  std::memmove(Item(i + 1), Item(i), static_cast<std::size_t>(count - i) * elementSize);
  std::memcpy(Item(i), source, elementSize);
  count += 1;
  return Item(i);
}

void *UContainer::TakeRun(int n, int &cursor) const {
  void *element = Item(cursor);
  cursor += n;
  return element;
}
