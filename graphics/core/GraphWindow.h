#pragma once
// The state of one graph window and the arithmetic behind it: its layers,
// tab, scales and view box, the display list it rebuilds from the model and
// the results, and the zoom and pan gestures of the mouse.  The widget that
// shows it (graphics/widgets/TGraphForm) keeps only what the toolkit needs
// and reaches back through GraphWindowView; everything decided here can be
// tested on a recording canvas without a widget.
//
// World coordinates are the model's x and z (z downwards); pixel points are
// those of the paint box, (0, 0) at its top left.
#include "graphics/core/PaintContainer.h"
#include "model/Geometry2D.h"

#include <cstdint>
#include <initializer_list>
#include <string>

struct ResultSetEntry;
struct ResultSetTable;

// Layer bits 1 to 13 of a graph window.
enum GraphLayer : int {
  kLayerNodeNumbers = 1,
  kLayerUnused = 2,
  kLayerGeometry = 3,
  kLayerDeformed = 4,
  kLayerHingeNumbers = 5,
  kLayerSupports = 6,
  kLayerLoads = 7,
  kLayerBeamNumbers = 8,
  kLayerMaterialNumbers = 9,
  kLayerReactions = 10,
  kLayerExtrema = 11,
  kLayerDeterminant = 12,
  kLayerValues = 13,
};
constexpr int kFirstLayer = 1;
constexpr int kLastLayer = 13;

// The layer bits as the drawing functions receive them: bit k of the word.
using LayerBits = std::uint16_t;
// False for k outside 0 .. 15.
bool HasLayer(LayerBits layers, int k);
// The word with the bits of the given layers (1 .. 13) set.
constexpr LayerBits LayersOf(std::initializer_list<int> layers) {
  LayerBits bits = 0;
  for (int k : layers)
    if (k >= kFirstLayer && k <= kLastLayer)
      bits |= static_cast<LayerBits>(1u << k);
  return bits;
}

// Number of evaluation points along a beam that the internal-force diagrams
// use; shared by every graph window, written by any of them.
extern std::int32_t EvaluationPoints;
constexpr std::int32_t kInitialEvaluationPoints = 11;

// The gestures of the mouse.
enum MouseModes : std::int32_t {
  kMouseIdle = 0, // a left drag pans, as in kMousePanArmed
  kMouseZoomArmed = 1,
  kMouseZooming = 2, // the zoom rectangle is being dragged
  kMousePanArmed = 3,
  kMousePanning = 4,
};

struct PixelPoint {
  std::int32_t x = 0;
  std::int32_t y = 0;
};

// What the window state needs of the widget that shows it.
class GraphWindowView {
public:
  virtual ~GraphWindowView() = default;
  // The tab table or the current tab changed: show the state's tabs with
  // its current one, without running the tab change.
  virtual void ShowTabs() = 0;
  // The layer bits changed: every layer button shows its bit, down when the
  // layer is drawn.
  virtual void ShowLayers(LayerBits layers) = 0;
  virtual void ShowCaption(const std::string &caption) = 0;
  // The picture changed: repaint the paint box.
  virtual void Invalidate() = 0;
  // Only the rubber band of a zoom window moved, came or went; the picture
  // below it is as it was.
  virtual void ShowRubberBand() = 0;
  // A pan moved the view with the mouse: the picture shown moves with it,
  // and the list is replayed when PanPicture (graphics/core/PanPicture.h)
  // says so; the release invalidates.
  virtual void ShowPan() = 0;
  // The display list is about to be rebuilt: whatever reads it on another
  // thread must have stopped.
  virtual void ListChanging() {}
};

class GraphWindow {
public:
  // Default layers, scales 1, no tabs yet.  view may be null (no widget);
  // it must outlive the state.
  explicit GraphWindow(GraphWindowView *view = nullptr);
  // The window opens: the tabs of the current analysis kind on tab (the
  // first one when tab is not among them), the list built and the view
  // fitted to it, then KeepView 1 and the caption.
  void Open(int tab = 0);

  // --- Layers.
  bool Layer(int k) const { return HasLayer(Layers, k); }
  // Sets or clears bit k and shows the layers; k outside 1 .. 13 does
  // nothing.
  void SetLayer(int k, bool on);
  // A layer toggle of the tool bar: the bit, then Rebuild (KeepView stays).
  void ToggleLayer(int k, bool on);

  // --- Tabs.
  // Rebuilds the tabs from the table of the current analysis kind when that
  // table is not the one they were built from, then runs the tab change.
  void UpdateTabs();
  // The tab change: layers 2, 3, 4, 7, 12 cleared, 3 set, the tab's kind set
  // as a layer (1 .. 13), the layers shown, Rebuild, caption.
  void TabChange();
  // Selects tab index without the tab change; an index outside the tabs
  // does nothing and gives false.
  bool SelectTab(int index);
  // The entry of tab index; outside the table (or before the first
  // UpdateTabs) an entry of kind 0, component 0 and no name.
  const ResultSetEntry &TabEntry(int index) const;
  int TabCount() const;
  // Name of the current tab's entry ("" when there is none).
  std::string CurrentTabName() const;

  // --- The display list.
  // Rebuilds Display by layers (structure, loads, reactions, deformed shape,
  // the tab's diagram) and invalidates the view; with KeepView 0 the view is
  // fitted to the new drawing.  Without a structure (L not positive) the
  // list stays empty and ViewBox as it was; with layer 12 the determinant
  // plot is drawn alone and fits the view itself.
  void Rebuild();
  // L: the diagonal of the extents of beams and nodes, as a 32-bit float.
  static float ReferenceLength();

