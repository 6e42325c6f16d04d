// The exported picture of a display list: SVG with the size of the older
// metafiles, on the clipboard with an image of it, and in a named file.
#include "graphics/widgets/PictureExport.h"
#include "tests/support/DialogRecorder.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/support/TempFolder.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QSvgRenderer>
#include <QtTest>

namespace {
const char *const kCopyFailed = "Fehler beim Kopieren des Bildes in die Zwischenablage!";
const Box2D kView{0, 0, 200, 100};

// A frame of three lines in two pens and two filled triangles.
void Drawing(PaintContainer &pc) {
  pc.Reset();
  pc.SetPen(0x808080, 1.0);
  pc.PolyStart({0, 100}, 0);
  pc.PolyTo({0, 0}, 0);
  pc.PolyTo({200, 0}, 0);
  pc.SetPen(0xFF0000, 2.0);
  pc.PolyTo({200, 100}, 0);
  const Point2D left[3] = {{0, 0}, {50, 0}, {0, 40}};
  const Point2D right[3] = {{200, 0}, {150, 0}, {200, 40}};
  pc.SetBrush(0x0000FF);
  pc.Polygon(0xFF0000, 2.0, left, 3);
  pc.Polygon(0xFF0000, 2.0, right, 3);
}

QByteArray ClipboardSvg() {
  const QMimeData *mime = QGuiApplication::clipboard()->mimeData();
  return mime ? mime->data("image/svg+xml") : QByteArray();
}
} // namespace

class PictureExportTest : public QObject {
  Q_OBJECT
private slots:
  void svgHasTheSizeAndTheElementsOfTheList();
  void clipboardAndFileGetTheSamePicture();
  void noPictureOrAnUnwritableFileShowsTheMessage();
};

// The metafile's size in millimetres, drawn in units of 0.01 mm: a viewBox
// 30 times finer than the 0.3 mm units of the older target, so that the
// stroke-font labels keep their shapes.
void PictureExportTest::svgHasTheSizeAndTheElementsOfTheList() {
  PaintContainer pc;
  Drawing(pc);
  const std::optional<PictureSize> size = PictureSizeOf(pc, kView);
  QVERIFY(size);
  const QByteArray svg = RenderSvg(pc, kView, *size);
  QVERIFY(svg.contains("<svg width=\"134.16mm\" height=\"67.08mm\"\n viewBox=\"0 0 13416 6708\""));
  // Each line record is one polyline, each polygon one path.
  QCOMPARE(svg.count("<polyline"), 3);
  QCOMPARE(svg.count("<path"), 2);
  QVERIFY(svg.contains("points=\"609,6403 609,304 \""));
  QSvgRenderer renderer(svg);
  QVERIFY(renderer.isValid());
  QCOMPARE(renderer.viewBox(), QRect(0, 0, 13416, 6708));
  QCOMPARE(renderer.viewBox().width() / 30, 447);
  QCOMPARE(renderer.viewBox().height() / 30, 223);
  // Pens keep their widths on paper: 1 world unit is 61 units of 0.01 mm.
  QVERIFY(svg.contains("stroke-width=\"60\""));
  QVERIFY(svg.contains("stroke-width=\"121\""));

  // The thinnest pen is one pixel of the 300-dpi image, 0.08 mm, with a
  // width of its own: a one-unit cosmetic line would vanish where the
  // reader does not know the cosmetic pen.
  PaintContainer thin;
  thin.Reset();
  thin.SetPen(0, 0.0);
  thin.PolyStart({0, 0}, 0);
  thin.PolyTo({200, 100}, 0);
  const QByteArray hairline = RenderSvg(thin, kView, *PictureSizeOf(thin, kView));
  QVERIFY(hairline.contains("stroke-width=\"8\""));
  QVERIFY(!hairline.contains("non-scaling-stroke"));
}

void PictureExportTest::clipboardAndFileGetTheSamePicture() {
  PaintContainer pc;
  Drawing(pc);
  DialogRecorder dialogs;
  QGuiApplication::clipboard()->clear();
  QVERIFY(CopyPicture(pc, kView));
  const QByteArray svg = ClipboardSvg();
  QCOMPARE(svg, RenderSvg(pc, kView, *PictureSizeOf(pc, kView)));
  const QImage image = QGuiApplication::clipboard()->image();
  // The image has 300 dpi of the picture's size: 1 584 x 792 pixels, a
  // diagonal of 1 771.
  QCOMPARE(image.size(), QSize(1584, 792));
  QCOMPARE(image.dotsPerMeterX(), 11811);
  QCOMPARE(image.pixelColor(792, 396), QColor(Qt::white));
  QCOMPARE(image.pixelColor(144, 108), QColor(255, 0, 0)); // inside a filled triangle

  // A name gets exactly those bytes, whatever its extension says.
  TempFolder folder;
  for (const char *name : {"bild.svg", "bild.wmf", "bild"}) {
    QGuiApplication::clipboard()->clear();
    const std::string file = folder.File(name);
    QVERIFY(CopyPicture(pc, kView, &file));
    QCOMPARE(QByteArray::fromStdString(TempFolder::Load(file)), svg);
    QCOMPARE(ClipboardSvg(), svg);
  }
  QCOMPARE(folder.Entries().size(), 3u);
  QVERIFY(dialogs.requests.empty());
}

void PictureExportTest::noPictureOrAnUnwritableFileShowsTheMessage() {
  TempFolder folder;
  const std::string file = folder.File("bild.svg");
  TempFolder::Store(file, "bisher");
  PaintContainer empty;
  empty.Reset();
  PaintContainer pc;
  Drawing(pc);
  DialogRecorder dialogs;
  QGuiApplication::clipboard()->setText("davor");
  // An empty list (its box inverted) and a view without extent: no picture.
  QVERIFY(!CopyPicture(empty, empty.BoundingBox(), &file));
  QVERIFY(!CopyPicture(pc, Box2D{3, 3, 3, 3}, &file));
  QCOMPARE(QGuiApplication::clipboard()->text(), QString("davor"));
  QCOMPARE(TempFolder::Load(file), std::string("bisher"));
  // A file that cannot be written keeps what it held; the clipboard has
  // the picture all the same.
  {
    FileSizeLimit limit(64);
    QVERIFY(limit.active());
    QVERIFY(!CopyPicture(pc, kView, &file));
  }
  QCOMPARE(TempFolder::Load(file), std::string("bisher"));
  QVERIFY(!ClipboardSvg().isEmpty());
  const std::string nowhere = folder.File("fehlt/bild.svg");
  QVERIFY(!CopyPicture(pc, kView, &nowhere));
  QCOMPARE(folder.Entries(), std::vector<std::string>{"bild.svg"});
  QCOMPARE(dialogs.Messages(), std::vector<std::string>(4, kCopyFailed));
}

QTEST_MAIN(PictureExportTest)
#include "picture_export_test.moc"
