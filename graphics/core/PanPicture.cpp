#include "graphics/core/PanPicture.h"

#include <algorithm>

void PanPicture::Begin() {
  if (Active)
    return;
  Active = true;
  Released = false;
}

void PanPicture::End() {
  Active = false;
  Released = Begun != Moves;
}

bool PanPicture::Resized() {
  if (Took <= AtOnce)
    return true;
  Moved();
  return false;
}

void PanPicture::ReplayBegun(std::int64_t now) {
  Begun = Moves;
  BeganAt = now;
  Released = false;
}

void PanPicture::ReplayEnded(std::int64_t now) {
  Shown = Begun;
  EndedAt = now;
  Took = now - BeganAt;
}

std::int64_t PanPicture::UntilReplay(std::int64_t now) const {
  if (!Behind())
    return -1;
  if (Released)
    return 0;
  const std::int64_t due = EndedAt + std::max(ReplayInterval, 2 * Took);
  return std::max<std::int64_t>(due - now, 0);
}