  // --- Messages.
  // UM_MODELCHANGED: wParam 0 refits the view at the rebuild, any other
  // value keeps ViewBox as it is.
  void ModelChanged(std::intptr_t wParam);
  // The focus left the window: the next rebuild refits.
  void FocusLost() { KeepView = 0; }

  // --- Scales and evaluation points (value of the spin edit).
  enum class Scale { Text, Force, Displacement, LineLoad, PointLoad };
  // scale = value / 100, KeepView 1, Rebuild.
  void SetScale(Scale which, int value);
  // EvaluationPoints = value, KeepView 1, Rebuild.
  void SetEvaluationPoints(int value);
  // A double click on a spin edit: KeepView 1, Rebuild.
  void SpinDoubleClick();

  // --- View arithmetic.
  // "Alles zeigen": ViewBox = the extents of the drawing, KeepView 0.
  void ShowAll();
  // Widens (right click) or narrows (double click) ViewBox by 10 % of its
  // width and height on each side; KeepView is not touched.  A view that
  // would not be finite or would lose its extent is not taken.
  void ZoomOut();
  void ZoomIn();
  // Moves ViewBox so that the drawing follows the mouse from `from` to
  // `to` in a paint box of width x height pixels.  Ignored while the
  // transform's scale is 0 or not finite, or when the view would not be.
  void Pan(PixelPoint from, PixelPoint to, int width, int height);
  // ViewBox = the world rectangle of the pixel corners a and b in a paint box
  // of width x height.  A rectangle under 2 pixels wide or high, or a
  // ViewBox without extent, is refused (false) and the view stays.
  bool ZoomToRectangle(PixelPoint a, PixelPoint b, int width, int height);

  // --- Mouse gestures (MouseMode state machine).
  // "Auschnitt" and "Verschieben" buttons: the new mode.
  void ZoomButton(bool down) { MouseMode = down ? kMouseZoomArmed : kMouseIdle; }
  void PanButton(bool down) { MouseMode = down ? kMousePanArmed : kMouseIdle; }
  // A left press starts what the mode is armed for: the zoom rectangle in
  // mode 1, a pan in modes 0 and 3; during a gesture it does nothing.  A
  // right press zooms out in every mode.
  void MouseDown(PixelPoint at, bool left, bool right);
  // Drags the rubber band (mode 2) or pans (mode 4, shown through ShowPan);
  // otherwise nothing.
  void MouseMove(PixelPoint at, int width, int height);
  // True when a zoom window was completed: the widget releases "Auschnitt"
  // and resets the cursor.  The release after a double click repaints.
  bool MouseUp(int width, int height);
  // Zooms in; the picture follows at the release of the button.
  void DoubleClick();
  // True while the rubber band of a zoom window is shown.
  bool RubberBand() const { return MouseMode == kMouseZooming; }

  // --- Replay.
  // Fits ViewBox into the paint box (0, 0, width, height) with aspect 1.
  TViewTransform ViewTransform(int width, int height) const;
  // The part of the world a paint box of width x height shows, less the
  // margin of the fit: ViewBox widened about its centre to the paint box's
  // proportions, so that fitted into any target it shows at least what the
  // paint box shows.  ViewBox itself when the paint box has no area (a
  // window not on the screen) or ViewBox has none.
  Box2D ShownBox(int width, int height) const;

  // --- The graphics printout (GraphWindowPrint.cpp).
  // UM_EXCLUDEPRINT and UM_INCLUDEPRINT: NoPrint 1 or 0 until the next one.
  void ExcludeFromPrint() { NoPrint = 1; }
  void IncludeInPrint() { NoPrint = 0; }
  // UM_COUNTPRINT: a window taking part takes the counter's value as its
  // tile number and increments it; an excluded one keeps its old number.
  void CountPrint(int &counter);
  // UM_PRINTTILE: a window taking part whose tile number is tile draws
  // itself into the canvas's clip rectangle with its caption, fitting the
  // world box shown (ShownBox) into it; any other ignores the request.
  void PrintTile(int tile, TCanvas &canvas, double aspect, const Box2D &shown) const;

  PixelPoint DragStart;
  PixelPoint DragEnd;
  std::int32_t MouseMode = kMouseIdle;
  std::int32_t KeepView = 0;
  double TextScale = 1.0;
  double ForceScale = 1.0;
  double DisplacementScale = 1.0;
  double LineLoadScale = 1.0;
  double PointLoadScale = 1.0;
  const ResultSetTable *TabTable = nullptr;
  Box2D ViewBox;
  PaintContainer Display;
  LayerBits Layers = 0;
  int TabIndex = 0;
  std::int32_t NoPrint = 0;
  // The tile number of the last count; -1 before the first.
  std::int32_t PrintIndex = -1;

private:
  // ViewBox = the extents of Display, unless the list holds nothing.
  void FitToDrawing();
  // Sets or clears bit k (1 .. 13) without showing it.
  void SwitchLayer(int k, bool on);
  void ShowLayers();
  void Draw(float L);
  void Invalidate();
  void RubberBandChanged();
  void PanMoved();

  GraphWindowView *View;
  // Set while a rebuild must keep ViewBox whatever KeepView says.
  bool HoldView = false;
  // Set by a double click until the release that follows it, which shows
  // the zoomed view whatever the gesture made of the click.
  bool RepaintAtRelease = false;
};
