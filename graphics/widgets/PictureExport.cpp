#include "graphics/widgets/PictureExport.h"

#include "graphics/widgets/QPainterCanvas.h"
#include "model/ReplaceFile.h"
#include "platform/MessageBox.h"

#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QPainter>
#include <QSvgGenerator>

namespace {
// At this resolution a picture unit is 0.01 mm, the unit of the size.
constexpr int kSvgResolution = 2540;
// 300 dpi, the image's resolution.
constexpr int kImageDotsPerMetre = 11811;
const char *const kSvgMime = "image/svg+xml";
const char *const kCopyFailed = "Fehler beim Kopieren des Bildes in die Zwischenablage!";

void Replay(QPainter &painter, const PaintContainer &display, const Box2D &viewBox,
            const TRect &target, int thinnestPen = 0) {
  QPainterCanvas canvas(painter);
  canvas.SetThinnestPen(thinnestPen);
  TViewTransform transform;
  transform.Fit(viewBox, target.left, target.top, target.right, target.bottom, 1.0);
  display.Paint(canvas, transform);
}

bool PutOnClipboard(const QByteArray &svg, const QImage &image) {
  QClipboard *clipboard = QGuiApplication::clipboard();
  if (clipboard == nullptr)
    return false;
  auto *mime = new QMimeData;
  mime->setData(kSvgMime, svg);
  mime->setImageData(image);
  clipboard->setMimeData(mime);
  return true;
}
} // namespace

QByteArray RenderSvg(const PaintContainer &display, const Box2D &viewBox, const PictureSize &size) {
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  QSvgGenerator generator;
  generator.setOutputDevice(&buffer);
  generator.setResolution(kSvgResolution);
  generator.setSize(QSize(size.mmWidth, size.mmHeight));
  generator.setViewBox(QRect(0, 0, size.target.right, size.target.bottom));
  QPainter painter;
  if (!painter.begin(&generator))
    return {};
  Replay(painter, display, viewBox, size.target, size.thinnestPen);
  if (!painter.end())
    return {};
  return buffer.data();
}

QImage RenderImage(const PaintContainer &display, const Box2D &viewBox, const PictureSize &size) {
  QImage image(size.image.right, size.image.bottom, QImage::Format_RGB32);
  image.setDotsPerMeterX(kImageDotsPerMetre);
  image.setDotsPerMeterY(kImageDotsPerMetre);
  image.fill(Qt::white);
  QPainter painter(&image);
  Replay(painter, display, viewBox, size.image);
  return image;
}

bool CopyPicture(const PaintContainer &display, const Box2D &viewBox, const std::string *fileName) {
  const std::optional<PictureSize> size = PictureSizeOf(display, viewBox);
  QByteArray svg;
  if (size)
    svg = RenderSvg(display, viewBox, *size);
  bool done = !svg.isEmpty() && PutOnClipboard(svg, RenderImage(display, viewBox, *size));
  if (done && fileName != nullptr)
    done =
        !fileName->empty() && ReplaceFile(*fileName, std::string_view(svg.constData(), svg.size()));
  if (!done)
    ShowMessage(kCopyFailed);
  return done;
}
