#pragma once
// Where the picture a graph window replayed last lies in its paint box now
// that the view has moved on: the view box panned, or the paint box
// resized, since the replay.  Both transforms map the world into pixels by
// column = (x + ox) * sx, so the picture's pixels map into the box's by one
// scale and one shift per direction.  A pan keeps the scale and moves the
// picture by whole pixels; a resize scales it about the centre of the view.
#include "graphics/core/ViewTransform.h"

struct PicturePlacement {
  // Where the picture's top left corner goes, in the box's pixels.
  double left = 0.0;
  double top = 0.0;
  // Pixels of the box per pixel of the picture.
  double scaleX = 1.0;
  double scaleY = 1.0;

  // True when the picture keeps its size and only moves (by whole pixels).
  bool Unscaled() const { return scaleX == 1.0 && scaleY == 1.0; }
};

// The placement of a picture replayed through `replayed` in a box whose
// view is `now`.  Equal scales give a shift rounded to whole pixels.  When
// either transform has no usable scale (0 or not finite: a view of nothing)
// the picture stays where it is, unscaled.
PicturePlacement PlacePicture(const TViewTransform &replayed, const TViewTransform &now);
