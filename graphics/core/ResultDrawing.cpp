#include "graphics/core/ResultDrawing.h"

#include "analysis/ResultQueries.h"
#include "analysis/ResultSets.h"
#include "analysis/RowsInUse.h"
#include "analysis/SolElement.h"
#include "analysis/Solutions.h"
#include "analysis/ValuesAlongBeam.h"
#include "graphics/core/Settings.h"
#include "graphics/core/Symbols.h"
#include "model/Commonfkc.h"
#include "model/GeometryQueries.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double kPi = std::numbers::pi;
constexpr int kBlue = 0xFF0000, kRed = 255, kBlack = 0;
// Text alignment flags used here.
constexpr int kRightOf = kTextRight, kCentred = kTextCentred, kAbove = kTextAbove,
              kBelow = kTextBelow;
// Segments of the deformed shape per element: at least, and at most however
// many output intervals the beam asks for.
constexpr double kFewestDeformedSegments = 10.0;
constexpr double kMostDeformedSegments = 1000.0;

// The determinant plot's world: a square of 500 units, its frame 20 units
// and its curve 25 units inside.
constexpr double kPlotSize = 500.0, kFrameMargin = 20.0, kCurveMargin = 25.0;

auto &Ergebnisse() {
  return Grafikeinstellung.Ergebnisse;
}

TColor DiagramColour(double v) {
  return v > 0.0 ? kBlue : kRed;
}

// The colour of a diagram point: that of its value, or, for a value within
// eps of 0 (rounding noise of a value that is 0, such as a moment at a
// pinned end), that of the point at the segment's other end.
TColor PointColour(double v, double other, double eps) {
  return DiagramColour(std::fabs(v) <= eps ? other : v);
}

// Calls visit(element) along the beam's chain of elements; a chain that
// leaves the container or runs longer than it ends there.
template <class Visit> void ForBeamElements(const BeamRecord &beam, Visit visit) {
  const int count = Solutions.Elements.Count();
  std::int32_t e = beam.firstElement;
  for (int steps = 0; e >= 0 && e < count && steps < count; ++steps) {
    const SolElement &element = Solutions.Elements.At(e);
    visit(element);
    e = element.next;
  }
}

// State carried along one beam's diagram from point to point.
struct DiagramWalk {
  int beamRow;
  double textScale;
  int component;
  double L;
  double factor;
  double eps;
  PaintContainer &display;
  double lineWidth;
  int labelFlags;
  double previous = 0.0;
  double slope = 0.0;
  // Whether an element of the beam was drawn before: its last value then
  // stands at the joint with the next one.
  bool joint = false;
};

// The start label of an element repeats the end label of the element before
// it when the two values agree within eps: a joint inside the beam without a
// jump is labelled once.
bool RepeatsJointLabel(const DiagramWalk &walk, double v) {
  return walk.joint && std::fabs(v - walk.previous) <= walk.eps;
}

void DrawElementDiagram(DiagramWalk &walk, const SolElement &element, int n) {
  const BeamRecord &beam = Beams.At(walk.beamRow);
  const double k = element.x1 - element.x0;
  const int count = std::max(1, static_cast<int>(k * n + 1.0));
  const double dx = k / count;
  double v = InternalForceAt(element, 0.0, walk.component);
  const bool repeated = RepeatsJointLabel(walk, v);
  for (int i = 0; i <= count; ++i) {
    const double x = element.x0 + i * dx;
    const double next =
        i < count ? InternalForceAt(element, static_cast<double>(i + 1) / count, walk.component)
                  : v;
    if (i == 0)
      walk.previous = v;
    const TColor colour = PointColour(v, i == 0 ? next : walk.previous, walk.eps);
    walk.display.SetPen(colour, walk.lineWidth);
    const bool extremum = i > 1 && SignTol(v - walk.previous) != walk.slope;
    const Point2D B = PointOnBeam(beam, x, 0.0);
    const Point2D P = PointOnBeam(beam, x, -walk.factor * v);
    if (i == 0)
      walk.display.PolyStart(P, 1);
    else
      walk.display.PolyTo(P, 1);
    walk.display.Line(B, P);
    if ((i == count || (i == 0 && !repeated)) && (walk.labelFlags & kEndLabels))
      DrawDiagramLabel(walk.beamRow, walk.textScale, walk.display, walk.L, walk.eps, colour, P, B,
                       v, i != count, 0);
    if (i > 0 && i < count && (walk.labelFlags & kExtremumLabels) && extremum) {
      const double p = walk.previous;
      DrawDiagramLabel(walk.beamRow, walk.textScale, walk.display, walk.L, walk.eps,
                       DiagramColour(p), PointOnBeam(beam, x - dx, -walk.factor * p),
                       PointOnBeam(beam, x - dx, 0.0), p, 1, 0);
    }
    walk.slope = SignTol(v - walk.previous);
    walk.previous = v;
    v = next;
  }
  walk.joint = true;
}

