#include "graphics/core/GraphOutput.h"

#include <cmath>

namespace {
// Distance of the tile caption from the tile's left and bottom edges.
constexpr int kCaptionOffset = 6;
// The picture's diagonal in millimetres.
constexpr float kPictureDiagonal = 150.0f;
// The image's resolution, and the units of 0.01 mm in an inch.
constexpr int kImageDpi = 300;
constexpr int kUnitsPerInch = 2540;
// More than any side of a picture whose diagonal is 150 mm.
constexpr double kMaxUnits = 20000.0;
} // namespace

void PrintTile(TCanvas &canvas, double aspect, const std::string &caption,
               const PaintContainer &display, const Box2D &viewBox) {
  const TRect r = canvas.ClipRect();
  const int h = canvas.TextHeight(caption);
  canvas.TextOut(r.left + kCaptionOffset, r.bottom - h - kCaptionOffset, caption);
  TViewTransform transform;
  transform.Fit(viewBox, r.left, r.top, r.right, r.bottom, aspect);
  display.Paint(canvas, transform);
  canvas.SetPenWidth(1);
  canvas.SetPenColor(0);
  canvas.MoveTo(r.left, r.top);
  canvas.LineTo(r.right - 1, r.top);
  canvas.LineTo(r.right - 1, r.bottom - 1);
  canvas.LineTo(r.left, r.bottom - 1);
  canvas.LineTo(r.left, r.top);
}

std::optional<PictureSize> PictureSizeOf(const PaintContainer &display, const Box2D &viewBox) {
  const double diagonal = BoxDiagonal(viewBox);
  if (display.RecordCount() == 0 || !(diagonal > 0.0) || !std::isfinite(diagonal))
    return std::nullopt;
  const float s = kPictureDiagonal / static_cast<float>(diagonal);
  const double width = (viewBox.xmax - viewBox.xmin) * 100.0 * s;
  const double height = (viewBox.ymax - viewBox.ymin) * 100.0 * s;
  // The diagonal bounds both near 15000 unless the float scale lost its
  // precision (a diagonal beyond the float range, or below it).
  if (!(width >= 0.0 && width <= kMaxUnits && height >= 0.0 && height <= kMaxUnits))
    return std::nullopt;
  PictureSize size;
  size.mmWidth = static_cast<int>(width);
  size.mmHeight = static_cast<int>(height);
  size.target = {0, 0, size.mmWidth, size.mmHeight};
  size.image = {0, 0, size.mmWidth * kImageDpi / kUnitsPerInch,
                size.mmHeight * kImageDpi / kUnitsPerInch};
  size.thinnestPen = kUnitsPerInch / kImageDpi;
  if (size.image.right < 1 || size.image.bottom < 1)
    return std::nullopt;
  return size;
}
