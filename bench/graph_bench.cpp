// Times the graph window on a large generated frame after a first-order
// analysis: the rebuild of the "Biegemoment" view and the replay of its
// display list into a full-HD image, without and with the number and value
// layers.  Figures are medians of 10 runs.
// Usage: graph_bench [storeys [bays]]   (default 100 x 100)
#include "analysis/Drivers.h"
#include "analysis/Solutions.h"
#include "analysis/SolveStep.h"
#include "bench/BenchMeasure.h"
#include "bench/FrameGenerator.h"
#include "graphics/core/GraphWindow.h"
#include "graphics/widgets/BatchedPainterCanvas.h"
#include "graphics/widgets/QPainterCanvas.h"

#include <QImage>
#include <QPainter>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

namespace {

constexpr int kRuns = 10;
constexpr int kImageWidth = 1920, kImageHeight = 1080;
constexpr int kMomentTab = 4;

double MedianMilliseconds(const std::function<void()> &work, const std::function<void()> &before) {
  std::vector<double> times;
  for (int i = 0; i < kRuns; ++i) {
    before();
    const auto start = std::chrono::steady_clock::now();
    work();
    times.push_back(
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
            .count());
  }
  std::sort(times.begin(), times.end());
  return 0.5 * (times[kRuns / 2 - 1] + times[kRuns / 2]);
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

void Measure(GraphWindow &window, const char *label) {
  QImage image(kImageWidth, kImageHeight, QImage::Format_RGB32);
  const double rebuild = MedianMilliseconds([&] { window.Rebuild(); }, [] {});
  const TViewTransform transform = window.ViewTransform(kImageWidth, kImageHeight);
  NullCanvas null;
  const double decode = MedianMilliseconds([&] { window.Display.Paint(null, transform); }, [] {});
  const double single = Replay<QPainterCanvas>(window, image, transform);
  const double batched = Replay<BatchedPainterCanvas>(window, image, transform);
  const double thin = Replay<ThinPenCanvas>(window, image, transform);
  const int records = window.Display.RecordCount();
  std::printf("%s\n  %d records, %.1f MB stream\n  rebuild %9.2f ms\n"
              "  replay  %9.2f ms line by line (%.0f records/ms), %.2f ms batched per pen "
              "(%.0f records/ms), %.2f ms without drawing, %.2f ms batched with one-pixel pens\n",
              label, records, window.Display.Count() / (1024.0 * 1024.0), rebuild, single,
              records / single, batched, records / batched, decode, thin);
}

} // namespace

int main(int argc, char **argv) {
  const FrameSpec spec = FrameSpecFromArguments(argc, argv);
  const FrameSize size = GenerateFrame(spec);
  std::printf("frame %d x %d: %d nodes, %d beams; load average %s\n", spec.storeys, spec.bays,
              size.nodes, size.beams, LoadAverage().c_str());
  if (RunFirstOrder(Solutions) != kSolved) {
    std::printf("the first-order analysis failed\n");
    return 1;
  }
  GraphWindow window;
  window.Open();
  window.SelectTab(kMomentTab);
  window.TabChange();
  window.SetLayer(kLayerExtrema, false);
  window.SetLayer(kLayerValues, false);
  Measure(window, "\"Biegemoment\", structure and moment diagram");
  window.SetLayer(kLayerDeformed, true);
  Measure(window, "with the deformed shape");
  for (int layer : {kLayerNodeNumbers, kLayerHingeNumbers, kLayerBeamNumbers, kLayerMaterialNumbers,
                    kLayerExtrema, kLayerValues})
    window.SetLayer(layer, true);
  Measure(window, "with numbers, extrema and values (layers 1, 5, 8, 9, 11, 13)");
  std::printf("load average after: %s\n", LoadAverage().c_str());
  return 0;
}
