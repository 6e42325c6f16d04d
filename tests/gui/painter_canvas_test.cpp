// The QPainter canvas: the painter state each canvas call leaves, and the
// clip rectangle it reports for the replay.
#include "graphics/widgets/QPainterCanvas.h"

#include <QImage>
#include <QPainter>
#include <QtTest>

class PainterCanvasTest : public QObject {
  Q_OBJECT
private slots:
  void penAndBrushFollowTheCalls();
  void polygonsFillOddEven();
  void clipRectFollowsClipAndTranslation();
};

void PainterCanvasTest::penAndBrushFollowTheCalls() {
  QImage image(50, 50, QImage::Format_RGB32);
  QPainter painter(&image);
  painter.setPen(QPen(Qt::red, 7));
  painter.setBrush(Qt::blue);
  painter.setRenderHint(QPainter::Antialiasing, true);
  QPainterCanvas canvas(painter); // starts black, thin, white, not antialiased
  QCOMPARE(painter.pen().color(), QColor(Qt::black));
  QVERIFY(painter.pen().isCosmetic() && painter.pen().width() == 0);
  QCOMPARE(painter.brush().color(), QColor(Qt::white));
  QCOMPARE(painter.brush().style(), Qt::SolidPattern);
  QVERIFY(!painter.testRenderHint(QPainter::Antialiasing));

  canvas.SetPenColor(0x0000FF); // blue * 65536 + green * 256 + red
  canvas.SetBrushColor(0x123456);
  QCOMPARE(painter.pen().color(), QColor(255, 0, 0));
  QCOMPARE(painter.brush().color(), QColor(0x56, 0x34, 0x12));
  canvas.SetPenWidth(6);
  QCOMPARE(painter.pen().width(), 6);
  QCOMPARE(painter.pen().capStyle(), Qt::RoundCap);
  QCOMPARE(painter.pen().joinStyle(), Qt::RoundJoin);
  QCOMPARE(painter.pen().color(), QColor(255, 0, 0)); // the width keeps the colour
  canvas.SetPenColor(-1);                             // no colour, no width: ignored
  canvas.SetPenWidth(-1);
  canvas.SetBrushColor(-1);
  QCOMPARE(painter.pen().color(), QColor(255, 0, 0));
  QCOMPARE(painter.pen().width(), 6);
  QCOMPARE(painter.brush().color(), QColor(0x56, 0x34, 0x12));
  for (int width : {1, 0}) {
    canvas.SetPenWidth(width);
    QVERIFY(painter.pen().isCosmetic() && painter.pen().width() == 0);
  }
}

void PainterCanvasTest::polygonsFillOddEven() {
  // A square traced twice: odd-even filling leaves its inside empty, where
  // a winding fill would paint it.
  QImage image(40, 40, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  QPainterCanvas canvas(painter);
  canvas.SetBrushColor(0x000000);
  const TPoint twice[8] = {{5, 5}, {35, 5}, {35, 35}, {5, 35}, {5, 5}, {35, 5}, {35, 35}, {5, 35}};
  canvas.Polygon(twice, 8);
  const TPoint once[4] = {{0, 0}, {3, 0}, {3, 3}, {0, 3}};
  canvas.Polygon(once, 4);
  painter.end();
  QCOMPARE(image.pixelColor(20, 20), QColor(Qt::white));
  QCOMPARE(image.pixelColor(1, 1), QColor(Qt::black));
}

void PainterCanvasTest::clipRectFollowsClipAndTranslation() {
  QImage image(200, 100, QImage::Format_RGB32);
  QPainter painter(&image);
  QPainterCanvas canvas(painter);
  auto clip = [&canvas] {
    const TRect r = canvas.ClipRect();
    return QList<int>{r.left, r.top, r.right, r.bottom};
  };
  QCOMPARE(clip(), (QList<int>{0, 0, 200, 100}));
  painter.translate(-50, 10);
  QCOMPARE(clip(), (QList<int>{50, -10, 250, 90}));
  painter.setClipRect(QRect(60, 0, 20, 30));
  QCOMPARE(clip(), (QList<int>{60, 0, 80, 30}));
}

QTEST_MAIN(PainterCanvasTest)
#include "painter_canvas_test.moc"
