#include "graphics/core/Clipping.h"

#include <cmath>

namespace {
bool Finite(Point2D p) {
  return std::isfinite(p.x) && std::isfinite(p.y);
}

// One side of the window: a point is inside when Distance >= 0.
struct Edge {
  double nx, ny, c; // inside: nx * x + ny * y + c >= 0
  double Distance(Point2D p) const { return nx * p.x + ny * p.y + c; }
};

void Edges(const Box2D &w, Edge (&edges)[4]) {
  edges[0] = {1.0, 0.0, -w.xmin};
  edges[1] = {-1.0, 0.0, w.xmax};
  edges[2] = {0.0, 1.0, -w.ymin};
  edges[3] = {0.0, -1.0, w.ymax};
}

Point2D Crossing(Point2D a, Point2D b, double da, double db) {
  const double t = da / (da - db);
  return {a.x + t * (b.x - a.x), a.y + t * (b.y - a.y)};
}
} // namespace

bool ClipSegment(Point2D &a, Point2D &b, const Box2D &window) {
  if (!Finite(a) || !Finite(b))
    return false;
  Edge edges[4];
  Edges(window, edges);
  double t0 = 0.0;
  double t1 = 1.0;
  for (const Edge &e : edges) {
    const double da = e.Distance(a);
    const double db = e.Distance(b);
    if (da < 0.0 && db < 0.0)
      return false;
    if (da < 0.0)
      t0 = std::fmax(t0, da / (da - db));
    else if (db < 0.0)
      t1 = std::fmin(t1, da / (da - db));
  }
  if (t0 > t1)
    return false;
  const Point2D d = {b.x - a.x, b.y - a.y};
  const Point2D start = {a.x + t0 * d.x, a.y + t0 * d.y};
  if (t1 < 1.0)
    b = {a.x + t1 * d.x, a.y + t1 * d.y};
  if (t0 > 0.0)
    a = start;
  return true;
}

std::vector<Point2D> ClipPolygon(const Point2D *points, int n, const Box2D &window) {
  std::vector<Point2D> polygon;
  for (int i = 0; i < n; ++i) {
    if (!Finite(points[i]))
      return {};
    polygon.push_back(points[i]);
  }
  Edge edges[4];
  Edges(window, edges);
  for (const Edge &e : edges) {
    std::vector<Point2D> kept;
    for (std::size_t i = 0; i < polygon.size(); ++i) {
      const Point2D a = polygon[i];
      const Point2D b = polygon[(i + 1) % polygon.size()];
      const double da = e.Distance(a);
      const double db = e.Distance(b);
      if (da >= 0.0)
        kept.push_back(a);
      if ((da >= 0.0) != (db >= 0.0))
        kept.push_back(Crossing(a, b, da, db));
    }
    polygon.swap(kept);
  }
  return polygon;
}
