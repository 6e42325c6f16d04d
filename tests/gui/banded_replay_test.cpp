// The paint box's replay in bands on several threads paints the picture the
// replay on one thread paints, pixel for pixel: on the example and on a
// generated frame, with the labels on, at several zooms and device pixel
// ratios (below 1 too), with the band seams at different rows for different
// thread counts.
#include "analysis/Drivers.h"
#include "analysis/Solutions.h"
#include "analysis/SolveStep.h"
#include "bench/FrameGenerator.h"
#include "graphics/widgets/BatchedPainterCanvas.h"
#include "graphics/widgets/PaintBoxPicture.h"
#include "tests/support/ExampleCopies.h"
#include "tests/support/FormsSession.h"
#include "tests/support/TempFolder.h"

#include <QPainter>
#include <QtTest>

namespace {

const QSize kPicture(766, 421);

// An image of the picture's size at a device pixel ratio.
QImage Blank(qreal ratio) {
  QImage image(kPicture * ratio, QImage::Format_RGB32);
  image.setDevicePixelRatio(ratio);
  image.fill(Qt::white);
  return image;
}

QImage OneThread(const GraphWindow &window, qreal ratio) {
  QImage image = Blank(ratio);
  QPainter painter(&image);
  BatchedPainterCanvas canvas(painter);
  window.Display.Paint(canvas, window.ViewTransform(kPicture.width(), kPicture.height()));
  return image;
}

// "" when the pictures agree, else the rows where they differ and the
// number of pixels.
QString Difference(const QImage &banded, const QImage &single) {
  int count = 0, first = -1, last = -1;
  for (int y = 0; y < single.height(); ++y)
    for (int x = 0; x < single.width(); ++x)
      if (banded.pixel(x, y) != single.pixel(x, y)) {
        ++count;
        last = y;
        first = first < 0 ? y : first;
      }
  return count == 0 ? QString()
                    : QString("%1 pixels differ in rows %2 to %3").arg(count).arg(first).arg(last);
}

void CompareAtRatio(const GraphWindow &window, qreal ratio) {
  const QImage single = OneThread(window, ratio);
  // The second replay with costs cuts its bands where the first spent its
  // time.
  ReplayCosts costs;
  for (int threads : {2, 3, 8, 6, 6}) {
    if (QTest::currentTestFailed())
      return;
    QImage banded = Blank(ratio);
    ReplayInBands(window.Display, window.ViewTransform(kPicture.width(), kPicture.height()), banded,
                  threads, threads == 6 ? &costs : nullptr);
    const QString difference = Difference(banded, single);
    QVERIFY2(difference.isEmpty(), qPrintable(QString("ratio %1: %2").arg(ratio).arg(difference)));
  }
  QCOMPARE(costs.Edges(single.height(), 6).size(), std::size_t(7));
}

// The views of the test: fitted, zoomed in a little and deep (moved off
// the centre), zoomed out.
void CompareAtZooms(GraphWindow &window) {
  window.ShowAll();
  const std::vector<std::function<void()>> steps = {
      [] {},
      [&] { window.ZoomIn(); },
      [&] {
        for (int i = 0; i < 6; ++i)
          window.ZoomIn();
        window.Pan({300, 200}, {500, 260}, kPicture.width(), kPicture.height());
      },
      [&] {
        for (int i = 0; i < 10; ++i)
          window.ZoomOut();
      },
  };
  for (const auto &step : steps) {
    step();
    for (qreal ratio : {1.0, 0.75, 1.5})
      CompareAtRatio(window, ratio);
  }
}

void LabelsOn(GraphWindow &window) {
  for (int layer : {kLayerNodeNumbers, kLayerBeamNumbers, kLayerHingeNumbers, kLayerMaterialNumbers,
                    kLayerExtrema, kLayerValues, kLayerReactions})
    window.SetLayer(layer, true);
  window.Rebuild();
}

} // namespace

class BandedReplayTest : public QObject {
  Q_OBJECT
private slots:
  void bandsPaintTheOneThreadPicture();
};

void BandedReplayTest::bandsPaintTheOneThreadPicture() {
  FormsSession session;
  TempFolder folder;
  CopyExampleFrame(folder);
  QVERIFY(session.Form().OpenSystemFile(folder.File("portal.ssy")));
  QVERIFY(session.Form().OpenLoadFile(folder.File("portal.sla")));
  QCOMPARE(RunFirstOrder(Solutions), kSolved);
  GraphWindow example;
  example.Open();
  LabelsOn(example);
  CompareAtZooms(example);
  example.SelectTab(4); // "Biegemoment"
  example.TabChange();
  LabelsOn(example);
  QVERIFY(example.Display.RecordCount() > 500);
  CompareAtZooms(example);

  GenerateFrame({10, 6});
  QCOMPARE(RunFirstOrder(Solutions), kSolved);
  GraphWindow frame;
  frame.Open();
  frame.SelectTab(4);
  frame.TabChange();
  frame.SetLayer(kLayerDeformed, true);
  LabelsOn(frame);
  QVERIFY(frame.Display.RecordCount() > 20000);
  CompareAtZooms(frame);
}

QTEST_MAIN(BandedReplayTest)
#include "banded_replay_test.moc"
