#pragma once
// The canvas a display list replays onto: the screen, a printer page, an SVG
// file or a PNG image behind one small interface, so the drawing layer stays
// free of any toolkit.  Coordinates are whole device pixels; the replay has
// already clipped them in double, so every value a canvas receives lies
// within its clip rectangle widened by a margin and fits an int.
#include <cstdint>

// A colour as blue * 65536 + green * 256 + red.  A negative value is no
// colour at all: the canvases ignore it.
using TColor = std::int32_t;

struct TPoint {
  int x = 0;
  int y = 0;
};

// The pixels left <= x < right, top <= y < bottom.
struct TRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
};

class TCanvas {
public:
  virtual ~TCanvas() = default;
  // A negative colour or width leaves the pen as it is.  Widths 0 and 1 both
  // draw the thinnest line the device has.
  virtual void SetPenColor(TColor colour) = 0;
  virtual void SetPenWidth(int width) = 0;
  // A negative colour leaves the brush as it is.
  virtual void SetBrushColor(TColor colour) = 0;
  // Sets the current position.
  virtual void MoveTo(int x, int y) = 0;
  // Draws from the current position to (x, y) with the pen, then moves there.
  virtual void LineTo(int x, int y) = 0;
  // Closes the n points, fills them (odd-even) with the brush and outlines
  // them with the pen.  n < 1 draws nothing.
  virtual void Polygon(const TPoint *points, int n) = 0;
  // The part of the device that drawing can reach; the replay clips to it.
  virtual TRect ClipRect() const = 0;
};
