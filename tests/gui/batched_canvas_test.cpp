// The batched canvas paints what the line-by-line canvas paints: pens in
// their order, polygons over the lines drawn before them; only a thin line
// from a pixel to itself is left out.
#include "graphics/core/PaintContainer.h"
#include "graphics/widgets/BatchedPainterCanvas.h"

#include <QImage>
#include <QPainter>
#include <QtTest>

namespace {

template <class Canvas> QImage Replay(const PaintContainer &list) {
  QImage image(60, 60, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  Canvas canvas(painter);
  TViewTransform transform;
  transform.sx = transform.sy = 1.0;
  list.Paint(canvas, transform);
  return image;
}

} // namespace

class BatchedCanvasTest : public QObject {
  Q_OBJECT
private slots:
  void paintsAsLineByLine();
};

void BatchedCanvasTest::paintsAsLineByLine() {
  PaintContainer list;
  list.Reset();
  list.SetBrush(0xFFFFFF);
  list.SetPen(0, 0.0);
  list.Line({5, 5}, {55, 55});
  list.Line({5, 55}, {55, 5});
  // White over the crossing, in the pen of the lines: no pen record between.
  const Point2D square[] = {{20, 20}, {40, 20}, {40, 40}, {20, 40}};
  list.Polygon(0, 0.0, square, 4);
  list.SetPen(255, 3.0);
  list.Line({5, 30}, {55, 30});
  const QImage batched = Replay<BatchedPainterCanvas>(list);
  QCOMPARE(batched, Replay<QPainterCanvas>(list));
  QCOMPARE(batched.pixelColor(25, 25), QColor(Qt::white)); // the line below the square
  QCOMPARE(batched.pixelColor(30, 30), QColor(Qt::red));   // the last line over it

  list.SetPen(0, 0.0);
  list.Line({50, 40}, {50.4, 40.3}); // one pixel
  const QImage dot = Replay<BatchedPainterCanvas>(list);
  QCOMPARE(dot.pixelColor(50, 40), QColor(Qt::white));
  QCOMPARE(dot, batched);
}

QTEST_MAIN(BatchedCanvasTest)
#include "batched_canvas_test.moc"
