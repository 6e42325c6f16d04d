#include "graphics/core/LineLoadDiagram.h"

#include "graphics/core/ResultDrawing.h"
#include "graphics/core/Settings.h"
#include "graphics/core/Symbols.h"
#include "model/Commonfkc.h"
#include "model/GeometryQueries.h"
#include "model/SystemTables.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kMaxSubdivisions = 100.0;
// Polyline slots of the base line and of the outline.
constexpr int kBaseSlot = 1;
constexpr int kOutlineSlot = 2;

// Where the ordinates of a diagram stand: station i of n has its foot on the
// base line and its tip at the load's value.
struct DiagramFrame {
  DiagramFrame(const BeamRecord &beam, double a, double b, double off, double s, int flags)
      : a(a), b(b), off(off), s(s), flags(flags), p1(NodePoint(beam.node1)),
        p2(NodePoint(beam.node2)) {
    const double angle = VecAngle(VecSub(p2, p1));
    normal = {std::sin(angle), -std::cos(angle)};
  }

  double a, b, off, s;
  int flags;
  Point2D p1, p2, normal; // the beam's ends and its top side
  Point2D c1, c2;         // the base line of a global load
  bool reversed = false;  // a global load whose stations run against the base line

  // The point at t along the beam, d toward its top side (PointOnBeam
  // without looking up the beam again).
  Point2D On(double t, double d) const {
    return VecAdd(InterpolatePoint(p1, p2, t), VecScale(d, normal));
  }

  bool Global() const { return (flags & kLoadGlobal) != 0; }
  bool Second() const { return (flags & kLoadSecondComponent) != 0; }

  // The length over which the stations are spread.
  double Span() const {
    if (!Global())
      return VecLength(VecSub(On(b, 0.0), On(a, 0.0))) * (b - a);
    return VecLength(VecSub(c2, c1));
  }

  void Station(int i, int n, double q, Point2D &foot, Point2D &tip) const {
    const double x = a + (b - a) * i / n;
    if (!Global()) {
      foot = On(x, off);
      tip = On(x, off + s * q);
      return;
    }
    const double u = reversed ? 1.0 - static_cast<double>(i) / n : static_cast<double>(i) / n;
    const Point2D along = VecAdd(c1, VecScale(u, VecSub(c2, c1)));
    const Point2D away = Second() ? Point2D{0.0, -1.0} : Point2D{-1.0, 0.0};
    foot = VecAdd(along, VecScale(off, away));
    tip = VecAdd(foot, VecScale(s * q, away));
  }
};

// A global load's base: the top or bottom edge of the piece's box for a
// load in Z, its left or right edge for a load in X, on the side of the gap.
void PlaceGlobalBase(DiagramFrame &frame) {
  const Point2D start = frame.On(frame.a, 0.0);
  const Point2D end = frame.On(frame.b, 0.0);
  const Box2D box{DMin(start.x, end.x), DMin(start.y, end.y), DMax(start.x, end.x),
                  DMax(start.y, end.y)};
  frame.c1 = {box.xmin, box.ymin};
  frame.c2 = {box.xmax, box.ymax};
  if (frame.Second()) {
    frame.c1.y = frame.c2.y = frame.off > 0.0 ? box.ymin : box.ymax;
    frame.reversed = start.x > end.x;
  } else {
    frame.c1.x = frame.c2.x = frame.off > 0.0 ? box.xmin : box.xmax;
    frame.reversed = start.y > end.y;
  }
}

} // namespace

double PlotValueClass::Value(double, int) const {
  return 0.0;
}

BeamLoadStruct::BeamLoadStruct(const BeamLoadRecord &row)
    : q1Start(row.q1Start), q1End(row.q1End), q2Start(row.q2Start), q2End(row.q2End),
      a(row.partialStart), b(row.partialEnd) {}

double BeamLoadStruct::Value(double x, int component) const {
  const double t = b != a ? (x - a) / (b - a) : 0.0;
  return component == 0 ? Interpolate(q1Start, q1End, t) : Interpolate(q2Start, q2End, t);
}

void DrawLineLoadDiagram(int beamRow, double textScale, const PlotValueClass &value, double a,
                         double b, int component, double L, double s, PaintContainer &display,
                         TColor colour, double width, int flags) {
  if (a >= b)
    return;
  const double qa = value.Value(a, component), qb = value.Value(b, component);
  const double tol = 1e-5 * std::max(qa, qb);
  double off = Grafikeinstellung.Belastung.Lastabstand * L;
  if (value.Value(0.5, component) < 0.0)
    off = -off;
  display.SetPen(colour, width);
  const double h = s * std::max(std::fabs(qa), std::fabs(qb));
  if (h == 0.0 || !std::isfinite(h))
    return;
  DiagramFrame frame(Beams.At(beamRow), a, b, off, s, flags);
  if (frame.Global())
    PlaceGlobalBase(frame);
  // A negative scale turns the diagram over; the count comes from its size.
  const int n = static_cast<int>(
      std::clamp(std::trunc(frame.Span() / std::fabs(h) + 1.0), 1.0, kMaxSubdivisions));
  const double head = L * Grafikeinstellung.Ergebnisse.Funktionen.Pfeilgroesse;
  const int arrowFlags =
      kArrowNoShortHead + (!frame.Global() && frame.Second() ? kArrowTriangle : 0);
  for (int i = 0; i <= n; ++i) {
    const double q = value.Value(a + (b - a) * i / n, component);
    Point2D foot, tip;
    frame.Station(i, n, q, foot, tip);
    if (i == 0) {
      display.PolyStart(foot, kBaseSlot);
      display.PolyStart(tip, kOutlineSlot);
    } else {
      display.PolyTo(foot, kBaseSlot);
      display.PolyTo(tip, kOutlineSlot);
    }
    if (i == 0 || i == n) {
      display.Line(foot, tip);
      if (flags & kLoadEndLabels)
        DrawDiagramLabel(beamRow, textScale, display, L, tol, colour, foot, tip, q, i == 0, 1);
    } else {
      display.Arrow(tip, foot, head, width, colour, arrowFlags);
    }
  }
}
