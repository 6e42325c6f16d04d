// The graph window's state: tabs and layers, the zoom and pan gestures with
// their KeepView transitions, the model-change messages, and the faults of
// empty drawings, unusable scales and clicks taken for zoom windows.
#include "analysis/ResultSets.h"
#include "tests/support/GraphFixture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <vector>

namespace {

class RecordingView : public GraphWindowView {
public:
  int tabsShown = 0;
  int invalidations = 0;
  int rubberBands = 0;
  int pans = 0;
  bool loadButton = false;
  LayerBits layersShown = 0;
  std::string caption;

  void ShowTabs() override { ++tabsShown; }
  void ShowLayers(LayerBits layers) override {
    layersShown = layers;
    loadButton = HasLayer(layers, kLayerLoads);
  }
  void ShowCaption(const std::string &text) override { caption = text; }
  void Invalidate() override { ++invalidations; }
  void ShowRubberBand() override { ++rubberBands; }
  void ShowPan() override { ++pans; }
  // The records the list still held when each rebuild announced itself.
  const PaintContainer *list = nullptr;
  std::vector<int> recordsAtChange;
  void ListChanging() override { recordsAtChange.push_back(list ? list->RecordCount() : -1); }
};

void ExpectBox(const Box2D &actual, const Box2D &expected) {
  EXPECT_DOUBLE_EQ(actual.xmin, expected.xmin);
  EXPECT_DOUBLE_EQ(actual.ymin, expected.ymin);
  EXPECT_DOUBLE_EQ(actual.xmax, expected.xmax);
  EXPECT_DOUBLE_EQ(actual.ymax, expected.ymax);
}

// The paint box of the tests, in pixels.
constexpr int kWidth = 600, kHeight = 400;

class GraphWindowTest : public GraphTest {
protected:
  // A zoom window from pixel a to pixel b.
  static bool ZoomWindow(GraphWindow &w, PixelPoint a, PixelPoint b) {
    w.ZoomButton(true);
    w.MouseDown(a, true, false);
    w.MouseMove(b, kWidth, kHeight);
    return w.MouseUp(kWidth, kHeight);
  }

