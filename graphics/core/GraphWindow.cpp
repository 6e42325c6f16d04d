// Tabs, layers, messages and the rebuild of a graph window's display list.
#include "graphics/core/GraphWindow.h"

#include "analysis/ResultSets.h"
#include "analysis/Solutions.h"
#include "graphics/core/DeformationLoadDrawing.h"
#include "graphics/core/LoadDrawing.h"
#include "graphics/core/ResultDrawing.h"
#include "graphics/core/StructureDrawing.h"
#include "model/GeometryQueries.h"

std::int32_t EvaluationPoints = kInitialEvaluationPoints;

namespace {

const ResultSetEntry kNoEntry{"", "", 0, 0};

// Layers a new window shows: geometry, supports, loads, extrema and values.
constexpr LayerBits kDefaultLayers = (1u << kLayerGeometry) | (1u << kLayerSupports) |
                                     (1u << kLayerLoads) | (1u << kLayerExtrema) |
                                     (1u << kLayerValues);

// Layers every tab change clears before it sets the geometry and the tab's own.
constexpr int kTabLayers[] = {kLayerUnused, kLayerGeometry, kLayerDeformed, kLayerLoads,
                              kLayerDeterminant};

} // namespace

bool HasLayer(LayerBits layers, int k) {
  return k >= 0 && k < 16 && (layers >> k) & 1u;
}

GraphWindow::GraphWindow(GraphWindowView *view) : Layers(kDefaultLayers), View(view) {}

// A window opened on another tab runs that tab's change too, so that the
// view is fitted to the drawing it shows.
void GraphWindow::Open(int tab) {
  UpdateTabs();
  if (tab != TabIndex && SelectTab(tab))
    TabChange();
  KeepView = 0;
  Rebuild();
  FitToDrawing();
  KeepView = 1;
  if (View)
    View->ShowCaption(CurrentTabName());
}

void GraphWindow::SetLayer(int k, bool on) {
  SwitchLayer(k, on);
  ShowLayers();
}

void GraphWindow::SwitchLayer(int k, bool on) {
  if (k < kFirstLayer || k > kLastLayer)
    return;
  if (on)
    Layers |= static_cast<LayerBits>(1u << k);
  else
    Layers &= static_cast<LayerBits>(~(1u << k));
}

void GraphWindow::ShowLayers() {
  if (View)
    View->ShowLayers(Layers);
}

void GraphWindow::ToggleLayer(int k, bool on) {
  SetLayer(k, on);
  Rebuild();
}

void GraphWindow::UpdateTabs() {
  const ResultSetTable &table = ResultDescriptor(Solutions);
  if (TabTable == &table)
    return;
  TabTable = &table;
  TabIndex = 0;
  if (View)
    View->ShowTabs();
  TabChange();
}

void GraphWindow::TabChange() {
  for (int k : kTabLayers)
    SwitchLayer(k, false);
  SwitchLayer(kLayerGeometry, true);
  SwitchLayer(TabEntry(TabIndex).kind, true);
  ShowLayers();
  Rebuild();
  if (View)
    View->ShowCaption(CurrentTabName());
}

bool GraphWindow::SelectTab(int index) {
  if (index < 0 || index >= TabCount())
    return false;
  TabIndex = index;
  if (View)
    View->ShowTabs();
  return true;
}

const ResultSetEntry &GraphWindow::TabEntry(int index) const {
  if (TabTable == nullptr || index < 0 || index >= TabTable->count)
    return kNoEntry;
  return TabTable->entries[index];
}

int GraphWindow::TabCount() const {
  return TabTable ? TabTable->count : 0;
}

std::string GraphWindow::CurrentTabName() const {
  return TabEntry(TabIndex).name;
}

float GraphWindow::ReferenceLength() {
  return static_cast<float>(BoxDiagonal(BoxUnion(BeamsExtent(Beams), NodesExtent(Nodes))));
}

// Later layers are drawn over earlier ones.  The determinant plot is a
// picture of its own and fits the view itself.
void GraphWindow::Rebuild() {
  UpdateTabs();
  if (View)
    View->ListChanging();
  Display.Reset();
  if (Layer(kLayerDeterminant)) {
    DrawDeterminantPlot(*this, Display);
    Invalidate();
    return;
  }
  const float L = ReferenceLength();
  if (!(L > 0.0f)) {
    Invalidate();
    return;
  }
  Draw(L);
  if (KeepView == 0 && !HoldView)
    FitToDrawing();
  Invalidate();
}

void GraphWindow::Draw(float L) {
  if (Layer(kLayerGeometry)) {
    DrawBeams(*this, L, Display, Layers);
    DrawHinges(*this, L, Display, Layers);
    if (Layer(kLayerSupports))
      DrawSupports(*this, L, Display);
    DrawNodes(*this, L, Display, Layers);
  }
  // The forces of the load case, then the loads that are not forces.
  if (Layer(kLayerLoads)) {
    DrawLoads(*this, L, Display, Layers);
    DrawImposedDisplacements(*this, L, Display, Layers);
    DrawTemperatureLoads(*this, L, Display, Layers);
    DrawPreDeformations(*this, L, Display, Layers);
  }
  if (!Solutions.ResultsPresent)
    return;
  if (Layer(kLayerReactions))
    DrawReactions(*this, L, Display, Layers);
  if (Layer(kLayerDeformed))
    DrawDeformedShape(*this, L, Display, Layers);
  DrawCurrentDiagram(*this, L, Display, Layers, TabIndex);
}

void GraphWindow::ModelChanged(std::intptr_t wParam) {
  if (wParam == 0)
    KeepView = 0;
  HoldView = wParam != 0;
  Rebuild();
  HoldView = false;
}

void GraphWindow::SetScale(Scale which, int value) {
  double *scales[] = {&TextScale, &ForceScale, &DisplacementScale, &LineLoadScale, &PointLoadScale};
  *scales[static_cast<int>(which)] = value * 0.01;
  SpinDoubleClick();
}

void GraphWindow::SetEvaluationPoints(int value) {
  EvaluationPoints = value;
  SpinDoubleClick();
}

void GraphWindow::SpinDoubleClick() {
  KeepView = 1;
  Rebuild();
}

void GraphWindow::FitToDrawing() {
  if (Display.HasExtent())
    ViewBox = Display.BoundingBox();
}

void GraphWindow::Invalidate() {
  if (View)
    View->Invalidate();
}

void GraphWindow::RubberBandChanged() {
  if (View)
    View->ShowRubberBand();
}
