#pragma once
// The canvas a display list replays onto: the screen, a printer page, an SVG
// file or a PNG image behind one small interface, so the drawing layer stays
// free of any toolkit.  Coordinates are whole device pixels; the replay has
// already clipped them in double, so every value a canvas receives lies
// within its clip rectangle widened by a margin and fits an int.
#include <cstdint>
#include <string>

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
  // Outlines left <= x < right, top <= y < bottom with the pen; the inside
  // stays as it is.  An empty rectangle draws nothing.
  virtual void Rectangle(const TRect &rect) = 0;

  // The font of TextOut and of the measures: a family name (the device
  // substitutes one it has), a size in points (below 1 counts as 1) and a
  // colour (a negative one leaves the colour as it is).
  virtual void SetFontName(const std::string &name) = 0;
  virtual void SetFontSize(int points) = 0;
  virtual void SetFontColor(TColor colour) = 0;
  // Writes text (UTF-8) in the font with its top-left corner at (x, y).
  virtual void TextOut(int x, int y, const std::string &text) = 0;
  // Width and height of text in the font, in pixels of this device.
  virtual int TextWidth(const std::string &text) const = 0;
  virtual int TextHeight(const std::string &text) const = 0;

  // The part of the device that drawing can reach; the replay clips to it.
  virtual TRect ClipRect() const = 0;
  // SaveClip keeps the clip; IntersectClip narrows it to its part inside
  // rect; RestoreClip brings back the clip of the matching SaveClip (one
  // without a SaveClip does nothing).  Pen, brush and font stay as set.
  virtual void SaveClip() = 0;
  virtual void IntersectClip(const TRect &rect) = 0;
  virtual void RestoreClip() = 0;

  // Draws the picture of that name (a resource of the program, such as
  // "ProgramIcon") stretched into rect; an unknown name or an empty rect
  // draws nothing.
  virtual void StretchDraw(const TRect &rect, const std::string &picture) = 0;
};
