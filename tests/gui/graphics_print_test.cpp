// The graphics printout with the example's graph windows: the windows
// number themselves and draw into their tiles, an excluded window draws
// nothing, a window's own print button prints it alone, and "Grafik
// &drucken" writes one page into the PDF file the dialog names.
#include "app/MainForm.h"
#include "graphics/core/GraphOutput.h"
#include "graphics/core/GraphicsPage.h"
#include "graphics/widgets/TGraphForm.h"
#include "platform/UserMessage.h"
#include "tests/support/DialogRecorder.h"
#include "tests/support/ExampleCopies.h"
#include "tests/support/FileBytes.h"
#include "tests/support/FormsSession.h"
#include "tests/support/RecordingCanvas.h"
#include "tests/support/TempFolder.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QTabBar>
#include <QToolButton>
#include <QtTest>

namespace {
// The pages a PDF file holds.
int PdfPages(const QString &path) {
  return ReadBytes(path).count("/Type /Page\n");
}

// The example frame analysed, with graph windows on the given tabs.
std::vector<TGraphForm *> ExampleWindows(TMainForm &form, const TempFolder &folder,
                                         std::initializer_list<int> tabs) {
  CopyExampleFrame(folder);
  form.OpenSystemFile(folder.File("portal.ssy"));
  form.OpenLoadFile(folder.File("portal.sla"));
  form.ThIOrdnung1Click();
  std::vector<TGraphForm *> windows;
  for (int tab : tabs) {
    windows.push_back(form.NewGraphWindow());
    windows.back()->TabControl2->setCurrentIndex(tab);
  }
  return windows;
}

// Per tile: its clip, the texts written into it and whether they start
// inside it (the title block's texts come before the first clip).
struct TileDrawing {
  std::vector<int> clip;
  std::vector<std::string> texts;
  bool inside = true;
};

std::vector<TileDrawing> Tiles(const RecordingCanvas &canvas) {
  std::vector<TileDrawing> tiles;
  for (const CanvasCall &call : canvas.calls) {
    if (call.kind == CanvasCall::Clip) {
      tiles.push_back({call.values, {}, true});
    } else if (call.kind == CanvasCall::Text && !tiles.empty()) {
      const std::vector<int> &c = tiles.back().clip;
      tiles.back().texts.push_back(call.text);
      tiles.back().inside &= call.values[0] >= c[0] && call.values[0] < c[2] &&
                             call.values[1] >= c[1] && call.values[1] < c[3];
    }
  }
  return tiles;
}

const PageFacts kA4{300, 300, 2480, 3508, false};
} // namespace

class GraphicsPrintTest : public QObject {
  Q_OBJECT
private slots:
  void windowsNumberThemselvesAndDrawIntoTheirTiles();
  void printButtonPrintsItsWindowAloneAndCopyButtonCopies();
  void printsOnePageIntoTheAnsweredPdf();
};

void GraphicsPrintTest::windowsNumberThemselvesAndDrawIntoTheirTiles() {
  FormsSession session;
  TempFolder folder;
  TMainForm &form = session.Form();
  const std::vector<TGraphForm *> w = ExampleWindows(form, folder, {4, 1, 3});
  QCOMPARE(w[0]->State().PrintIndex, -1);
  SendUserMessage(w[1], UM_EXCLUDEPRINT);
  form.CountPrintWindows();
  QCOMPARE(form.PrintCount, 2);
  QCOMPARE(w[0]->State().PrintIndex, 0);
  QCOMPARE(w[1]->State().PrintIndex, -1); // excluded: keeps its old number
  QCOMPARE(w[2]->State().PrintIndex, 1);

  RecordingCanvas page(TRect{0, 0, 2480, 3508});
  form.DrawPrintPage(page, kA4);
  const std::vector<TileDrawing> tiles = Tiles(page);
  QCOMPARE(tiles.size(), std::size_t(2));
  QCOMPARE(tiles[0].clip, (std::vector<int>{62, 62, 2417, 1661}));
  QCOMPARE(tiles[0].texts, std::vector<std::string>{"Biegemoment"});
  QCOMPARE(tiles[1].texts, std::vector<std::string>{"Querkraft"});
  QVERIFY(tiles[0].inside && tiles[1].inside);
  QVERIFY(page.Of(CanvasCall::LineTo).size() > 50); // the diagrams were replayed

  // A request for another tile, or for its own to an excluded window, draws
  // nothing.
  SendUserMessage(w[1], UM_INCLUDEPRINT);
  form.CountPrintWindows();
  QCOMPARE(w[1]->State().PrintIndex, 1);
  SendUserMessage(w[1], UM_EXCLUDEPRINT);
  RecordingCanvas tile;
  TileMessage record{&tile, 1.0};
  const auto address = reinterpret_cast<std::intptr_t>(&record);
  SendUserMessage(w[1], UM_PRINTTILE, 1, address);
  for (TGraphForm *window : w)
    SendUserMessage(window, UM_PRINTTILE, 3, address);
  QVERIFY(tile.calls.empty());
  SendUserMessage(w[2], UM_PRINTTILE, 2, address);
  QCOMPARE(tile.Texts(), std::vector<std::string>{"Querkraft"});
}

