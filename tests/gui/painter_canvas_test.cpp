// The QPainter canvas: the painter state each canvas call leaves, and the
// clip rectangle it reports for the replay.
#include "graphics/widgets/BatchedPainterCanvas.h"
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
  void clipsRectanglesAndText();
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

// Clips narrow and come back without taking the pen set meanwhile; their
// right and bottom edges, and those of rectangles, lie outside; text hangs
// below its top-left corner.
void PainterCanvasTest::clipsRectanglesAndText() {
  QImage image(200, 100, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  QPainterCanvas canvas(painter);
  auto clip = [&canvas] {
    const TRect r = canvas.ClipRect();
    return QList<int>{r.left, r.top, r.right, r.bottom};
  };
  canvas.RestoreClip(); // nothing saved: nothing happens
  canvas.SaveClip();
  canvas.IntersectClip({20, 20, 40, 40});
  canvas.SaveClip();
  canvas.IntersectClip({30, 0, 100, 100});
  QCOMPARE(clip(), (QList<int>{30, 20, 40, 40}));
  canvas.SetBrushColor(0);
  const TPoint square[4] = {{0, 0}, {99, 0}, {99, 99}, {0, 99}};
  canvas.Polygon(square, 4);
  canvas.SetPenColor(0x0000FF);
  canvas.RestoreClip();
  QCOMPARE(clip(), (QList<int>{20, 20, 40, 40}));
  canvas.RestoreClip();
  QCOMPARE(clip(), (QList<int>{0, 0, 200, 100}));
  QCOMPARE(painter.pen().color(), QColor(255, 0, 0));
  canvas.SetPenColor(0);
  canvas.Rectangle({150, 10, 160, 20});
  canvas.SetFontName("DejaVu Sans");
  canvas.SetFontSize(20);
  canvas.SetFontColor(0x00FF00);
  const int width = canvas.TextWidth("Kelmor"), height = canvas.TextHeight("Kelmor");
  canvas.TextOut(50, 50, "Kelmor");
  painter.end();
  QCOMPARE(image.pixelColor(39, 39), QColor(Qt::black));
  QCOMPARE(image.pixelColor(40, 39), QColor(Qt::white));
  QCOMPARE(image.pixelColor(39, 40), QColor(Qt::white));
  QCOMPARE(image.pixelColor(150, 10), QColor(Qt::black));
  QCOMPARE(image.pixelColor(159, 19), QColor(Qt::black));
  QCOMPARE(image.pixelColor(155, 15), QColor(Qt::white)); // an outline only
  QCOMPARE(image.pixelColor(160, 20), QColor(Qt::white));
  QRect ink; // a glyph may reach a pixel beyond its advance
  bool green = true;
  for (int y = 45; y < image.height(); ++y)
    for (int x = 45; x < 145; ++x)
      if (const QColor c = image.pixelColor(x, y); c != QColor(Qt::white)) {
        ink |= QRect(x, y, 1, 1);
        green &= c.green() > c.red();
      }
  QVERIFY(ink.top() >= 50 && ink.bottom() < 50 + height && ink.left() >= 50);
  QVERIFY(std::abs(ink.right() - (50 + width)) <= 2);
  QVERIFY(green); // in the font's colour, not the pen's

  // The batched canvas draws its gathered lines before a clip narrows.
  QImage lines(100, 20, QImage::Format_RGB32);
  lines.fill(Qt::white);
  QPainter linePainter(&lines);
  {
    BatchedPainterCanvas batched(linePainter);
    batched.MoveTo(0, 10);
    batched.LineTo(99, 10);
    batched.SaveClip();
    batched.IntersectClip({0, 0, 10, 20});
    batched.Flush();
    batched.RestoreClip();
  }
  linePainter.end();
  QCOMPARE(lines.pixelColor(90, 10), QColor(Qt::black));
}

QTEST_MAIN(PainterCanvasTest)
#include "painter_canvas_test.moc"
