// Graph windows in the frame: "Grafik" and the items of the result-view
// popup open windows on their views; the batch run's window follows the
// layer and tab commands and may be closed while the run waits.
#include "analysis/Solutions.h"
#include "app/BatchInterpreter.h"
#include "graphics/widgets/TGraphForm.h"
#include "platform/DialogAnswerer.h"
#include "tests/support/DialogRecorder.h"
#include "tests/support/ExampleCopies.h"
#include "tests/support/FormsSession.h"
#include "tests/support/TempFolder.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPointer>
#include <QSpinBox>
#include <QTabBar>
#include <QToolButton>
#include <QtTest>
#include <optional>

namespace {

std::vector<TGraphForm *> GraphWindows(TMainForm &form) {
  std::vector<TGraphForm *> windows;
  for (QMdiSubWindow *child : form.MdiArea->subWindowList(QMdiArea::CreationOrder))
    if (auto *graph = qobject_cast<TGraphForm *>(child->widget()))
      windows.push_back(graph);
  return windows;
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
  void init();
  void cleanup();

private:
  // The example frame read into the tables.
  void OpenExample();
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
  // The run's window starts without geometry, loads and deformed shape.
  QCOMPARE(state.Layers, LayersOf({1, 10, 11, 13}));
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
  form.show();
  OpenExample();
  TGraphForm *graph = form.NewGraphWindow();
  QVERIFY(QTest::qWaitForWindowExposed(graph));
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

QTEST_MAIN(GraphFormTest)
#include "graphform_test.moc"
