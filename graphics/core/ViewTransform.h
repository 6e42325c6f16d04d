#pragma once
// Maps a box of the world (model units, x to the right, y downwards) into a
// rectangle of device pixels and back.  The replay of a display list uses it
// world to pixel, the graph window's mouse handling pixel to world.  A new
// transform holds zero scales and offsets, which maps every world point to
// the pixel origin.
#include "graphics/core/Canvas.h"
#include "model/Geometry2D.h"

class TViewTransform {
public:
  // Takes the world box, then fits it into the pixel rectangle so that its
  // centre falls on the rectangle's centre and it fills 1/1.1 of the
  // constraining direction.  aspect is the device's horizontal over vertical
  // resolution (1.0 on the screen); one that is not positive and finite
  // counts as 1.0.  A box of zero extent (also an inverted one, the box of an
  // empty display list, or one that is not finite) only replaces the box and
  // leaves scales and offsets as they were.  World y grows downwards like
  // pixel y: there is no flip.
  void Fit(const Box2D &box, int left, int top, int right, int bottom, double aspect);

  // The pixel of a world point, each coordinate truncated toward zero.  A
  // product beyond the int range is held at its end.
  TPoint ToPixel(double x, double y) const;
  // The same point in pixels before the truncation, and its column and row
  // alone.
  Point2D ToPixelReal(double x, double y) const { return {Column(x), Row(y)}; }
  double Column(double x) const { return (x + ox) * sx; }
  double Row(double y) const { return (y + oy) * sy; }
  // The world point of a pixel; (0, 0) while a scale is 0.
  Point2D ToWorld(double px, double py) const;
  // Pixels per world unit of a pen width: min(sx, sy).
  double PenScale() const;

  Box2D Box;
  double sx = 0.0; // pixels per world unit, horizontally
  double sy = 0.0; // pixels per world unit, vertically
  double ox = 0.0; // world units added before scaling
  double oy = 0.0;
};

// value truncated toward zero and held within the int range; NaN becomes 0.
int TruncateToInt(double value);
