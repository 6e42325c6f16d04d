// Times the graph window on a large generated frame after a first-order
// analysis: the rebuild of the "Biegemoment" view, the replay of its display
// list into a full-HD image on one thread and in bands on all cores, and a
// pan of 20 steps of 10 pixels as the window does it (per mouse move the view
// follows and the last picture is drawn moved; at the release the list is
// replayed in bands), without and with the number and value layers.  Figures
// are medians of 10 runs.  Then the pan and the resize as a user feels them
// in a maximised graph window of the frame window (bench/ScriptedGestures.h):
// a drag of 200 steps at 60 a second and a resize of 60 steps, labels off
// and on.
// Usage: graph_bench [storeys [bays]]   (default 100 x 100)
#include "analysis/Drivers.h"
#include "analysis/Solutions.h"
#include "analysis/SolveStep.h"
#include "app/Application.h"
#include "bench/BenchMeasure.h"
#include "bench/FrameGenerator.h"
#include "bench/ScriptedGestures.h"
#include "graphics/core/GraphWindow.h"
#include "graphics/widgets/BatchedPainterCanvas.h"
#include "graphics/widgets/PaintBoxPicture.h"
#include "graphics/widgets/QPainterCanvas.h"
#include "graphics/widgets/TGraphForm.h"

#include <QApplication>
#include <QImage>
#include <QMdiArea>
#include <QPainter>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

namespace {

constexpr int kRuns = 10;
constexpr int kImageWidth = 1920, kImageHeight = 1080;
constexpr int kMomentTab = 4;
constexpr int kPanSteps = 20, kPanStep = 10;
// The frame window around the maximised graph window, its paint box about
// full HD; the drag and the resize as a user makes them.
constexpr int kFrameWidth = 1940, kFrameHeight = 1200;
constexpr int kDragSteps = 200, kDragStep = 5, kResizeSteps = 60, kResizeStep = 10;
constexpr double kStepsPerSecond = 60.0;
const std::initializer_list<int> kLabelLayers = {kLayerNodeNumbers, kLayerHingeNumbers,
                                                 kLayerBeamNumbers, kLayerMaterialNumbers,
                                                 kLayerExtrema,     kLayerValues};

double Milliseconds(std::chrono::steady_clock::time_point since) {
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - since)
      .count();
}

double Median(std::vector<double> times) {
  std::sort(times.begin(), times.end());
  const std::size_t n = times.size();
  return n % 2 ? times[n / 2] : 0.5 * (times[n / 2 - 1] + times[n / 2]);
}

double MedianMilliseconds(const std::function<void()> &work, const std::function<void()> &before) {
  std::vector<double> times;
  for (int i = 0; i < kRuns; ++i) {
    before();
    const auto start = std::chrono::steady_clock::now();
    work();
    times.push_back(Milliseconds(start));
  }
  return Median(times);
}

// A canvas that draws nothing: the replay's own share of the time.
class NullCanvas : public TCanvas {
public:
  void SetPenColor(TColor) override {}
  void SetPenWidth(int) override {}
  void SetBrushColor(TColor) override {}
  void MoveTo(int, int) override {}
  void LineTo(int, int) override {}
  void Polygon(const TPoint *, int) override {}
  void Rectangle(const TRect &) override {}
  void SetFontName(const std::string &) override {}
  void SetFontSize(int) override {}
  void SetFontColor(TColor) override {}
  void TextOut(int, int, const std::string &) override {}
  int TextWidth(const std::string &) const override { return 0; }
  int TextHeight(const std::string &) const override { return 0; }
  TRect ClipRect() const override { return {0, 0, kImageWidth, kImageHeight}; }
  void SaveClip() override {}
  void IntersectClip(const TRect &) override {}
  void RestoreClip() override {}
  void StretchDraw(const TRect &, const std::string &) override {}
};

