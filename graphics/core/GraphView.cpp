// Zoom, pan and "Alles zeigen" of a graph window and the mouse gestures
// that drive them.  None of them rebuilds the display list: they change
// ViewBox, and the next paint replays the list through it.
#include "graphics/core/GraphWindow.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <utility>

namespace {

// Share of the width and height added or taken on each side by one step of
// zooming out or in.
constexpr double kZoomStep = 0.1;
// Smallest zoom rectangle in pixels, wide and high: a smaller one is a click.
constexpr int kSmallestZoomRectangle = 2;

bool UsableScale(double s) {
  return s != 0.0 && std::isfinite(s);
}

// A view the transform can fit: finite, with width and height.  Endless
// zooming out or in would otherwise overflow to infinity or shrink to a
// point, and only "Alles zeigen" could bring the drawing back.
bool UsableView(const Box2D &box) {
  return std::isfinite(box.xmin) && std::isfinite(box.ymin) && std::isfinite(box.xmax) &&
         std::isfinite(box.ymax) && box.xmin < box.xmax && box.ymin < box.ymax;
}

} // namespace

TViewTransform GraphWindow::ViewTransform(int width, int height) const {
  TViewTransform transform;
  transform.Fit(ViewBox, 0, 0, width, height, 1.0);
  return transform;
}

Box2D GraphWindow::ShownBox(int width, int height) const {
  const double w = ViewBox.xmax - ViewBox.xmin, h = ViewBox.ymax - ViewBox.ymin;
  if (width <= 0 || height <= 0 || !(w > 0.0 || h > 0.0))
    return ViewBox;
  // Pixels per world unit of the fit without its margin: the constraining
  // direction's.
  const double inf = std::numeric_limits<double>::infinity();
  const double scale = std::min(w > 0.0 ? width / w : inf, h > 0.0 ? height / h : inf);
  if (!UsableScale(scale))
    return ViewBox;
  const double cx = 0.5 * (ViewBox.xmin + ViewBox.xmax), cy = 0.5 * (ViewBox.ymin + ViewBox.ymax);
  const double halfWidth = 0.5 * width / scale, halfHeight = 0.5 * height / scale;
  const Box2D shown{cx - halfWidth, cy - halfHeight, cx + halfWidth, cy + halfHeight};
  return UsableView(shown) ? shown : ViewBox;
}

void GraphWindow::ShowAll() {
  FitToDrawing();
  KeepView = 0;
  Invalidate();
}

void GraphWindow::ZoomOut() {
  const double w = ViewBox.xmax - ViewBox.xmin, h = ViewBox.ymax - ViewBox.ymin;
  const Box2D wider{ViewBox.xmin - kZoomStep * w, ViewBox.ymin - kZoomStep * h,
                    ViewBox.xmax + kZoomStep * w, ViewBox.ymax + kZoomStep * h};
  if (UsableView(wider))
    ViewBox = wider;
}

void GraphWindow::ZoomIn() {
  const double w = ViewBox.xmax - ViewBox.xmin, h = ViewBox.ymax - ViewBox.ymin;
  const Box2D narrower{ViewBox.xmin + kZoomStep * w, ViewBox.ymin + kZoomStep * h,
                       ViewBox.xmax - kZoomStep * w, ViewBox.ymax - kZoomStep * h};
  if (UsableView(narrower))
    ViewBox = narrower;
}

void GraphWindow::Pan(PixelPoint from, PixelPoint to, int width, int height) {
  const TViewTransform transform = ViewTransform(width, height);
  if (!UsableScale(transform.sx) || !UsableScale(transform.sy))
    return;
  const double dx = (from.x - to.x) / transform.sx;
  const double dz = (from.y - to.y) / transform.sy;
  const Box2D moved{ViewBox.xmin + dx, ViewBox.ymin + dz, ViewBox.xmax + dx, ViewBox.ymax + dz};
  if (UsableView(moved))
    ViewBox = moved;
}

bool GraphWindow::ZoomToRectangle(PixelPoint a, PixelPoint b, int width, int height) {
  if (ViewBox.xmin == ViewBox.xmax || ViewBox.ymin == ViewBox.ymax)
    return false;
  if (std::abs(a.x - b.x) < kSmallestZoomRectangle || std::abs(a.y - b.y) < kSmallestZoomRectangle)
    return false;
  const TViewTransform transform = ViewTransform(width, height);
  if (!UsableScale(transform.sx) || !UsableScale(transform.sy))
    return false;
  const Point2D p = transform.ToWorld(std::min(a.x, b.x), std::min(a.y, b.y));
  const Point2D q = transform.ToWorld(std::max(a.x, b.x), std::max(a.y, b.y));
  const Box2D framed{p.x, p.y, q.x, q.y};
  if (!UsableView(framed))
    return false;
  ViewBox = framed;
  return true;
}

// A right click zooms out in every mode; a left press starts the gesture
// its mode is armed for.
void GraphWindow::MouseDown(PixelPoint at, bool left, bool right) {
  if (left) {
    if (MouseMode == kMouseZoomArmed) {
      MouseMode = kMouseZooming;
      DragStart = DragEnd = at;
      RubberBandChanged();
    } else if (MouseMode == kMouseIdle || MouseMode == kMousePanArmed) {
      MouseMode = kMousePanning;
      DragStart = DragEnd = at;
    }
  }
  if (right) {
    ZoomOut();
    Invalidate();
  }
}

void GraphWindow::MouseMove(PixelPoint at, int width, int height) {
  if (MouseMode == kMouseZooming) {
    DragEnd = at;
    RubberBandChanged();
  } else if (MouseMode == kMousePanning) {
    Pan(DragStart, at, width, height);
    DragStart = at;
    PanMoved();
  }
}

// The press of the double click has started a gesture (a pan or a zoom
// rectangle of no size) whose release repaints, also when it is refused.
void GraphWindow::DoubleClick() {
  ZoomIn();
  RepaintAtRelease = true;
}

void GraphWindow::PanMoved() {
  if (View)
    View->ShowPan();
}

// A zoom window is used once; a pan leaves the pan armed.  A rectangle too
// small to zoom into (a click) keeps the view and the zoom armed.
bool GraphWindow::MouseUp(int width, int height) {
  if (std::exchange(RepaintAtRelease, false))
    Invalidate();
  bool zoomed = false;
  if (MouseMode == kMouseZooming) {
    if (!ZoomToRectangle(DragStart, DragEnd, width, height)) {
      MouseMode = kMouseZoomArmed;
      RubberBandChanged();
      return false;
    }
    MouseMode = kMouseIdle;
    zoomed = true;
  } else if (MouseMode == kMousePanning) {
    MouseMode = kMousePanArmed;
  } else {
    return false;
  }
  KeepView = Layer(kLayerDeterminant) ? 0 : 1;
  Invalidate();
  return zoomed;
}
