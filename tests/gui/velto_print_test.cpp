// Printing the document into the page rectangle given by the margins.
#include "editor/TextPrinting.h"
#include "tests/support/DialogRecorder.h"
#include "tests/support/VeltoWindows.h"

#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QToolButton>
#include <QtTest>

namespace {
constexpr int kDpi = 600;

// A white image at 600 pixels per inch to print on.
QImage Paper(int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  image.setDotsPerMeterX(qRound(kDpi / 0.0254));
  image.setDotsPerMeterY(qRound(kDpi / 0.0254));
  image.fill(Qt::white);
  return image;
}

// The smallest rectangle holding every non-white pixel.
QRect Ink(const QImage &image) {
  QRect ink;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (image.pixel(x, y) != qRgb(255, 255, 255))
        ink |= QRect(x, y, 1, 1);
  return ink;
}

// A document of lines of capital H in 36 pt DejaVu Sans.
std::unique_ptr<QTextDocument> Lines(int count, const QString &line) {
  auto document = std::make_unique<QTextDocument>();
  document->setDefaultFont(QFont("DejaVu Sans", 36));
  QStringList lines;
  for (int i = 0; i < count; ++i)
    lines << line;
  document->setPlainText(lines.join('\n'));
  return document;
}

// The pages the PDF file holds.
int PdfPages(const QString &path) {
  return ReadBytes(path).count("/Type /Page\n");
}
} // namespace

class VeltoPrintTest : public QObject {
  Q_OBJECT
private slots:
  void init() { QFile::remove(TestSettingsPath()); }
  void cleanup() { QFile::remove(TestSettingsPath()); }
  void pageRectangleFromMarginsInMillimetres();
  void textStaysInsideThePageRectangleAtPrinterResolution();
  void longTextRunsOverPagesOfThePageRectangle();
  void printCommandWritesTheAnsweredPdf();
};

void VeltoPrintTest::pageRectangleFromMarginsInMillimetres() {
  // 5 mm at 600 dpi = 118.11 pixels; 20 mm = 472.44; 30 mm = 708.66.
  QCOMPARE(PageRectangle({5, 5, 5, 5}, 600, 600, 4800, 6600),
           QRect(QPoint(118, 118), QPoint(4681 - 1, 6481 - 1)));
  QCOMPARE(PageRectangle({20, 30, 5, 0}, 600, 300, 4800, 3300),
           QRect(QPoint(472, 59), QPoint(4091 - 1, 3300 - 1)));
  // Margins that leave no room give the whole printable area.
  QCOMPARE(PageRectangle({100, 100, 5, 5}, 600, 600, 3000, 6600), QRect(0, 0, 3000, 6600));
}

void VeltoPrintTest::textStaysInsideThePageRectangleAtPrinterResolution() {
  // At 600 dpi 36 pt is an em of 300 pixels.  DejaVu Sans, in 2048ths of an
  // em: ascent 1901, descent 483, cap height 1493, H advance 1540 with a left
  // bearing of 201.  So H is 218.7 pixels high, its ink starts 29.4 pixels
  // right of the page edge and 59.8 (ascent - cap height) below it.
  QImage capital = Paper(2000, 1000);
  const QRect wide(118, 118, 1700, 800);
  QCOMPARE(PrintText(*Lines(1, "H"), capital, wide, [] { return true; }), 1);
  const QRect h = Ink(capital);
  QVERIFY(qAbs(h.height() - 218.7) <= 2);
  QVERIFY(qAbs(h.left() - (118 + 29.4)) <= 2);
  QVERIFY(qAbs(h.top() - (118 + 59.8)) <= 2);

  // Margins 5, 10, 20, 30 mm on 2000 x 2400 pixels: left 118, right 1763,
  // top 472, bottom 1691.  Long lines wrap at the right edge after
  // trunc(1645 / 225.6) = 7 letters; the 1219 pixels hold 3 lines of 349.2
  // pixels, the rest goes to the next page.
  QImage paper = Paper(2000, 2400);
  const QRect page = PageRectangle({5, 10, 20, 30}, kDpi, kDpi, 2000, 2400);
  QCOMPARE(page, QRect(QPoint(118, 472), QPoint(1762, 1690)));
  int newPages = 0;
  const int painted = PrintText(*Lines(8, QString(40, 'H')), paper, page, [&] {
    ++newPages;
    return false;
  });
  QCOMPARE(painted, 1);
  QCOMPARE(newPages, 1);
  const QRect ink = Ink(paper);
  QVERIFY(page.contains(ink));
  QVERIFY(qAbs(ink.left() - (118 + 29.4)) <= 2);
  QVERIFY(qAbs(ink.right() - (118 + 7 * 225.6 - 29.4)) <= 3);
  QVERIFY(qAbs(ink.top() - (472 + 59.8)) <= 2);
  QVERIFY(qAbs(ink.bottom() - (472 + 59.8 + 2 * 349.2 + 218.7)) <= 4);
}