// The number of deformed-shape segments of an element covering the share
// k of a beam with the given output intervals.
int DeformedSegments(double k, std::int32_t intervals) {
  const double w = static_cast<double>(intervals) + 1.0;
  const double count = DMax(k * w + 1.0, kFewestDeformedSegments);
  return static_cast<int>(DMin(count, kMostDeformedSegments));
}

void DrawDeformedLabels(const GraphWindow &window, double L, PaintContainer &display, double k) {
  auto &text = Ergebnisse().Verformungen.Text;
  ForRowsInUse(Nodes, [&](int, const NodeRecord &node) {
    if (!HasNodeEntry(node.modelNode))
      return;
    const Point2D at = DisplacedNodePosition(node.modelNode, k);
    const std::int32_t e = node.modelNode;
    display.Text(window.TextScale, at.x, at.y, 0.0, L * text.Abstand, L * text.Groesse, text.Farbe,
                 FormatString("(%.5g, %.5g, %.5g)", NodeDofValue(e, 0), NodeDofValue(e, 1),
                              NodeDofValue(e, 2)),
                 kRightOf + kAbove);
  });
  ForRowsInUse(Hinges, [&](int, const HingeRecord &hinge) {
    if (!HingeBeamIsValid(hinge))
      return;
    const double angle = BeamAngle(Beams.At(hinge.beam - 1)) + kPi / 2;
    const std::int32_t sides[] = {hinge.leftNode, hinge.rightNode};
    const int alignments[] = {kCentred + kBelow, kCentred + kAbove};
    for (int side = 0; side < 2; ++side) {
      const std::int32_t e = sides[side];
      if (!HasNodeEntry(e) || Solutions.NodeEntries.At(e).nodeRow >= 0)
        continue;
      const Point2D at = DisplacedNodePosition(e, k);
      display.Text(window.TextScale, at.x, at.y, angle, L * text.Abstand, L * text.Groesse,
                   text.Farbe,
                   FormatString("(%.3g, %.3g, %.3g)", NodeDofValue(e, 0), NodeDofValue(e, 1),
                                NodeDofValue(e, 2)),
                   alignments[side]);
    }
  });
}

} // namespace

void DrawCurrentDiagram(const GraphWindow &window, double L, PaintContainer &display,
                        LayerBits layers, int tabIndex) {
  const int c = window.TabEntry(tabIndex).component;
  if (c == 0)
    return;
  auto &funktionen = Ergebnisse().Funktionen;
  const double M = MaxInternalForce(Solutions, c);
  const double factor = M > 1e-8 ? window.ForceScale * funktionen.Skalierung * L / M : 0.0;
  const int flags = (HasLayer(layers, kLayerValues) ? kEndLabels : 0) |
                    (HasLayer(layers, kLayerExtrema) ? kExtremumLabels : 0);
  ForRowsInUse(Beams, [&](int row, const BeamRecord &beam) {
    if (HasElements(beam))
      DrawResultDiagram(row, window.TextScale, c, L, factor, M, display, funktionen.Liniendicke,
                        flags);
  });
}

void DrawResultDiagram(int beamRow, double textScale, int component, double L, double factor,
                       double maximum, PaintContainer &display, double lineWidth, int labelFlags) {
  const int n = EvaluationPoints < 1 ? 10 : EvaluationPoints;
  DiagramWalk walk{beamRow,        textScale, component, L,         factor,
                   1e-5 * maximum, display,   lineWidth, labelFlags};
  ForBeamElements(Beams.At(beamRow),
                  [&](const SolElement &element) { DrawElementDiagram(walk, element, n); });
}

void DrawDiagramLabel(int, double textScale, PaintContainer &display, double L, double eps,
                      TColor colour, Point2D P, Point2D B, double value, int notLast,
                      int absolute) {
  if (std::fabs(value) < eps * 1e-5)
    return;
  const int alignment = kCentred + (notLast ? kAbove : kBelow);
  double angle = VecAngle(VecSub(P, B));
  if (value < 0.0)
    angle += kPi;
  if (absolute)
    value = std::fabs(value);
  auto &funktionen = Ergebnisse().Funktionen;
  display.Text(textScale, 0.5 * (P.x + B.x), 0.5 * (P.y + B.y), angle, L * funktionen.Textabstand,
               L * funktionen.Textgroesse, colour, FormatString("%#.4lg", value), alignment);
}

