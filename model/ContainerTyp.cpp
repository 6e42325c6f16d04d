#include "model/ContainerTyp.h"

#include "model/Message.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <cstring>

ContainerTyp::ContainerTyp(int recordSize, int growStep)
    : recordSize(recordSize), growStep(growStep) {}

ContainerTyp::~ContainerTyp() {
  Clear();
}

void ContainerTyp::InitItem(void *) {}

void ContainerTyp::ReleaseRow(int) {}

void ContainerTyp::Grow() {
  const std::size_t need = (static_cast<std::size_t>(count) + 1) * recordSize;
  if (need <= allocated)
    return;
  // Beyond the grow step the block grows by half its need, so filling a
  // table row by row copies each record only a few times.
  const std::size_t wanted = need + std::max<std::size_t>(growStep, need / 2);
  void *block = count < INT_MAX ? std::realloc(data, wanted) : nullptr;
  if (block == nullptr)
    Error("Nicht genung Speicher (%s)", TypeName());
  data = static_cast<char *>(block);
  allocated = wanted;
}

void *ContainerTyp::Put(const void *source, int index) {
  if (index < 0) {
    Grow();
    index = count;
    count += 1;
  } else if (index >= count) {
    Error("Satz %d außerhalb von %s (%d Sätze)", index, TypeName(), count);
  }
  if (source != nullptr)
    std::memcpy(Item(index), source, recordSize);
  else
    std::memset(Item(index), 0, recordSize);
  return Item(index);
}

void *ContainerTyp::Insert(int index, const void *source) {
  if (index < 0 || index > count)
    Error("Einfügeposition %d außerhalb von %s (%d Sätze)", index, TypeName(), count);
  Put(nullptr, -1);
  std::memmove(Item(index + 1), Item(index),
               static_cast<std::size_t>(count - index - 1) * recordSize);
  return Put(source, index);
}

void *ContainerTyp::InitRecord(int index) {
  InitItem(Item(index));
  return Item(index);
}

void ContainerTyp::Clear() {
  for (int i = 0; i < count; ++i)
    ReleaseRow(i);
  std::free(data);
  data = nullptr;
  allocated = 0;
  count = 0;
}

void ContainerTyp::Delete(int start, int n) {
  if (start < 0)
    return;
  n = std::min(n, count - start);
  for (int k = 0; k < n; ++k) {
    ReleaseRow(start);
    std::memmove(Item(start), Item(start + 1),
                 static_cast<std::size_t>(count - start - 1) * recordSize);
    count -= 1;
  }
}