void VeltoPrintTest::longTextRunsOverPagesOfThePageRectangle() {
  // A line of DejaVu Sans takes (1901 + 483)/2048 em = 349.2 pixels at 36 pt
  // and 600 dpi; a page 1219 pixels high holds 3 lines, so 10 lines fill 4
  // pages and 9 lines 3.
  QImage paper = Paper(2000, 2400);
  const QRect page = PageRectangle({5, 10, 20, 30}, kDpi, kDpi, 2000, 2400);
  QCOMPARE(PrintText(*Lines(10, "H"), paper, page, [] { return true; }), 4);
  QCOMPARE(PrintText(*Lines(9, "H"), paper, page, [] { return true; }), 3);
}

void VeltoPrintTest::printCommandWritesTheAnsweredPdf() {
  QTemporaryDir dir;
  const QString document = dir.filePath("protokoll.txt");
  QByteArray text;
  for (int line = 1; line <= 300; ++line)
    text += "Knoten " + QByteArray::number(line) + "  x = 1.000  z = 2.000\r\n";
  QVERIFY(WriteBytes(document, text));
  QVERIFY(WriteBytes(TestSettingsPath(), "DejaVu Sans Mono\n10\n5\n5\n5\n5\n"));
  DialogRecorder recorder;
  VeltoWindows windows(document.toStdString());

  const QString narrow = dir.filePath("schmal.pdf");
  recorder.Answer(MsgResult::Ok, narrow.toStdString());
  windows.form->Drucken1->trigger();
  QVERIFY(ReadBytes(narrow).startsWith("%PDF"));
  QCOMPARE(recorder.requests.at(0).kind, DialogKind::Print);
  QCOMPARE(recorder.requests.at(0).text, document.toStdString());

  // Top and bottom margins of 100 mm leave a third of the height: about three
  // times the pages.
  PageMargins = {5, 5, 100, 100};
  const QString wide = dir.filePath("breit.pdf");
  recorder.Answer(MsgResult::Ok, wide.toStdString());
  windows.form->ToolButton3->click();
  const int narrowPages = PdfPages(narrow);
  const int widePages = PdfPages(wide);
  QVERIFY2(narrowPages >= 3 && widePages >= 2.5 * narrowPages,
           qPrintable(QString("%1 %2").arg(narrowPages).arg(widePages)));

  // Cancelled: nothing printed.  A PDF that cannot be written is reported.
  windows.form->Drucken1->trigger();
  recorder.Answer(MsgResult::Ok, dir.filePath("fehlt/x.pdf").toStdString());
  windows.form->Drucken1->trigger();
  QCOMPARE(recorder.requests.size(), std::size_t(5));
  QCOMPARE(recorder.Messages(),
           std::vector<std::string>{"Der Druckauftrag konnte nicht begonnen werden."});
}

QTEST_MAIN(VeltoPrintTest)
#include "velto_print_test.moc"