// The batched canvas with every pen one pixel wide: how much of the replay
// the wide pens (beams, diagrams and texts scale with the view) cost.
class ThinPenCanvas : public BatchedPainterCanvas {
public:
  using BatchedPainterCanvas::BatchedPainterCanvas;
  void SetPenWidth(int) override { BatchedPainterCanvas::SetPenWidth(0); }
};

template <class Canvas>
double Replay(GraphWindow &window, QImage &image, const TViewTransform &transform) {
  return MedianMilliseconds(
      [&] {
        QPainter painter(&image);
        Canvas canvas(painter);
        window.Display.Paint(canvas, transform);
      },
      [&] { image.fill(Qt::white); });
}

struct PanFigures {
  double step = 0.0;    // median of the mouse moves
  double slowest = 0.0; // slowest mouse move
  double release = 0.0; // median of the releases
};

// Pans 20 steps of 10 pixels to the right and back, kRuns times: what the
// paint box does per move (the view follows, the picture is drawn moved
// onto the screen) and at the release (the list replayed in bands, drawn).
PanFigures Pan(GraphWindow &window, QImage &screen, int threads, ReplayCosts &costs) {
  QImage picture(kImageWidth, kImageHeight, QImage::Format_RGB32);
  ReplayInBands(window.Display, window.ViewTransform(kImageWidth, kImageHeight), picture, threads,
                &costs);
  const QRect all(0, 0, kImageWidth, kImageHeight);
  std::vector<double> steps, releases;
  for (int run = 0; run < kRuns; ++run) {
    const int direction = run % 2 ? -1 : 1;
    const PixelPoint start{kImageWidth / 2, kImageHeight / 2};
    window.MouseDown(start, true, false);
    for (int step = 1; step <= kPanSteps; ++step) {
      const auto begin = std::chrono::steady_clock::now();
      window.MouseMove({start.x + direction * step * kPanStep, start.y}, kImageWidth, kImageHeight);
      QPainter painter(&screen);
      DrawPlaced(painter, picture, {direction * step * kPanStep * 1.0, 0.0}, all);
      painter.end();
      steps.push_back(Milliseconds(begin));
    }
    const auto begin = std::chrono::steady_clock::now();
    window.MouseUp(kImageWidth, kImageHeight);
    ReplayInBands(window.Display, window.ViewTransform(kImageWidth, kImageHeight), picture, threads,
                  &costs);
    QPainter painter(&screen);
    DrawPlaced(painter, picture, {}, all);
    painter.end();
    releases.push_back(Milliseconds(begin));
  }
  return {Median(steps), *std::max_element(steps.begin(), steps.end()), Median(releases)};
}

void Measure(GraphWindow &window, const char *label) {
  QImage image(kImageWidth, kImageHeight, QImage::Format_RGB32);
  const double rebuild = MedianMilliseconds([&] { window.Rebuild(); }, [] {});
  const TViewTransform transform = window.ViewTransform(kImageWidth, kImageHeight);
  NullCanvas null;
  const double decode = MedianMilliseconds([&] { window.Display.Paint(null, transform); }, [] {});
  const double single = Replay<QPainterCanvas>(window, image, transform);
  const double batched = Replay<BatchedPainterCanvas>(window, image, transform);
  const double thin = Replay<ThinPenCanvas>(window, image, transform);
  const int threads = ReplayThreads();
  // As in the window: each replay cuts its bands by the times of the last.
  ReplayCosts costs;
  const double banded = MedianMilliseconds(
      [&] { ReplayInBands(window.Display, transform, image, threads, &costs); }, [] {});
  const int records = window.Display.RecordCount();
  std::printf("%s\n  %d records, %.1f MB stream\n  rebuild %9.2f ms\n"
              "  replay  %9.2f ms line by line (%.0f records/ms), %.2f ms batched per pen "
              "(%.0f records/ms), %.2f ms without drawing, %.2f ms batched with one-pixel pens\n"
              "          %9.2f ms in %d bands on %d threads (%.0f records/ms, %.0f per thread)\n",
              label, records, window.Display.Count() / (1024.0 * 1024.0), rebuild, single,
              records / single, batched, records / batched, decode, thin, banded, threads, threads,
              records / banded, records / banded / threads);
  const Box2D view = window.ViewBox;
  const PanFigures pan = Pan(window, image, threads, costs);
  window.ViewBox = view;
  std::printf("  pan of %d steps of %d pixels: %.3f ms per step (slowest %.3f ms), "
              "%.2f ms at the release\n",
              kPanSteps, kPanStep, pan.step, pan.slowest, pan.release);
}

