#include "graphics/core/PicturePlacement.h"

#include <cmath>

namespace {

bool Usable(double scale) {
  return scale > 0.0 && std::isfinite(scale);
}

// The scale and shift in one direction: pixel p of the picture lies at
// p * scale + shift in the box.
void Place(double replayedOffset, double replayedScale, double offset, double scale, double &shift,
           double &factor) {
  factor = scale == replayedScale ? 1.0 : scale / replayedScale;
  shift = (offset - replayedOffset) * scale;
  if (factor == 1.0)
    shift = std::round(shift);
}

} // namespace

PicturePlacement PlacePicture(const TViewTransform &replayed, const TViewTransform &now) {
  PicturePlacement placement;
  if (!Usable(replayed.sx) || !Usable(replayed.sy) || !Usable(now.sx) || !Usable(now.sy))
    return placement;
  Place(replayed.ox, replayed.sx, now.ox, now.sx, placement.left, placement.scaleX);
  Place(replayed.oy, replayed.sy, now.oy, now.sy, placement.top, placement.scaleY);
  if (!std::isfinite(placement.left) || !std::isfinite(placement.top))
    return {};
  return placement;
}