void GraphicsPrintTest::printButtonPrintsItsWindowAloneAndCopyButtonCopies() {
  FormsSession session;
  TempFolder folder;
  TMainForm &form = session.Form();
  const std::vector<TGraphForm *> w = ExampleWindows(form, folder, {0, 4, 2});
  DialogRecorder dialogs;
  dialogs.Answer(MsgResult::Cancel);
  w[2]->SpeedButton1->click();
  QCOMPARE(dialogs.requests.size(), std::size_t(1));
  QCOMPARE(dialogs.requests[0].kind, DialogKind::Print);
  QCOMPARE(form.PrintCount, 1);
  QCOMPARE(w[2]->State().PrintIndex, 0);
  QCOMPARE(w[0]->State().NoPrint + w[1]->State().NoPrint + w[2]->State().NoPrint, 2);
  // "Grafik &drucken" takes every window again.
  dialogs.Answer(MsgResult::Cancel);
  form.Grafikdrucken1->trigger();
  QCOMPARE(form.PrintCount, 3);

  // The copy shows the wait cursor while it works, and only then.
  QGuiApplication::clipboard()->clear();
  std::vector<int> cursors;
  const QMetaObject::Connection watch =
      connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, [&cursors] {
        const QCursor *cursor = QGuiApplication::overrideCursor();
        cursors.push_back(cursor ? cursor->shape() : -1);
      });
  w[1]->CopyButton->click();
  disconnect(watch);
  QCOMPARE(cursors, std::vector<int>{Qt::WaitCursor});
  QVERIFY(QGuiApplication::overrideCursor() == nullptr);
  const QMimeData *mime = QGuiApplication::clipboard()->mimeData();
  QVERIFY(mime && mime->data("image/svg+xml").startsWith("<?xml"));
  QVERIFY(!mime->imageData().value<QImage>().isNull());
  QVERIFY(dialogs.Messages().empty());
}

void GraphicsPrintTest::printsOnePageIntoTheAnsweredPdf() {
  FormsSession session;
  TempFolder folder;
  TMainForm &form = session.Form();
  ExampleWindows(form, folder, {4});
  const QString pdf = QString::fromStdString(folder.File("grafik.pdf"));
  DialogRecorder dialogs;
  QVERIFY(form.Grafikdrucken1->isEnabled());

  dialogs.Answer(MsgResult::Cancel);
  form.Grafikdrucken1->trigger();
  QCOMPARE(dialogs.requests.size(), std::size_t(1));
  QCOMPARE(dialogs.requests[0].text, std::string("Kelmor"));
  QVERIFY(!QFile::exists(pdf));

  dialogs.Answer(MsgResult::Ok, pdf.toStdString());
  form.Grafikdrucken1->trigger();
  QCOMPARE(PdfPages(pdf), 1);
  QVERIFY(dialogs.Messages().empty());
}

QTEST_MAIN(GraphicsPrintTest)
#include "graphics_print_test.moc"