// The graph window's labels (layers 1, 5, 8, 9, 11, 13) on or off, rebuilt.
void ShowLabels(TGraphForm &graph, bool on) {
  for (int layer : kLabelLayers)
    graph.State().SetLayer(layer, on);
  graph.Rebuild();
}

// The drag and the resize on "Biegemoment" in a window of the frame window.
void Felt(TMainForm &frame) {
  frame.resize(kFrameWidth, kFrameHeight);
  frame.show();
  TGraphForm *graph = frame.NewGraphWindow(kMomentTab);
  auto *child = qobject_cast<QMdiSubWindow *>(graph->parentWidget());
  child->showMaximized();
  for (bool labels : {false, true}) {
    ShowLabels(*graph, labels);
    const DragFigures drag = ScriptedDrag(*graph, kDragSteps, kStepsPerSecond, kDragStep);
    std::printf("drag of %d steps at %.0f a second, paint box %d x %d, labels %s: the picture "
                "stood still %.0f ms at most, %.1f %% of the drag frozen, %d pictures shown; the "
                "last %.0f ms after the release\n",
                kDragSteps, kStepsPerSecond, graph->PaintBox1->width(), graph->PaintBox1->height(),
                labels ? "on" : "off", drag.longestStill, 100.0 * drag.frozenShare, drag.pictures,
                drag.settled);
  }
  child->showNormal();
  child->resize(kFrameWidth * 2 / 3, kFrameHeight * 2 / 3);
  for (bool labels : {false, true}) {
    ShowLabels(*graph, labels);
    const ResizeFigures resize =
        ScriptedResize(*child, *graph, kResizeSteps, kStepsPerSecond, kResizeStep);
    std::printf("resize of %d steps of %d pixels at %.0f a second, labels %s: a step shows in "
                "%.1f ms (median), %.1f ms at most\n",
                kResizeSteps, kResizeStep, kStepsPerSecond, labels ? "on" : "off", resize.median,
                resize.slowest);
  }
  child->close();
}

} // namespace

int main(int argc, char **argv) {
  int programOnly = 1; // the frame window would run any argument as a batch file
  QApplication application(programOnly, argv);
  PrepareApplication(application);
  AutoCreatedForms forms;
  const FrameSpec spec = FrameSpecFromArguments(argc, argv);
  const FrameSize size = GenerateFrame(spec);
  std::printf("frame %d x %d: %d nodes, %d beams; load average %s\n", spec.storeys, spec.bays,
              size.nodes, size.beams, LoadAverage().c_str());
  if (RunFirstOrder(Solutions) != kSolved) {
    std::printf("the first-order analysis failed\n");
    return 1;
  }
  {
    GraphWindow window;
    window.Open();
    window.SelectTab(kMomentTab);
    window.TabChange();
    window.SetLayer(kLayerExtrema, false);
    window.SetLayer(kLayerValues, false);
    Measure(window, "\"Biegemoment\", structure and moment diagram");
    window.SetLayer(kLayerDeformed, true);
    Measure(window, "with the deformed shape");
    for (int layer : kLabelLayers)
      window.SetLayer(layer, true);
    Measure(window, "with numbers, extrema and values (layers 1, 5, 8, 9, 11, 13)");
  }
  Felt(forms.mainForm);
  std::printf("load average after: %s\n", LoadAverage().c_str());
  // The generated frame counts as saved: nothing asks when the frame closes.
  forms.mainForm.SetSystemChanged(0);
  forms.mainForm.SetLoadChanged(0);
  return 0;
}
