// The replay of a display list onto a canvas.
#include "graphics/core/Clipping.h"
#include "graphics/core/PaintContainer.h"

#include <cstring>
#include <vector>

namespace {
// The widest pen a canvas is given, in pixels, and the margin by which the
// clip rectangle is widened: wider than any pen, so that clipped ends and
// the border stretches of a clipped polygon stay out of sight.
constexpr double kWidestPen = 10000.0;
constexpr double kClipMargin = 2.0 * kWidestPen + 16.0;

// Walks the stream; every read checks that the bytes are there.
class StreamReader {
public:
  StreamReader(const unsigned char *bytes, int size) : bytes(bytes), size(size) {}
  template <typename T> bool Read(T &value) {
    if (size - cursor < static_cast<int>(sizeof value))
      return false;
    std::memcpy(&value, bytes + cursor, sizeof value);
    cursor += sizeof value;
    return true;
  }

private:
  const unsigned char *bytes;
  int size;
  int cursor = 0;
};

// A pen width in pixels: truncated toward zero, held at the widest pen; a
// negative or undefined width becomes -1, which the canvases ignore.
int PenPixels(double width, double scale) {
  const double pixels = width * scale;
  if (!(pixels >= 0.0))
    return -1;
  return TruncateToInt(pixels < kWidestPen ? pixels : kWidestPen);
}

class Replay {
public:
  Replay(TCanvas &canvas, const TViewTransform &transform) : canvas(canvas), transform(transform) {
    const TRect clip = canvas.ClipRect();
    window = {clip.left - kClipMargin, clip.top - kClipMargin, clip.right + kClipMargin,
              clip.bottom + kClipMargin};
  }

  bool Record(StreamReader &in) {
    std::uint8_t type = 0;
    if (!in.Read(type))
      return false;
    switch (type) {
    case kLineRecord:
      return ReplayLine(in);
    case kPolygonRecord:
      return ReplayPolygon(in);
    case kBrushRecord:
      return ReplayColour(in, &TCanvas::SetBrushColor);
    case kPenColourRecord:
      return ReplayColour(in, &TCanvas::SetPenColor);
    case kPenWidthRecord:
      return ReplayWidth(in);
    default:
      return true; // an unknown record has no payload to skip
    }
  }

private:
  Point2D Pixel(Point2D world) const { return transform.ToPixelReal(world.x, world.y); }

  bool ReplayLine(StreamReader &in) {
    Point2D a, b;
    if (!in.Read(a.x) || !in.Read(a.y) || !in.Read(b.x) || !in.Read(b.y))
      return false;
    a = Pixel(a);
    b = Pixel(b);
    if (ClipSegment(a, b, window)) {
      canvas.MoveTo(TruncateToInt(a.x), TruncateToInt(a.y));
      canvas.LineTo(TruncateToInt(b.x), TruncateToInt(b.y));
    }
    return true;
  }

  bool ReplayPolygon(StreamReader &in) {
    std::int32_t n = 0;
    if (!in.Read(n) || n < 0)
      return false;
    std::vector<Point2D> points(n);
    for (Point2D &p : points) {
      if (!in.Read(p.x) || !in.Read(p.y))
        return false;
      p = Pixel(p);
    }
    const std::vector<Point2D> clipped = ClipPolygon(points.data(), n, window);
    std::vector<TPoint> pixels;
    pixels.reserve(clipped.size());
    for (const Point2D &p : clipped)
      pixels.push_back({TruncateToInt(p.x), TruncateToInt(p.y)});
    if (!pixels.empty())
      canvas.Polygon(pixels.data(), static_cast<int>(pixels.size()));
    return true;
  }

  bool ReplayColour(StreamReader &in, void (TCanvas::*set)(TColor)) {
    TColor colour = 0;
    if (!in.Read(colour))
      return false;
    (canvas.*set)(colour);
    return true;
  }

  bool ReplayWidth(StreamReader &in) {
    double width = 0.0;
    if (!in.Read(width))
      return false;
    canvas.SetPenWidth(PenPixels(width, transform.PenScale()));
    return true;
  }

  TCanvas &canvas;
  const TViewTransform &transform;
  Box2D window;
};
} // namespace

void PaintContainer::Paint(TCanvas &canvas, const TViewTransform &transform) const {
  StreamReader in(Bytes(), Count());
  Replay replay(canvas, transform);
  for (int i = 0; i < recordCount; ++i)
    if (!replay.Record(in))
      return;
}
