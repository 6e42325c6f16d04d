#include "graphics/widgets/PaintBoxPicture.h"

#include "analysis/ParallelWork.h"
#include "graphics/widgets/BatchedPainterCanvas.h"

#include <QPainter>
#include <QRegion>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <utility>
#include <vector>

namespace {

// Fills and replays the device rows first <= y < last of the image whose
// buffer starts at bits.  The band's own image spans the whole buffer, and
// its painter is clipped to the band's rows: Qt's thin lines, cut at the
// edge of a device, may come out one pixel aside of where they run in the
// whole image, so no band's device may end where a line runs on.
void ReplayBand(const PaintContainer &list, const TViewTransform &transform, const QImage &image,
                uchar *bits, const TRect &picture, int first, int last) {
  const qreal ratio = image.devicePixelRatio();
  QImage(bits + static_cast<qsizetype>(first) * image.bytesPerLine(), image.width(), last - first,
         image.bytesPerLine(), image.format())
      .fill(Qt::white);
  QImage band(bits, image.width(), image.height(), image.bytesPerLine(), image.format());
  band.setDevicePixelRatio(ratio);
  QPainter painter(&band);
  painter.setClipRect(QRectF(0.0, first / ratio, image.width() / ratio, (last - first) / ratio));
  BatchedPainterCanvas canvas(painter);
  list.PaintBand(canvas, transform, picture, static_cast<int>(std::floor(first / ratio)),
                 static_cast<int>(std::ceil(last / ratio)));
}

// The device rows first <= y < last that the drawing's points cover, within
// the image's rows; outside them only the pens reach, so the bands are cut
// there.
std::pair<int, int> DrawingRows(const PaintContainer &list, const TViewTransform &transform,
                                const QImage &image) {
  const int rows = image.height();
  if (!list.HasExtent())
    return {0, rows};
  const qreal ratio = image.devicePixelRatio();
  const double top = transform.Row(list.BoundingBox().ymin) * ratio;
  const double bottom = transform.Row(list.BoundingBox().ymax) * ratio;
  const int first = static_cast<int>(std::clamp(top, 0.0, static_cast<double>(rows)));
  const int last = static_cast<int>(std::clamp(bottom, 0.0, static_cast<double>(rows)));
  return first < last ? std::pair{first, last} : std::pair{0, rows};
}

} // namespace

int ReplayThreads() {
  return AnalysisThreads();
}

void ReplayInBands(const PaintContainer &list, const TViewTransform &transform, QImage &image,
                   int threads, ReplayCosts *costs) {
  const auto [first, last] = DrawingRows(list, transform, image);
  // Below one device pixel per pixel, Qt's painter clipped to a band leaves
  // out parts of the band: such a picture is replayed in one band.
  const int most = image.devicePixelRatio() < 1.0 ? 1 : std::max(1, (last - first) / kMinBandRows);
  const int count = std::clamp(threads, 1, most);
  std::vector<int> edges = costs ? costs->Edges(image.height(), count) : std::vector<int>();
  if (edges.empty()) {
    // The drawing's rows cut evenly, the first and the last band reaching
    // to the image's edges.
    edges.resize(count + 1);
    for (int band = 1; band < count; ++band)
      edges[band] = first + (last - first) * band / count;
    edges[count] = image.height();
  }
  const QSize size = image.deviceIndependentSize().toSize();
  const TRect picture{0, 0, size.width(), size.height()};
  // Taken once here: bits() may detach and counts its calls, which the
  // threads must not do at the same time.
  uchar *bits = image.bits();
  std::vector<double> times(count);
  RunOnThreads(count, [&](int band) {
    const auto start = std::chrono::steady_clock::now();
    ReplayBand(list, transform, image, bits, picture, edges[band], edges[band + 1]);
    times[band] = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  });
  if (costs)
    costs->Took(edges, times);
}

std::vector<int> ReplayCosts::Edges(int height, int count) const {
  double total = 0.0;
  for (double row : rows)
    total += row;
  if (static_cast<int>(rows.size()) != height || !(total > 0.0))
    return {};
  std::vector<int> edges(count + 1, height);
  edges[0] = 0;
  double sum = 0.0;
  int band = 1;
  for (int row = 0; row < height && band < count; ++row) {
    sum += rows[row];
    while (band < count && sum >= total * band / count)
      edges[band++] = row + 1;
  }
  return edges;
}

void ReplayCosts::Took(const std::vector<int> &edges, const std::vector<double> &seconds) {
  rows.assign(edges.back(), 0.0);
  for (std::size_t band = 0; band < seconds.size(); ++band)
    for (int row = edges[band]; row < edges[band + 1]; ++row)
      rows[row] = seconds[band] / (edges[band + 1] - edges[band]);
}

void DrawPlaced(QPainter &painter, const QImage &picture, const PicturePlacement &placement,
                const QRect &area) {
  const QSizeF size = picture.deviceIndependentSize();
  const QRectF target(placement.left, placement.top, size.width() * placement.scaleX,
                      size.height() * placement.scaleY);
  const QRect covered = placement.Unscaled() ? target.toRect() : target.toAlignedRect();
  for (const QRect &strip : QRegion(area).subtracted(covered))
    painter.fillRect(strip, Qt::white);
  const QRect shown = covered & area;
  if (shown.isEmpty())
    return;
  if (!placement.Unscaled()) {
    painter.save();
    painter.setClipRect(shown);
    painter.drawImage(target, picture);
    painter.restore();
    return;
  }
  const qreal ratio = picture.devicePixelRatio();
  painter.drawImage(
      shown, picture,
      QRectF(QPointF(shown.topLeft() - covered.topLeft()) * ratio, QSizeF(shown.size()) * ratio));
}
