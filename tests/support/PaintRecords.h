#pragma once
// Reads a display list's stream back into records, so tests check what a
// drawing recorded: kinds, coordinates, colours, widths and texts.
#include "graphics/core/PaintContainer.h"

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
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

// Each record as text: "line x1 y1 x2 y2", "polygon n x0 y0 ...", "brush c",
// "pen c", "width w"; reals as "%.17g", so exact values read plainly.
inline std::vector<std::string> RecordTexts(const PaintContainer &pc) {
  static const char *const names[] = {"line", "polygon", "brush", "pen", "width"};
  std::vector<std::string> texts;
  for (const PaintRecordView &r : DecodeRecords(pc)) {
    std::string text = r.type < 5 ? names[r.type] : "?";
    char buffer[32];
    if (r.type != kLineRecord && r.type != kPenWidthRecord) {
      std::snprintf(buffer, sizeof buffer, " %d", static_cast<int>(r.value));
      text.append(buffer);
    }
    for (double v : r.reals) {
      std::snprintf(buffer, sizeof buffer, " %.17g", v);
      text.append(buffer);
    }
    texts.push_back(text);
  }
  return texts;
}

// The line records as x1, y1, x2, y2 rows.
inline std::vector<std::vector<double>> LineRecords(const PaintContainer &pc) {
  std::vector<std::vector<double>> lines;
  for (const PaintRecordView &r : DecodeRecords(pc))
    if (r.type == kLineRecord)
      lines.push_back(r.reals);
  return lines;
}

// Keeps every text the display list tells of.
struct TextLog : TextObserver {
  std::vector<TextPlacement> texts;
  void TextDrawn(const TextPlacement &placement) override { texts.push_back(placement); }
};
