#pragma once
// The display list: every drawing of the program (structure, loads, results,
// symbols, texts) is recorded here in world units and only then replayed onto
// a canvas through a view transform.  It knows nothing of the model.  Each
// graph window owns one and rebuilds it from scratch: Reset, the drawing
// routines append records, the owner reads the bounding box as the extent of
// the drawing, and every repaint replays the whole list.
//
// The stream is a run of records packed without gaps: one type byte, then
// the payload, integers as int32 little-endian and reals as doubles:
//   0 line          x1, y1, x2, y2
//   1 polygon       n, then n points x, y (the points are no records)
//   2 brush colour  colour
//   3 pen colour    colour
//   4 pen width     width in world units, so lines scale with the view
#include "graphics/core/Canvas.h"
#include "graphics/core/ViewTransform.h"
#include "model/Geometry2D.h"
#include "model/UContainer.h"

#include <cstdint>
#include <string>
#include <string_view>

// A growable byte stream.  It keeps its capacity when emptied and at least
// doubles it when it grows, so a large drawing is copied a few times only.
class PContainer : public UContainer {
public:
  PContainer() : UContainer(1, 1000) {}
  const unsigned char *Bytes() const { return reinterpret_cast<const unsigned char *>(data); }

protected:
  void AppendBytes(const void *source, int n);
  // Count 0, the block kept.
  void Empty() { count = 0; }
};

enum PaintRecord : std::uint8_t {
  kLineRecord = 0,
  kPolygonRecord = 1,
  kBrushRecord = 2,
  kPenColourRecord = 3,
  kPenWidthRecord = 4,
};

// Alignment flags of a text relative to its anchor, in the text's own
// turned frame; the horizontal ones add up.
enum TextAlignment : int {
  kTextLeft = 2,    // the text ends one offset before the anchor
  kTextRight = 4,   // the text starts one offset after the anchor
  kTextCentred = 8, // the text is centred on the anchor
  kTextAbove = 16,  // the baseline lies one offset above the anchor
  kTextBelow = 32,  // without 16: the top lies one offset below the anchor
};

// A string as Text placed it: anchor, angle, offset and height (already
// scaled), alignment flags and colour.
struct TextPlacement {
  std::string text;
  Point2D anchor;
  double angle = 0.0;
  double offset = 0.0;
  double height = 0.0;
  int alignment = 0;
  TColor colour = 0;
};

// Told of every string Text draws; lets tests read labels without decoding
// strokes.  It writes nothing into the stream.
class TextObserver {
public:
  virtual ~TextObserver() = default;
  virtual void TextDrawn(const TextPlacement &placement) = 0;
};

class PaintContainer : public PContainer {
public:
  static constexpr int kPolylineSlots = 5;

  // An empty stream, all polyline slots and the box (0, 0); the pen cache
  // holds the values of Reset, which the owner calls before each build.
  PaintContainer();

  // Empties the stream (keeping its memory), record count 0, pen cache -1.0
  // and -1, and the box inverted (smallest corner +3.4e38, largest -3.4e38)
  // so that the first point sets it.
  void Reset();
  // Appends the type byte and length payload bytes as one record.
  void AddRecord(std::uint8_t type, const void *payload, int length);
  // A line record; extends the box by both ends.  Writes no pen: the caller
  // sets it first.  A line with a coordinate that is not finite appends
  // nothing.
  void Line(Point2D p1, Point2D p2);
  // Writes a pen colour record when the colour differs from the last one,
  // then a pen width record when the width differs (exactly).
  void SetPen(TColor colour, double width);
  // Writes a brush colour record every time.
  void SetBrush(TColor colour);
  // SetPen, then one polygon record of the n points, filled with the brush
  // and outlined with the pen; extends the box by every point.  n < 1 or a
  // point that is not finite appends no polygon.
  void Polygon(TColor colour, double width, const Point2D *points, int n);
  // Polyline slots 0 to 4, each remembering its last point.  PolyStart only
  // stores p; PolyTo draws a line from the slot's last point to p and stores
  // p.  A slot outside 0 .. 4 does nothing.
  void PolyStart(Point2D p, int slot);
  void PolyTo(Point2D p, int slot);

