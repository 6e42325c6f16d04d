#pragma once
// Reads a display list's stream back into records, so tests check what a
// drawing recorded: kinds, coordinates, colours and widths.
#include "graphics/core/PaintContainer.h"

#include <cstdint>
#include <cstring>
#include <vector>

struct PaintRecordView {
  std::uint8_t type = 0;
  // Colour records: the colour; polygon: the point count.
  std::int32_t value = 0;
  // Line: x1, y1, x2, y2; polygon: x0, y0, x1, y1, ...; pen width: width.
  std::vector<double> reals;
};

inline std::vector<PaintRecordView> DecodeRecords(const PaintContainer &pc) {
  std::vector<PaintRecordView> records;
  const unsigned char *bytes = pc.Bytes();
  int at = 0;
  auto read = [&](void *target, int size) {
    std::memcpy(target, bytes + at, size);
    at += size;
  };
  auto reals = [&](PaintRecordView &r, int n) {
    r.reals.resize(n);
    read(r.reals.data(), n * static_cast<int>(sizeof(double)));
  };
  while (at < pc.Count()) {
    PaintRecordView r;
    read(&r.type, 1);
    if (r.type == kLineRecord)
      reals(r, 4);
    else if (r.type == kPolygonRecord) {
      read(&r.value, 4);
      reals(r, 2 * r.value);
    } else if (r.type == kPenWidthRecord)
      reals(r, 1);
    else
      read(&r.value, 4);
    records.push_back(r);
  }
  return records;
}

// The records of one type, in order.
inline std::vector<PaintRecordView> RecordsOfType(const PaintContainer &pc, std::uint8_t type) {
  std::vector<PaintRecordView> found;
  for (const PaintRecordView &r : DecodeRecords(pc))
    if (r.type == type)
      found.push_back(r);
  return found;
}
