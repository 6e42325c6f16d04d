#include "graphics/core/PaintContainer.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>
#include <vector>

// Records are copied as the machine holds them; the stream is little-endian.
static_assert(std::endian::native == std::endian::little);

namespace {
constexpr double kFloatMax = 3.4028234663852886e38;

bool Finite(Point2D p) {
  return std::isfinite(p.x) && std::isfinite(p.y);
}

bool ValidSlot(int slot) {
  return slot >= 0 && slot < PaintContainer::kPolylineSlots;
}
} // namespace

void PContainer::AppendBytes(const void *source, int n) {
  if (n <= 0)
    return;
  if (capacity - count < n)
    Grow(std::max(n, capacity));
  Append(source, n);
}

PaintContainer::PaintContainer() = default;

void PaintContainer::Reset() {
  Empty();
  recordCount = 0;
  penWidth = -1.0;
  penColour = -1;
  box = {kFloatMax, kFloatMax, -kFloatMax, -kFloatMax};
}

void PaintContainer::AddRecord(std::uint8_t type, const void *payload, int length) {
  AppendBytes(&type, 1);
  AppendBytes(payload, length);
  ++recordCount;
}

void PaintContainer::Line(Point2D p1, Point2D p2) {
  if (!Finite(p1) || !Finite(p2))
    return;
  const double payload[4] = {p1.x, p1.y, p2.x, p2.y};
  AddRecord(kLineRecord, payload, sizeof payload);
  BoxExtend(box, p1.x, p1.y);
  BoxExtend(box, p2.x, p2.y);
}

void PaintContainer::SetPen(TColor colour, double width) {
  if (colour != penColour) {
    penColour = colour;
    AddRecord(kPenColourRecord, &colour, sizeof colour);
  }
  if (width != penWidth) {
    penWidth = width;
    AddRecord(kPenWidthRecord, &width, sizeof width);
  }
}

void PaintContainer::SetBrush(TColor colour) {
  AddRecord(kBrushRecord, &colour, sizeof colour);
}

void PaintContainer::Polygon(TColor colour, double width, const Point2D *points, int n) {
  SetPen(colour, width);
  if (n < 1 || !std::all_of(points, points + n, Finite))
    return;
  std::vector<unsigned char> payload(sizeof(std::int32_t) + sizeof(Point2D) * n);
  const std::int32_t count32 = n;
  std::memcpy(payload.data(), &count32, sizeof count32);
  for (int i = 0; i < n; ++i) {
    const double xy[2] = {points[i].x, points[i].y};
    std::memcpy(payload.data() + sizeof count32 + sizeof xy * i, xy, sizeof xy);
    BoxExtend(box, points[i].x, points[i].y);
  }
  AddRecord(kPolygonRecord, payload.data(), static_cast<int>(payload.size()));
}

void PaintContainer::PolyStart(Point2D p, int slot) {
  if (ValidSlot(slot))
    polyPoints[slot] = p;
}

void PaintContainer::PolyTo(Point2D p, int slot) {
  if (!ValidSlot(slot))
    return;
  Line(polyPoints[slot], p);
  polyPoints[slot] = p;
}