  // Draws text (UTF-8) with the stroke font, anchored at (x, y) and turned
  // by angle: the offset is a * e, the height a * f, strokes a tenth of the
  // height wide, placed by the alignment flags (without a horizontal flag
  // the text starts at the anchor, without 16 and 32 it is centred on it
  // vertically).  The caller's pen is in force again afterwards; after Reset,
  // when there is none yet, the text's pen stays.  An empty text draws
  // nothing but its pen.
  void Text(double a, double x, double y, double angle, double e, double f, TColor colour,
            std::string_view text, int alignment);
  // The observer Text tells of each string, or null for none; not owned.
  void SetTextObserver(TextObserver *observer) { textObserver = observer; }

  // A line in a style: kSolidLine, kDashedLine, any other value dash-dot.
  // Pattern periods are 15 * width long and the last one starts before p2
  // and is drawn whole.  Ends that coincide draw nothing.  A width that is
  // not positive and finite, or so small that the line needs more than
  // 10 000 periods, draws one solid line instead.
  void StyledLine(Point2D p1, Point2D p2, double width, TColor colour, int style);
  // A solid line from p1 to p2 with a head of headSize at p2 (flags
  // kArrowNoShortHead and kArrowTriangle).
  void Arrow(Point2D p1, Point2D p2, double headSize, double width, TColor colour, int flags);
  // The arrow of scale * vector ending at point (starting there with
  // kArrowFromPoint), with kArrowLabel the length of vector ("%.4g") beside
  // its free end, textSize high scaled by a (see Text).
  void ForceArrow(double a, Point2D point, double scale, Point2D vector, double headSize,
                  double width, double textSize, TColor colour, int flags);
  // An arc of scale * moment radians around centre, starting straight above
  // it and turning clockwise on the screen for a positive angle, with a head
  // at its end; with kArrowLabel the moment ("%.3g") beside its start.
  // Uses polyline slot 0.
  void MomentArc(double a, Point2D centre, double radius, double scale, double moment, double width,
                 double textSize, TColor colour, int flags);

  // Replays the stream onto the canvas: points through ToPixel, pen widths
  // as trunc(width * PenScale()) pixels.  Lines and polygons are clipped in
  // double to the canvas's clip rectangle widened by a margin wider than any
  // pen, so nothing outside it overflows the int conversion.  The canvas pen
  // is in force until the first pen record.
  void Paint(TCanvas &canvas, const TViewTransform &transform) const;
  // The replay of one band of a picture, for a canvas that shows only the
  // rows top <= y < bottom of it: lines and polygons are clipped as Paint
  // clips them on a canvas showing the whole picture, so they reach this
  // canvas with the same pixel coordinates; a line or polygon whose pen
  // cannot reach those rows, or the picture's columns, is skipped, and the
  // canvas gets the pen and
  // brush in force only before a line or polygon it draws.
  void PaintBand(TCanvas &canvas, const TViewTransform &transform, const TRect &picture, int top,
                 int bottom) const;

  int RecordCount() const { return recordCount; }
  const Box2D &BoundingBox() const { return box; }
  // Whether the box holds anything (it is inverted after Reset until the
  // first point).
  bool HasExtent() const { return box.xmin <= box.xmax && box.ymin <= box.ymax; }
  TColor PenColour() const { return penColour; }
  double PenWidth() const { return penWidth; }

private:
  std::int32_t recordCount = 0;
  Point2D polyPoints[kPolylineSlots];
  double penWidth = -1.0;
  TColor penColour = -1;
  Box2D box;
  TextObserver *textObserver = nullptr;
};