void DrawDeformedShape(const GraphWindow &window, double L, PaintContainer &display,
                       LayerBits layers) {
  auto &verformungen = Ergebnisse().Verformungen;
  double D = MaxDisplacement(Solutions);
  if (D < 1e-14)
    D = 1.0;
  const double k = window.DisplacementScale * verformungen.Skalierung * L / D;
  const TColor colour = verformungen.Linie.Farbe;
  for (int i = 0; i < Solutions.Elements.Count(); ++i) {
    const SolElement &element = Solutions.Elements.At(i);
    const BeamRecord *beam = Beams.Find(element.beam - 1);
    const int count = DeformedSegments(element.x1 - element.x0, beam ? beam->intervals : 0);
    for (int j = 0; j < count; ++j)
      display.StyledLine(DisplacedPointAt(element, static_cast<double>(j) / count, k),
                         DisplacedPointAt(element, static_cast<double>(j + 1) / count, k),
                         L * verformungen.Linie.Dicke, colour, 0);
  }
  ForRowsInUse(Nodes, [&](int, const NodeRecord &node) {
    if (HasNodeEntry(node.modelNode))
      SquareShape.Draw(display, L * verformungen.Knoten.Groesse,
                       L * verformungen.Knoten.Liniendicke, 0.0, colour,
                       DisplacedNodePosition(node.modelNode, k), 0);
  });
  if (HasLayer(layers, kLayerValues))
    DrawDeformedLabels(window, L, display, k);
}

// The largest force is PointLoadScale x load scale x L long; the largest
// moment sweeps three quarters of a circle.
void DrawReactions(const GraphWindow &window, double L, PaintContainer &display, LayerBits layers) {
  const double F = MaxReactionForce(Solutions);
  const double Mm = MaxReactionMoment(Solutions);
  if (F == 0.0 && Mm == 0.0)
    return;
  const double kF =
      F != 0.0 ? window.PointLoadScale * Grafikeinstellung.Geometrie.Staebe.Lastskalierung * L / F
               : 0.0;
  const double kM = Mm != 0.0 ? 4.71238898038469 / Mm : 0.0;
  const int label = HasLayer(layers, kLayerValues) ? kArrowLabel : 0;
  auto &style = Ergebnisse().Auflagerkraefte;
  const TColor colour = style.Farbe;
  ForRowsInUse(Nodes, [&](int, const NodeRecord &node) {
    const std::int32_t e = node.modelNode;
    if (!HasNodeEntry(e))
      return;
    const Point2D at{node.x, node.z};
    const Point2D forces[] = {{NodeReaction(e, 0), 0.0}, {0.0, NodeReaction(e, 1)}};
    for (const Point2D &force : forces)
      if (std::fabs(force.x + force.y) > F * 1e-10)
        display.ForceArrow(window.TextScale, at, kF, force, L * style.Pfeilgroesse,
                           L * style.Liniendicke, L * style.Textgroesse, colour, label);
    if (node.supportR == 0)
      return;
    const double M = NodeReaction(e, 2);
    if (std::fabs(M) > Mm * 1e-10)
      display.MomentArc(window.TextScale, at, L * style.Momentenpfeilgroesse, SignTol(M) * kM,
                        std::fabs(M), L * style.Liniendicke, L * style.Textgroesse, colour, label);
  });
}

void DrawDeterminantPlot(GraphWindow &window, PaintContainer &display) {
  const DeterminateCont &points = Solutions.DeterminantPoints;
  if (points.Count() == 0)
    return;
  const double x0 = points.MinX(), x1 = points.MaxX();
  const double y0 = points.MinY(), y1 = points.MaxY();
  if (std::fabs(x1 - x0) < 1e-15 || std::fabs(y1 - y0) < 1e-15)
    return;
  const double inner = kPlotSize - 2 * kCurveMargin;
  const double sx = inner / (x1 - x0), sy = inner / (y1 - y0);
  const double ox = kCurveMargin - x0 * sx, oy = kCurveMargin + y1 * sy;
  const double near = kFrameMargin, far = kPlotSize - kFrameMargin;
  display.SetPen(kBlue, 2.0);
  const Point2D frame[] = {{near, near}, {near, far}, {far, far}, {far, near}, {near, near}};
  display.PolyStart(frame[0], 0);
  for (int i = 1; i < 5; ++i)
    display.PolyTo(frame[i], 0);
  display.PolyStart({points.At(0).loadFactor * sx + ox, oy - points.At(0).determinant * sy}, 0);
  display.SetPen(kRed, 3.0);
  for (int i = 1; i < points.Count(); ++i)
    display.PolyTo({points.At(i).loadFactor * sx + ox, oy - points.At(i).determinant * sy}, 0);
  display.SetPen(kBlack, 1.0);
  display.Line({sx + ox, near}, {sx + ox, far});
  display.Line({near, oy}, {far, oy});
  display.Text(window.TextScale, near, kPlotSize / 2, -kPi / 2, 5.0, 10.0, kBlue,
               "Knickdeterminante", kCentred + kAbove);
  display.Text(window.TextScale, sx + ox, far, 0.0, 5.0, 10.0, kBlue, "Fk", kCentred + kBelow);
  if (display.HasExtent())
    window.ViewBox = display.BoundingBox();
}
