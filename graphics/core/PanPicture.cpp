#include "graphics/core/PanPicture.h"

#include <algorithm>

void PanPicture::Begin(PixelPoint at, std::int64_t now) {
  if (Active)
    return;
  Active = true;
  ReplayedAt = Mouse = at;
  ReplayEnded = now;
}

void PanPicture::Move(PixelPoint at) {
  if (Active)
    Mouse = at;
}

void PanPicture::Replayed(std::int64_t now) {
  ReplayedAt = Mouse;
  ReplayEnded = now;
}

PixelPoint PanPicture::Offset() const {
  if (!Active)
    return {};
  return {Mouse.x - ReplayedAt.x, Mouse.y - ReplayedAt.y};
}

std::int64_t PanPicture::UntilReplay(std::int64_t now) const {
  const PixelPoint offset = Offset();
  if (offset.x == 0 && offset.y == 0)
    return -1;
  return std::max<std::int64_t>(ReplayEnded + ReplayInterval - now, 0);
}
