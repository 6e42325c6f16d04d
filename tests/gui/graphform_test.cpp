// Graph windows in the frame: "Grafik" and the items of the result-view
// popup open windows on their views; the batch run's window follows the
// layer and tab commands and may be closed while the run waits.
#include "analysis/Solutions.h"
#include "app/BatchInterpreter.h"
#include "graphics/widgets/BatchedPainterCanvas.h"
#include "graphics/widgets/PictureExport.h"
#include "graphics/widgets/TGraphForm.h"
#include "platform/DialogAnswerer.h"
#include "platform/UserMessage.h"
#include "tests/support/DialogRecorder.h"
#include "tests/support/ExampleCopies.h"
#include "tests/support/FileBytes.h"
#include "tests/support/FormsSession.h"
#include "tests/support/ObservedTexts.h"
#include "tests/support/RecordingCanvas.h"
#include "tests/support/TempFolder.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QSpinBox>
#include <QTabBar>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>
#include <optional>
#include <set>
#include <utility>

namespace {

bool SameBox(const Box2D &a, const Box2D &b) {
  return a.xmin == b.xmin && a.ymin == b.ymin && a.xmax == b.xmax && a.ymax == b.ymax;
}

// The layer buttons that show down, by their hints.
QStringList LayerButtonsDown(const TGraphForm &graph) {
  QStringList down;
  for (const QToolButton *button : {graph.ToolButton6, graph.ToolButton7, graph.ToolButton12,
                                    graph.ToolButton8, graph.ToolButton9, graph.ToolButton10,
                                    graph.LoadButton, graph.ToolButton11, graph.ToolButton14})
    if (button->isChecked())
      down << button->toolTip();
  return down;
}

// True when the spin edit shows all of its text: with the cursor at the end
// the first character still stands at the left edge.
bool ShowsWholeText(QSpinBox *spin) {
  QLineEdit *text = spin->findChild<QLineEdit *>();
  text->setCursorPosition(text->text().size());
  const int y = text->height() / 2;
  return text->cursorPositionAt(QPoint(text->contentsRect().left() + 1, y)) == 0 &&
         text->cursorPositionAt(QPoint(text->contentsRect().right() - 1, y)) == text->text().size();
}

std::vector<TGraphForm *> GraphWindows(TMainForm &form) {
  std::vector<TGraphForm *> windows;
  for (QMdiSubWindow *child : form.MdiArea->subWindowList(QMdiArea::CreationOrder))
    if (auto *graph = qobject_cast<TGraphForm *>(child->widget()))
      windows.push_back(graph);
  return windows;
}

QImage Shown(QWidget *widget) {
  return widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// The list replayed on one thread at the window's view, as before a pan.
QImage Replayed(TGraphForm &graph) {
  QImage image(graph.PaintBox1->size(), QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  BatchedPainterCanvas canvas(painter);
  graph.State().Display.Paint(canvas, graph.State().ViewTransform(image.width(), image.height()));
  return image;
}

bool Inside(const Box2D &box, Point2D p) {
  return p.x >= box.xmin && p.x <= box.xmax && p.y >= box.ymin && p.y <= box.ymax;
}

// Whether the box holds the example frame: nodes from (0, -5) to (8, 0).
bool HoldsTheFrame(const Box2D &box) {
  return Inside(box, {0, -5}) && Inside(box, {8, 0});
}

// picture moved by offset on white.
QImage MovedBy(const QImage &picture, QPoint offset) {
  QImage moved(picture.size(), QImage::Format_RGB32);
  moved.fill(Qt::white);
  QPainter(&moved).drawImage(offset, picture);
  return moved;
}

// The smallest rectangle holding every pixel that is not white.
QRect DrawnRect(const QImage &picture) {
  QRect drawn;
  for (int y = 0; y < picture.height(); ++y)
    for (int x = 0; x < picture.width(); ++x)
      if (picture.pixel(x, y) != qRgb(255, 255, 255))
        drawn |= QRect(x, y, 1, 1);
  return drawn;
}

void MoveWithLeftButton(QWidget *widget, QPoint to) {
  QMouseEvent move(QEvent::MouseMove, to, widget->mapToGlobal(to), Qt::NoButton, Qt::LeftButton,
                   Qt::NoModifier);
  QApplication::sendEvent(widget, &move);
}

} // namespace

class GraphFormTest : public QObject {
  Q_OBJECT
private slots:
  void grafikOpensTheFirstViewWithItsButtons();
  void popupItemsOpenWindowsOnTheirViews();
  void batchCommandsSetLayersAndTabs();
  void runGoesOnWhenItsWindowWasClosed();
  void modeButtonsMouseGesturesAndFocusLoss();
  void layerButtonsShowTheLayersDrawn();
  void doubleClickOnAuschnittRepaintsAndScalesShowTheirRange();
  void panShowsTheLastPictureMovedUntilAReplay();
  void batchWindowStartsDrawnAndSavesItsPicture();
  void pictureAndPrintoutShowWhatTheWindowShows();
  void windowsOpenOffsetAndCascadeWithTheirDrawings();
  void resizeShowsASlowPictureScaledUntilItsReplay();
  void init();
  void cleanup();

private:
  // The example frame read into the tables.
  void OpenExample();
  // The frame shown with a graph window of the example; null when the
  // window was not shown.
  TGraphForm *ShownExampleWindow();
  TMainForm &Form() { return session_->Form(); }
  std::optional<FormsSession> session_;
  std::optional<TempFolder> folder_;
  std::optional<DialogRecorder> dialogs_;
};

void GraphFormTest::init() {
  session_.emplace();
  folder_.emplace();
  dialogs_.emplace();
  CopyExampleFrame(*folder_);
}

void GraphFormTest::cleanup() {
  dialogs_.reset();
  session_.reset();
  folder_.reset();
}

void GraphFormTest::OpenExample() {
  QVERIFY(Form().OpenSystemFile(folder_->File("portal.ssy")));
  QVERIFY(Form().OpenLoadFile(folder_->File("portal.sla")));
}

TGraphForm *GraphFormTest::ShownExampleWindow() {
  Form().show();
  OpenExample();
  TGraphForm *graph = Form().NewGraphWindow();
  return QTest::qWaitForWindowExposed(graph) ? graph : nullptr;
}

void GraphFormTest::grafikOpensTheFirstViewWithItsButtons() {
  TMainForm &form = Form();
  OpenExample();
  form.ThIOrdnung1Click();
  QVERIFY(form.Grafik1->isEnabled());
  form.Grafik1->trigger();

  const std::vector<TGraphForm *> windows = GraphWindows(form);
  QCOMPARE(windows.size(), std::size_t(1));
  TGraphForm &graph = *windows[0];
  QCOMPARE(graph.windowTitle(), QString("Geometrie"));
  QCOMPARE(graph.TabControl2->count(), 5);
  QCOMPARE(graph.TabControl2->tabText(4), QString("Biegemoment"));
  QVERIFY(graph.LoadButton->isChecked());
  QVERIFY(!graph.ToolButton6->isChecked() && !graph.ToolButton7->isChecked());
  QVERIFY(graph.ToolButton4->isChecked());
  QCOMPARE(graph.State().MouseMode, int(kMouseIdle));
  QCOMPARE(graph.State().KeepView, 1);
  QCOMPARE(graph.CSpinEdit4->value(), 11);
  QCOMPARE(graph.parentWidget()->size(), QSize(766, 496));
  // Shown, the window has room for its tabs, built before it was shown.
  form.show();
  QVERIFY(QTest::qWaitForWindowExposed(&graph));
  QCOMPARE(graph.TabControl2->height(), graph.TabControl2->sizeHint().height());

  // Beam numbers rebuild the list; a double click on the evaluation points
  // gives 10.
  graph.ToolButton7->click();
  QVERIFY(graph.State().Layer(kLayerBeamNumbers));
  QLineEdit *text = graph.CSpinEdit4->findChild<QLineEdit *>();
  QTest::mouseDClick(text, Qt::LeftButton);
  QCOMPARE(graph.CSpinEdit4->value(), 10);
  QCOMPARE(EvaluationPoints, 10);
  graph.CSpinEdit4->setValue(kInitialEvaluationPoints);
}

void GraphFormTest::popupItemsOpenWindowsOnTheirViews() {
  TMainForm &form = Form();
  OpenExample();
  form.ThIIOrdnung1Click();
  form.PopupMenu1Popup();
  const QList<QAction *> items = form.PopupMenu1->actions();
  QCOMPARE(items.size(), 6);
  for (QAction *item : items) {
    QVERIFY(item->isEnabled());
    item->trigger();
  }
  const std::vector<TGraphForm *> windows = GraphWindows(form);
  QCOMPARE(windows.size(), std::size_t(6));
  for (int i = 0; i < 6; ++i) {
    QCOMPARE(windows[i]->TabControl2->currentIndex(), i);
    QCOMPARE(windows[i]->windowTitle(), items[i]->text());
    QCOMPARE(windows[i]->LoadButton->isChecked(), i == 0);
    // Each is fitted to the drawing of its own view, and keeps it.
    const GraphWindow &state = windows[i]->State();
    QVERIFY(SameBox(state.ViewBox, state.Display.BoundingBox()));
    QCOMPARE(state.KeepView, 1);
  }
  // "Biegelinie" shows the deformed shape, "Querkraft R" none.
  QVERIFY(windows[1]->State().Layer(kLayerDeformed));
  QVERIFY(!windows[4]->State().Layer(kLayerDeformed));
  QVERIFY(!windows[4]->State().Layer(kLayerLoads));
  // A closed window frees itself.
  QPointer<TGraphForm> closed = windows[0];
  QVERIFY(closed->parentWidget()->close());
  QTRY_VERIFY(closed.isNull());
  QCOMPARE(GraphWindows(form).size(), std::size_t(5));
}

void GraphFormTest::batchCommandsSetLayersAndTabs() {
  TMainForm &form = Form();
  const TempFolder &folder = *folder_;
  // The tabs of the first order from the start, so that SOLVEI keeps them.
  Solutions.AnalysisFlags = 0;
  const std::string batch = folder.File("run.bat");
  TempFolder::Store(batch, "OPENSYSTEM=" + folder.File("portal.ssy") +
                               "\nOPENLOAD=" + folder.File("portal.sla") +
                               "\nSOLVEI\n"
                               "SETGRAPHOPTIONS=1\nSETGRAPHOPTIONS=0\nSETGRAPHOPTIONS=14\n"
                               "DELETEGRAPHOPTIONS=6\nDELETEGRAPHOPTIONS=0\n"
                               "DELETEGRAPHOPTIONS=14\nSETGRAPHOPTIONS=10\n");
  RunBatchFile(form, batch);
  std::vector<TGraphForm *> windows = GraphWindows(form);
  QCOMPARE(windows.size(), std::size_t(1));
  GraphWindow &state = windows[0]->State();
  // The run's window starts as a new one, on "Geometrie" with its loads.
  QCOMPARE(state.Layers, LayersOf({1, 3, 7, 10, 11, 13}));
  QCOMPARE(state.TabIndex, 0);

  TempFolder::Store(batch, "SETGRAPHTAB=4\nSETGRAPHTAB=99\nSETGRAPHTAB=-1\n");
  RunBatchFile(form, batch);
  windows = GraphWindows(form);
  QCOMPARE(windows.size(), std::size_t(2));
  GraphWindow &second = windows[1]->State();
  QCOMPARE(second.TabIndex, 4);
  QCOMPARE(windows[1]->TabControl2->currentIndex(), 4);
  QCOMPARE(windows[1]->windowTitle(), QString("Biegemoment"));
  QCOMPARE(second.Layers, LayersOf({3, 6, 11, 13}));
  QVERIFY(second.Display.HasExtent());
  QVERIFY(dialogs_->Messages().empty());
}

void GraphFormTest::runGoesOnWhenItsWindowWasClosed() {
  TMainForm &form = Form();
  const TempFolder &folder = *folder_;
  int boxes = 0;
  // The user closes the graph window while the first message box waits.
  ScopedDialogAnswerer answerer([&](const DialogRequest &) {
    if (boxes++ == 0)
      for (QMdiSubWindow *child : form.MdiArea->subWindowList())
        delete child;
    return DialogAnswer{MsgResult::Ok, {}};
  });
  const std::string batch = folder.File("run.bat");
  TempFolder::Store(batch, "OPENSYSTEM=" + folder.File("fehlt.ssy") +
                               "\nSETGRAPHOPTIONS=1\nSETGRAPHTAB=1\nSOLVEI\nUNBEKANNT\n");
  RunBatchFile(form, batch);
  QVERIFY(GraphWindows(form).empty());
  // The open failure and, after the graph commands, the unknown command.
  QVERIFY(boxes >= 2);
}

void GraphFormTest::modeButtonsMouseGesturesAndFocusLoss() {
  TMainForm &form = Form();
  TGraphForm *graph = ShownExampleWindow();
  QVERIFY(graph);
  GraphWindow &state = graph->State();
  graph->ToolButton2->click();
  QVERIFY(!graph->ToolButton4->isChecked());
  QCOMPARE(graph->PaintBox1->cursor().shape(), Qt::CrossCursor);
  QCOMPARE(state.MouseMode, int(kMouseZoomArmed));

  // A dragged rectangle becomes the view; "Auschnitt" is used once.
  const Box2D all = state.ViewBox;
  QTest::mousePress(graph->PaintBox1, Qt::LeftButton, {}, QPoint(100, 100));
  QVERIFY(state.RubberBand());
  QTest::mouseRelease(graph->PaintBox1, Qt::LeftButton, {}, QPoint(200, 180));
  QVERIFY(!graph->ToolButton2->isChecked());
  QCOMPARE(graph->PaintBox1->cursor().shape(), Qt::ArrowCursor);
  QCOMPARE(state.MouseMode, int(kMouseIdle));
  QCOMPARE(state.KeepView, 1);
  QVERIFY(state.ViewBox.xmax - state.ViewBox.xmin < 0.5 * (all.xmax - all.xmin));

  // "Verschieben", then a drag moves the view; a double click zooms in.
  graph->ToolButton4->click();
  QCOMPARE(graph->PaintBox1->cursor().shape(), Qt::SizeAllCursor);
  const Box2D zoomed = state.ViewBox;
  QTest::mousePress(graph->PaintBox1, Qt::LeftButton, {}, QPoint(100, 100));
  QTest::mouseRelease(graph->PaintBox1, Qt::LeftButton, {}, QPoint(150, 100));
  QVERIFY(state.ViewBox.xmin < zoomed.xmin);
  QCOMPARE(state.MouseMode, int(kMousePanArmed));
  const double width = state.ViewBox.xmax - state.ViewBox.xmin;
  QTest::mouseDClick(graph->PaintBox1, Qt::LeftButton, {}, QPoint(60, 60));
  QVERIFY(qFuzzyCompare(state.ViewBox.xmax - state.ViewBox.xmin, 0.8 * width));

  // A right click widens the view and opens no popup; "Alles zeigen" fits
  // the drawing again.
  const Box2D before = state.ViewBox;
  QTest::mouseClick(graph->PaintBox1, Qt::RightButton, {}, QPoint(50, 50));
  QVERIFY(
      qFuzzyCompare(state.ViewBox.xmax - state.ViewBox.xmin, 1.2 * (before.xmax - before.xmin)));
  QContextMenuEvent menu(QContextMenuEvent::Mouse, QPoint(50, 50),
                         graph->PaintBox1->mapToGlobal(QPoint(50, 50)));
  QApplication::sendEvent(graph->PaintBox1, &menu);
  QVERIFY(!form.PopupMenu1->isVisible());
  graph->ToolButton3->click();
  QCOMPARE(state.KeepView, 0);
  QCOMPARE(state.ViewBox.xmax, state.Display.BoundingBox().xmax);

  // The focus leaving for another window makes the next rebuild refit.
  state.KeepView = 1;
  QApplication::setActiveWindow(&form);
  graph->CSpinEdit1->setFocus();
  QTRY_VERIFY(graph->CSpinEdit1->hasFocus());
  // A click on a layer button of the window keeps the view.
  QTest::mouseClick(graph->ToolButton6, Qt::LeftButton);
  QCOMPARE(state.KeepView, 1);
  QLineEdit elsewhere;
  form.MdiArea->addSubWindow(&elsewhere)->show();
  elsewhere.setFocus();
  QTRY_COMPARE(state.KeepView, 0);
}

// Every layer button shows whether its layer is drawn, whoever changed it:
// the opening, a tab change, a click or a batch command.
void GraphFormTest::layerButtonsShowTheLayersDrawn() {
  TMainForm &form = Form();
  OpenExample();
  form.ThIOrdnung1Click();
  TGraphForm &graph = *form.NewGraphWindow();
  const QStringList opened{"Wertangabe", "Funktionsextrema", "Belastung", "Auflager"};
  QCOMPARE(LayerButtonsDown(graph), opened);
  graph.TabControl2->setCurrentIndex(4);
  QCOMPARE(LayerButtonsDown(graph), (QStringList{"Wertangabe", "Funktionsextrema", "Auflager"}));
  // The first click on a button shown down takes its layer away.
  const int records = graph.State().Display.RecordCount();
  graph.ToolButton9->click();
  QVERIFY(!graph.State().Layer(kLayerValues));
  QVERIFY(graph.State().Display.RecordCount() < records);
  QCOMPARE(LayerButtonsDown(graph), (QStringList{"Funktionsextrema", "Auflager"}));

  // The run's window starts with loads and follows the layer commands.
  const std::string batch = folder_->File("run.bat");
  TempFolder::Store(batch, "SETGRAPHOPTIONS=1\nDELETEGRAPHOPTIONS=6\nSETGRAPHOPTIONS=10\n");
  RunBatchFile(form, batch);
  TGraphForm &run = *GraphWindows(form).back();
  QCOMPARE(run.State().Layers, LayersOf({1, 3, 7, 10, 11, 13}));
  QCOMPARE(LayerButtonsDown(run), (QStringList{"Knotennummer", "Wertangabe", "Funktionsextrema",
                                               "Belastung", "Auflagerkräfte"}));
}

// A double click with "Auschnitt" armed shows the narrowed view at the
// release that follows it.  The scale spin edits show the widest number of
// their range whole.
void GraphFormTest::doubleClickOnAuschnittRepaintsAndScalesShowTheirRange() {
  TGraphForm *graph = ShownExampleWindow();
  QVERIFY(graph);
  GraphWindow &state = graph->State();
  graph->ToolButton2->click();
  const QImage before = graph->PaintBox1->grab().toImage();
  const double width = state.ViewBox.xmax - state.ViewBox.xmin;
  // QTest's double click ends with the second press; a mouse's with its
  // release.
  QTest::mouseDClick(graph->PaintBox1, Qt::LeftButton, {}, QPoint(60, 60));
  QTest::mouseRelease(graph->PaintBox1, Qt::LeftButton, {}, QPoint(60, 60));
  QVERIFY(qFuzzyCompare(state.ViewBox.xmax - state.ViewBox.xmin, 0.8 * width));
  QCOMPARE(state.MouseMode, int(kMouseZoomArmed));
  const QImage shown = graph->PaintBox1->grab().toImage();
  graph->SetViewBox(state.ViewBox); // a replay of the view as it is now
  const QImage replayed = graph->PaintBox1->grab().toImage();
  QVERIFY(shown != before);
  QVERIFY(shown == replayed);

  for (QSpinBox *spin : {graph->CSpinEdit1, graph->CSpinEdit2, graph->CSpinEdit3, graph->CSpinEdit5,
                         graph->CSpinEdit6}) {
    // The tool bar wraps rather than hide a control.
    QVERIFY(spin->isVisible());
    QVERIFY(graph->ToolBar1->rect().contains(spin->geometry()));
    for (int value : {spin->minimum(), -999999999, spin->maximum()}) {
      spin->setValue(value);
      QVERIFY2(ShowsWholeText(spin), qPrintable(spin->objectName() + " " + spin->text()));
    }
    spin->setValue(100);
  }
}

void GraphFormTest::panShowsTheLastPictureMovedUntilAReplay() {
  TGraphForm *graph = ShownExampleWindow();
  QVERIFY(graph);
  GraphWindow &state = graph->State();
  for (int i = 0; i < 4; ++i) // the drawing reaches beyond every edge
    state.ZoomIn();
  graph->SetViewBox(state.ViewBox);
  const QImage before = Shown(graph->PaintBox1);
  QCOMPARE(before, Replayed(*graph));

  // While no replay is due, the moves show the old picture moved, the strip
  // it uncovers white; the view follows every move.
  graph->Pan.ReplayInterval = 1000000;
  const Box2D start = state.ViewBox;
  QWidget *box = graph->PaintBox1;
  QTest::mousePress(box, Qt::LeftButton, {}, QPoint(200, 150));
  MoveWithLeftButton(box, QPoint(220, 160));
  MoveWithLeftButton(box, QPoint(240, 170));
  QVERIFY(state.ViewBox.xmin < start.xmin && state.ViewBox.ymin < start.ymin);
  QCOMPARE(Shown(box), MovedBy(before, QPoint(40, 20)));
  // The release replays at the view of the release, on a thread of its
  // own: the moved picture stays until the replay's picture comes.
  QTest::mouseRelease(box, Qt::LeftButton, {}, QPoint(240, 170));
  QCOMPARE(Shown(box), MovedBy(before, QPoint(40, 20)));
  QTRY_COMPARE(Shown(box), Replayed(*graph));

  // A slow drag, each step due for a replay: the step shows the picture
  // moved at once, and the replay follows without a release.
  graph->Pan.ReplayInterval = 0;
  const QImage rested = Shown(box);
  QTest::mousePress(box, Qt::LeftButton, {}, QPoint(240, 170));
  MoveWithLeftButton(box, QPoint(200, 150));
  QCOMPARE(Shown(box), MovedBy(rested, QPoint(-40, -20)));
  QTRY_COMPARE(Shown(box), Replayed(*graph));
  QTest::mouseRelease(box, Qt::LeftButton, {}, QPoint(200, 150));
  QTRY_COMPARE(Shown(box), Replayed(*graph));

  // A rebuild while a replay may still run waits for it and shows the new
  // list at once; the replay's picture does not come over it afterwards.
  QTest::mousePress(box, Qt::LeftButton, {}, QPoint(200, 150));
  MoveWithLeftButton(box, QPoint(180, 150));
  QTest::mouseRelease(box, Qt::LeftButton, {}, QPoint(180, 150));
  state.ToggleLayer(kLayerNodeNumbers, true);
  QCOMPARE(Shown(box), Replayed(*graph));
  QTest::qWait(50);
  QCOMPARE(Shown(box), Replayed(*graph));
  // A window closed while its replay runs goes without it.
  QTest::mousePress(box, Qt::LeftButton, {}, QPoint(180, 150));
  MoveWithLeftButton(box, QPoint(200, 150));
  QTest::mouseRelease(box, Qt::LeftButton, {}, QPoint(200, 150));
  QPointer<TGraphForm> closing = graph;
  graph->parentWidget()->close();
  QTRY_VERIFY(closing.isNull());
}

void GraphFormTest::resizeShowsASlowPictureScaledUntilItsReplay() {
  TGraphForm *graph = ShownExampleWindow();
  QVERIFY(graph);
  QWidget *box = graph->PaintBox1;
  QWidget *frame = graph->parentWidget();
  // A fast picture is replayed at the new size at once (the example's
  // always counts as fast here, however busy the machine).
  graph->Pan.AtOnce = 1000000;
  frame->resize(frame->size() + QSize(60, 40));
  QCOMPARE(Shown(box), Replayed(*graph));
  // A slow one is shown scaled: the drawing stays whole and in the middle,
  // larger, until the replay's picture comes.
  graph->Pan.AtOnce = -1;
  const QImage before = Shown(box);
  frame->resize(frame->size() + QSize(200, 120));
  const QImage scaled = Shown(box);
  QVERIFY(scaled != Replayed(*graph));
  QCOMPARE(scaled.size(), box->size());
  const QRect drawn = DrawnRect(scaled);
  QVERIFY(drawn.width() > DrawnRect(before).width());
  QVERIFY(qAbs(drawn.center().x() - scaled.width() / 2) <= 2);
  QTRY_COMPARE(Shown(box), Replayed(*graph));
}

// The run's window shows the frame opened after it, and a picture saved
// after a first-order analysis holds the frame.
void GraphFormTest::batchWindowStartsDrawnAndSavesItsPicture() {
  TMainForm &form = Form();
  Solutions.AnalysisFlags = 0;
  const std::string batch = folder_->File("run.bat");
  const std::string open =
      "OPENSYSTEM=" + folder_->File("portal.ssy") + "\nOPENLOAD=" + folder_->File("portal.sla");
  TempFolder::Store(batch, open + "\n");
  RunBatchFile(form, batch);
  QCoreApplication::processEvents(); // the model changes posted during the run
  TGraphForm &graph = *GraphWindows(form).back();
  QCOMPARE(graph.windowTitle(), QString("Geometrie"));
  QVERIFY(HoldsTheFrame(graph.State().Display.BoundingBox()));

  const std::string svg = folder_->File("x.svg");
  TempFolder::Store(batch, "HIDE\n" + open + "\nSOLVEI\nSAVEGRAPHFILE=" + svg + "\n");
  RunBatchFile(form, batch);
  QVERIFY(dialogs_->Messages().empty());
  const GraphWindow &saved = GraphWindows(form).back()->State();
  QVERIFY(HoldsTheFrame(saved.ViewBox));
  const std::optional<PictureSize> size = PictureSizeOf(saved.Display, saved.ViewBox);
  QVERIFY(size);
  QCOMPARE(ReadBytes(QString::fromStdString(svg)), RenderSvg(saved.Display, saved.ViewBox, *size));
}

// After a tab change the window keeps the view of "Geometrie", and the
// paint box, wider than that view, shows the moment at the right knee
// whole: so do the picture and the printout.
void GraphFormTest::pictureAndPrintoutShowWhatTheWindowShows() {
  TMainForm &form = Form();
  form.show();
  OpenExample();
  form.ThIOrdnung1Click();
  QCoreApplication::processEvents(); // the status window takes the focus
  TGraphForm *graph = form.NewGraphWindow();
  QVERIFY(QTest::qWaitForWindowExposed(graph));
  GraphWindow &state = graph->State();
  ObservedTexts log(state.Display);
  graph->TabControl2->setCurrentIndex(4);
  const auto knee = std::find_if(log.texts.begin(), log.texts.end(),
                                 [](const TextPlacement &t) { return t.text == "66.77"; });
  QVERIFY(knee != log.texts.end());
  // The label sits halfway along the ordinate from the knee (8, -5).
  const Point2D tip{2 * knee->anchor.x - 8, 2 * knee->anchor.y + 5};
  QVERIFY(!Inside(state.ViewBox, tip));
  const Box2D shown = graph->ShownBox();
  QVERIFY(Inside(shown, tip) && Inside(shown, {8, -5}));

  // The picture has the proportions of the paint box.
  const QSize box = graph->PaintBox1->size();
  const std::string file = folder_->File("moment.svg");
  QVERIFY(graph->CopyPicture(&file));
  const std::optional<PictureSize> size = PictureSizeOf(state.Display, shown);
  QVERIFY(size);
  QCOMPARE(ReadBytes(QString::fromStdString(file)), RenderSvg(state.Display, shown, *size));
  QVERIFY(qAbs(double(size->mmWidth) / size->mmHeight * box.height() / box.width() - 1) < 1e-3);

  // A tile of the view box's proportions cuts nothing at its sides.
  int counter = 0;
  SendUserMessage(graph, UM_COUNTPRINT, 0, reinterpret_cast<std::intptr_t>(&counter));
  const TRect r{0, 0, 1000,
                int(1000 * (state.ViewBox.ymax - state.ViewBox.ymin) /
                    (state.ViewBox.xmax - state.ViewBox.xmin))};
  RecordingCanvas tile(r);
  TileMessage record{&tile, 1.0};
  SendUserMessage(graph, UM_PRINTTILE, 0, reinterpret_cast<std::intptr_t>(&record));
  QVERIFY(!tile.Of(CanvasCall::LineTo).empty());
  for (const std::vector<int> &to : tile.Of(CanvasCall::LineTo))
    QVERIFY(to[0] >= r.left && to[0] < r.right);
}

// New windows do not hide each other, also more of them than the frame of
// the first start has room for side by side; "Überlappend" gives every
// window its designed size, with room for its drawing.
void GraphFormTest::windowsOpenOffsetAndCascadeWithTheirDrawings() {
  TMainForm &form = Form();
  form.show();
  OpenExample();
  std::set<std::pair<int, int>> places;
  for (int i = 0; i < 6; ++i) {
    const QPoint place = form.NewGraphWindow()->parentWidget()->pos();
    QVERIFY2(places.insert({place.x(), place.y()}).second, "a window opened on another");
  }
  for (QMdiSubWindow *child : form.findChild<QMdiArea *>()->subWindowList())
    child->close();
  form.resize(1200, 900);
  std::vector<TGraphForm *> windows;
  std::vector<int> designed;
  for (int i = 0; i < 3; ++i) {
    windows.push_back(form.NewGraphWindow());
    QVERIFY(QTest::qWaitForWindowExposed(windows.back()));
    designed.push_back(windows.back()->PaintBox1->height());
  }
  QVERIFY(windows[0]->parentWidget()->pos() != windows[1]->parentWidget()->pos());
  QVERIFY(windows[1]->parentWidget()->pos() != windows[2]->parentWidget()->pos());
  form.WindowCascadeItem->trigger();
  for (std::size_t i = 0; i < windows.size(); ++i) {
    QCOMPARE(windows[i]->parentWidget()->size(), QSize(766, 496));
    QTRY_VERIFY(windows[i]->PaintBox1->height() >= designed[i] / 2);
  }
}

QTEST_MAIN(GraphFormTest)
#include "graphform_test.moc"
