// The replay of a display list onto a canvas.
#include "graphics/core/Clipping.h"
#include "graphics/core/PaintContainer.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
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

// The rows a record may colour beyond the pixels of its points: half the
// pen, one for the truncation and one to spare.
double PenReach(int penPixels) {
  return 0.5 * (penPixels > 1 ? penPixels : 1) + 2.0;
}

class Replay {
public:
  // Clips to picture widened by the margin.  With a band (the pixels
  // xmin <= x < xmax, ymin <= y < ymax the canvas shows) it skips the records
  // that miss the band, and the pens and brushes reach the canvas only
  // before a line or polygon it draws: most of them come between records
  // that miss it, and each costs the painter a change of state.
  Replay(TCanvas &canvas, const TViewTransform &transform, const TRect &picture, const Box2D *band)
      : canvas(canvas), transform(transform), deferPens(band != nullptr) {
    constexpr double kAll = std::numeric_limits<double>::infinity();
    shown = band ? *band : Box2D{-kAll, -kAll, kAll, kAll};
    window = {picture.left - kClipMargin, picture.top - kClipMargin, picture.right + kClipMargin,
              picture.bottom + kClipMargin};
  }

  void Run(const PaintContainer &list) {
    StreamReader in(list.Bytes(), list.Count());
    for (int i = 0; i < list.RecordCount(); ++i)
      if (!Record(in))
        return;
  }

private:
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
      return ReplayColour(in, pending.brush, &TCanvas::SetBrushColor);
    case kPenColourRecord:
      return ReplayColour(in, pending.pen, &TCanvas::SetPenColor);
    case kPenWidthRecord:
      return ReplayWidth(in);
    default:
      return true; // an unknown record has no payload to skip
    }
  }

  Point2D Pixel(Point2D world) const { return transform.ToPixelReal(world.x, world.y); }

  bool ReplayLine(StreamReader &in) {
    Point2D a, b;
    if (!in.Read(a.x) || !in.Read(a.y) || !in.Read(b.x) || !in.Read(b.y))
      return false;
    // The rows first: most records of a band's replay miss it.
    const double ya = transform.Row(a.y), yb = transform.Row(b.y);
    if (Misses(ya < yb ? ya : yb, ya < yb ? yb : ya, shown.ymin, shown.ymax))
      return true;
    a = Pixel(a);
    b = Pixel(b);
    if (Misses(a.x < b.x ? a.x : b.x, a.x < b.x ? b.x : a.x, shown.xmin, shown.xmax))
      return true;
    if (ClipSegment(a, b, window)) {
      ApplyPending();
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
    if (n > 0) {
      const auto [top, bottom] = std::minmax_element(
          points.begin(), points.end(), [](Point2D p, Point2D q) { return p.y < q.y; });
      const auto [left, right] = std::minmax_element(
          points.begin(), points.end(), [](Point2D p, Point2D q) { return p.x < q.x; });
      if (Misses(top->y, bottom->y, shown.ymin, shown.ymax) ||
          Misses(left->x, right->x, shown.xmin, shown.xmax))
        return true;
    }
    const std::vector<Point2D> clipped = ClipPolygon(points.data(), n, window);
    std::vector<TPoint> pixels;
    pixels.reserve(clipped.size());
    for (const Point2D &p : clipped)
      pixels.push_back({TruncateToInt(p.x), TruncateToInt(p.y)});
    if (!pixels.empty()) {
      ApplyPending();
      canvas.Polygon(pixels.data(), static_cast<int>(pixels.size()));
    }
    return true;
  }

  // A negative colour or width leaves the canvas as it is, so it is not
  // kept either.
  bool ReplayColour(StreamReader &in, TColor &later, void (TCanvas::*set)(TColor)) {
    TColor colour = 0;
    if (!in.Read(colour))
      return false;
    if (!deferPens)
      (canvas.*set)(colour);
    else if (colour >= 0)
      later = colour;
    return true;
  }

  bool ReplayWidth(StreamReader &in) {
    double width = 0.0;
    if (!in.Read(width))
      return false;
    const int pixels = PenPixels(width, transform.PenScale());
    if (!deferPens)
      canvas.SetPenWidth(pixels);
    else if (pixels >= 0)
      pending.width = pixels;
    if (pixels >= 0)
      reach = PenReach(pixels);
    return true;
  }

  // Gives the canvas what it lacks of the pen and brush in force: a text's
  // pen and the caller's pen after it often cancel out between two texts.
  void ApplyPending() {
    if (pending.pen >= 0 && pending.pen != given.pen)
      canvas.SetPenColor(given.pen = pending.pen);
    if (pending.width >= 0 && pending.width != given.width)
      canvas.SetPenWidth(given.width = pending.width);
    if (pending.brush >= 0 && pending.brush != given.brush)
      canvas.SetBrushColor(given.brush = pending.brush);
    pending = {};
  }

  // Whether a record whose points lie in the rows (or columns) low .. high,
  // before the truncation, leaves those from .. to of the band untouched.
  // NaN never misses: the clipping refuses it.
  bool Misses(double low, double high, double from, double to) const {
    return high + reach < from || low - reach >= to;
  }

  TCanvas &canvas;
  const TViewTransform &transform;
  Box2D window;
  Box2D shown;
  // The canvas starts with a pen of one pixel.
  double reach = PenReach(1);
  bool deferPens;
  // A pen and brush (-1: none, or not known).
  struct Tools {
    TColor pen = -1, brush = -1;
    int width = -1;
  };
  // What the canvas is still to be given, and what it was given last.
  Tools pending, given;
};
} // namespace

void PaintContainer::Paint(TCanvas &canvas, const TViewTransform &transform) const {
  Replay(canvas, transform, canvas.ClipRect(), nullptr).Run(*this);
}

void PaintContainer::PaintBand(TCanvas &canvas, const TViewTransform &transform,
                               const TRect &picture, int top, int bottom) const {
  const Box2D band{static_cast<double>(picture.left), static_cast<double>(top),
                   static_cast<double>(picture.right), static_cast<double>(bottom)};
  Replay(canvas, transform, picture, &band).Run(*this);
}