  RecordingView view;
};

TEST_F(GraphWindowTest, TabChangesSetTheirLayersAndFollowTheAnalysisKind) {
  SolvedClampedPortal();
  GraphWindow w(&view);
  w.Open();
  // A new window: geometry, supports, loads, extrema and values, fitted.
  EXPECT_EQ(w.Layers, LayersOf({3, 6, 7, 11, 13}));
  EXPECT_EQ(view.caption, "Geometrie");
  EXPECT_TRUE(view.loadButton);
  ExpectBox(w.ViewBox, w.Display.BoundingBox());
  ASSERT_TRUE(w.SelectTab(4));
  w.TabChange();
  EXPECT_EQ(w.Layers, LayersOf({3, 6, 11, 13}));
  EXPECT_FALSE(view.loadButton);
  EXPECT_EQ(view.caption, "Biegemoment");
  w.SelectTab(1);
  w.TabChange();
  EXPECT_EQ(w.Layers, LayersOf({3, 4, 6, 11, 13}));
  w.SetLayer(kLayerDeterminant, true);
  w.SelectTab(0);
  w.TabChange();
  EXPECT_EQ(w.Layers, LayersOf({3, 6, 7, 11, 13}));
  EXPECT_TRUE(view.loadButton);

  // Tabs outside the table: nothing selected, kind 0, component 0, no name.
  EXPECT_FALSE(w.SelectTab(5));
  EXPECT_FALSE(w.SelectTab(-1));
  EXPECT_EQ(w.TabIndex, 0);
  for (int index : {-1, 5, 99}) {
    EXPECT_EQ(w.TabEntry(index).kind, 0);
    EXPECT_EQ(w.TabEntry(index).component, 0);
    EXPECT_STREQ(w.TabEntry(index).name, "");
  }
  EXPECT_EQ(GraphWindow().CurrentTabName(), "");

  // A second-order analysis brings its tabs at the next rebuild, on tab 0.
  w.SelectTab(3);
  w.TabChange();
  ASSERT_EQ(RunSecondOrder(Solutions), kSolved);
  const int shown = view.tabsShown;
  w.Rebuild();
  EXPECT_EQ(w.TabTable, &SecondOrderResults);
  EXPECT_EQ(w.TabIndex, 0);
  EXPECT_EQ(view.tabsShown, shown + 1);
  EXPECT_EQ(w.CurrentTabName(), "Geometrie");
  EXPECT_TRUE(w.Layer(kLayerLoads));
}

TEST_F(GraphWindowTest, MouseModesFollowTheButtonsAndGestures) {
  SolvedClampedPortal();
  GraphWindow w(&view);
  w.Open();
  w.PanButton(true);
  EXPECT_EQ(w.MouseMode, kMousePanArmed);
  w.ZoomButton(true);
  EXPECT_EQ(w.MouseMode, kMouseZoomArmed);
  w.ZoomButton(false);
  EXPECT_EQ(w.MouseMode, kMouseIdle);

  // A zoom window is used once; the view becomes the dragged rectangle.
  const TViewTransform before = w.ViewTransform(kWidth, kHeight);
  EXPECT_TRUE(ZoomWindow(w, {300, 100}, {100, 250}));
  EXPECT_EQ(w.MouseMode, kMouseIdle);
  EXPECT_EQ(w.KeepView, 1);
  const Point2D corner = before.ToWorld(100, 100), far = before.ToWorld(300, 250);
  ExpectBox(w.ViewBox, {corner.x, corner.y, far.x, far.y});

  // In mode 0 the left button pans; the release leaves the pan armed.
  const Box2D zoomed = w.ViewBox;
  const TViewTransform t = w.ViewTransform(kWidth, kHeight);
  w.MouseDown({200, 200}, true, false);
  EXPECT_EQ(w.MouseMode, kMousePanning);
  w.MouseDown({10, 10}, true, false); // a press while panning changes nothing
  // The moves show the picture moved; only the release replays it.
  const int invalidations = view.invalidations;
  w.MouseMove({230, 180}, kWidth, kHeight);
  EXPECT_DOUBLE_EQ(w.ViewBox.xmin, zoomed.xmin - 30 / t.sx);
  EXPECT_DOUBLE_EQ(w.ViewBox.ymax, zoomed.ymax + 20 / t.sy);
  EXPECT_EQ(view.pans, 1);
  EXPECT_EQ(view.invalidations, invalidations);
  EXPECT_FALSE(w.MouseUp(kWidth, kHeight));
  EXPECT_EQ(view.invalidations, invalidations + 1);
  EXPECT_EQ(w.MouseMode, kMousePanArmed);
  EXPECT_EQ(w.KeepView, 1);

  // Right click and double click: 20 % wider, 20 % narrower in total.
  const Box2D v = w.ViewBox;
  w.MouseDown({5, 5}, false, true);
  EXPECT_NEAR(w.ViewBox.xmax - w.ViewBox.xmin, 1.2 * (v.xmax - v.xmin), 1e-12);
  EXPECT_NEAR(w.ViewBox.ymax - w.ViewBox.ymin, 1.2 * (v.ymax - v.ymin), 1e-12);
  EXPECT_EQ(w.MouseMode, kMousePanArmed);
  w.ShowAll();
  const Box2D all = w.ViewBox;
  w.DoubleClick();
  EXPECT_NEAR(w.ViewBox.xmax - w.ViewBox.xmin, 0.8 * (all.xmax - all.xmin), 1e-12);
  EXPECT_EQ(w.KeepView, 0);

  // While the determinant plot is shown, a pan does not keep the view.
  w.SetLayer(kLayerDeterminant, true);
  w.MouseDown({1, 1}, true, false);
  w.MouseUp(kWidth, kHeight);
  EXPECT_EQ(w.KeepView, 0);
}

TEST_F(GraphWindowTest, KeepViewDecidesWhetherARebuildRefits) {
  SolvedClampedPortal();
  GraphWindow w(&view);
  w.Open();
  ASSERT_TRUE(ZoomWindow(w, {100, 100}, {200, 200}));
  const Box2D zoomed = w.ViewBox;
  // A rebuild is announced while the list still holds the old drawing.
  view.list = &w.Display;
  view.recordsAtChange.clear();
  const int records = w.Display.RecordCount();
  ASSERT_GT(records, 0);
  w.ToggleLayer(kLayerBeamNumbers, true);
  EXPECT_EQ(view.recordsAtChange, std::vector<int>{records});
  ExpectBox(w.ViewBox, zoomed);
  w.ModelChanged(1);
  ExpectBox(w.ViewBox, zoomed);
  // Focus lost to another window, then a settings change: still kept.
  w.FocusLost();
  EXPECT_EQ(w.KeepView, 0);
  w.ModelChanged(1);
  ExpectBox(w.ViewBox, zoomed);
  w.ModelChanged(0);
  EXPECT_EQ(w.KeepView, 0);
  ExpectBox(w.ViewBox, w.Display.BoundingBox());

  // After "Alles zeigen" a layer button refits to the new drawing (the
  // loads off: their diagram above the girder reaches higher than numbers).
  w.SetLayer(kLayerLoads, false);
  w.ShowAll();
  w.ToggleLayer(kLayerBeamNumbers, false);
  const Box2D without = w.ViewBox;
  w.ToggleLayer(kLayerNodeNumbers, true);
  ExpectBox(w.ViewBox, w.Display.BoundingBox());
  EXPECT_LT(w.ViewBox.ymin, without.ymin); // the numbers above the girder

  // Scales and evaluation points keep the view from then on.
  w.SetScale(GraphWindow::Scale::Force, 250);
  EXPECT_DOUBLE_EQ(w.ForceScale, 2.5);
  EXPECT_EQ(w.KeepView, 1);
  w.FocusLost();
  w.SetEvaluationPoints(4);
  EXPECT_EQ(EvaluationPoints, 4);
  EXPECT_EQ(w.KeepView, 1);
}

TEST_F(GraphWindowTest, EmptyDrawingsUnusableScalesAndClicksLeaveTheView) {
  // No model: nothing drawn, the view as it was.
  GraphWindow empty(&view);
  empty.Open();
  EXPECT_FALSE(empty.Display.HasExtent());
  ExpectBox(empty.ViewBox, {0, 0, 0, 0});

  SolvedClampedPortal();
  GraphWindow w(&view);
  w.Open();
  const Box2D fitted = w.ViewBox;
  w.Layers = 0;
  w.KeepView = 0;
  w.Rebuild();
  EXPECT_EQ(w.Display.RecordCount(), 0);
  ExpectBox(w.ViewBox, fitted);
  w.ShowAll();
  ExpectBox(w.ViewBox, fitted);

  // A view of zero extent has no scale: a pan leaves it, a zoom is refused.
  w.ViewBox = {1, 1, 1, 1};
  w.MouseDown({10, 10}, true, false);
  w.MouseMove({50, 70}, kWidth, kHeight);
  ExpectBox(w.ViewBox, {1, 1, 1, 1});
  w.MouseUp(kWidth, kHeight);
  EXPECT_FALSE(ZoomWindow(w, {10, 10}, {200, 200}));
  ExpectBox(w.ViewBox, {1, 1, 1, 1});

  // Endless zooming keeps a finite view with an extent.
  w.ViewBox = fitted;
  for (int i = 0; i < 5000; ++i)
    w.ZoomIn();
  EXPECT_LT(w.ViewBox.xmin, w.ViewBox.xmax);
  for (int i = 0; i < 10000; ++i)
    w.ZoomOut();
  EXPECT_TRUE(std::isfinite(w.ViewBox.xmax - w.ViewBox.xmin));

  // A click or a 1-pixel rectangle keeps the view and the zoom armed.
  w.ViewBox = fitted;
  EXPECT_FALSE(ZoomWindow(w, {100, 100}, {101, 300}));
  EXPECT_FALSE(ZoomWindow(w, {100, 100}, {100, 100}));
  ExpectBox(w.ViewBox, fitted);
  EXPECT_EQ(w.MouseMode, kMouseZoomArmed);
  EXPECT_FALSE(w.RubberBand());
  w.MouseDown({100, 100}, true, false);
  EXPECT_TRUE(w.RubberBand());
  // Dragging the rubber band leaves the picture below it as it is.
  const int invalidations = view.invalidations, bands = view.rubberBands;
  w.MouseMove({150, 160}, kWidth, kHeight);
  EXPECT_EQ(view.invalidations, invalidations);
  EXPECT_EQ(view.rubberBands, bands + 1);
}

TEST_F(GraphWindowTest, ReferenceLengthSpansTheOriginAndTheStructure) {
  Material(1);
  Node(1, 10, 10);
  Node(2, 13, 14);
  Beam(1, 1, 2);
  EXPECT_EQ(GraphWindow::ReferenceLength(), static_cast<float>(std::sqrt(13.0 * 13 + 14 * 14)));
  ClearAll();
  EXPECT_EQ(GraphWindow::ReferenceLength(), 0.0f);
}

} // namespace
