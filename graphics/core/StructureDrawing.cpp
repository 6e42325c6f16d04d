#include "graphics/core/StructureDrawing.h"

#include "analysis/RowsInUse.h"
#include "graphics/core/Settings.h"
#include "graphics/core/Symbols.h"
#include "model/Commonfkc.h"
#include "model/GeometryQueries.h"

#include <cmath>
#include <numbers>

namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kHalfPi = 1.5707963267948966;
// Springs of an elastic bedding: size and pen width as fractions of L.
constexpr double kSpringSize = 0.027;
constexpr double kSpringWidth = 0.003;
constexpr int kMostSprings = 10000;
// The colour of the blanks under hinge symbols.
constexpr TColor kWhite = 0xFFFFFF;

// Text alignment flags used here.
constexpr int kRightOf = kTextRight, kCentred = kTextCentred, kAbove = kTextAbove;

auto &Geometrie() {
  return Grafikeinstellung.Geometrie;
}

void DrawBeamNumber(const GraphWindow &window, float L, PaintContainer &display, int number,
                    const BeamRecord &beam) {
  auto &staebe = Geometrie().Staebe;
  const double a = L * staebe.Laufkoordinatenabstand;
  display.StyledLine(PointOnBeam(beam, 0.1, -a), PointOnBeam(beam, 0.9, -a),
                     L * staebe.Laufkoordinatenliniendicke, staebe.Laufkoordinatenfarbe,
                     kDashedLine);
  const Point2D mid = PointOnBeam(beam, 0.5, 0.0);
  display.Text(window.TextScale, mid.x, mid.y, BeamAngle(beam), L * staebe.Textabstand,
               L * staebe.TextGroesse, staebe.Textfarbe, FormatString("S%d", number),
               kCentred + kAbove);
}

// n - 1 springs evenly spaced, none at the ends, hanging on the side of
// (-sin, cos) of the beam.  The count is bounded before it becomes an int:
// a beam far longer than the structure's diagonal cannot exist, but a
// count from a real must never overflow.
void DrawSprings(float L, PaintContainer &display, const BeamRecord &beam) {
  const double size = kSpringSize * L;
  const double count = DMax(2.0, 0.7 * BeamLength(beam) / size);
  const int n = count < kMostSprings ? static_cast<int>(count) : kMostSprings;
  for (int k = 1; k < n; ++k)
    SpringShape.Draw(display, size, kSpringWidth * L, BeamAngle(beam), Geometrie().Staebe.Farbe,
                     PointOnBeam(beam, static_cast<double>(k) / n, 0.0), 0);
}

void DrawMaterialLabel(const GraphWindow &window, float L, PaintContainer &display,
                       const BeamRecord &beam) {
  auto &staebe = Geometrie().Staebe;
  const Point2D at = PointOnBeam(beam, 0.7, 0.0);
  display.Text(window.TextScale, at.x, at.y, 0.0, 0.0, L * staebe.Materialtextgroesse,
               staebe.Materialtextfarbe, FormatString("M%d", beam.material), kCentred);
}

struct HingePlace {
  double angle;
  Point2D anchor[3]; // by kind: the clamped position of a symbol of that kind
};

HingePlace PlaceHinge(float L, const HingeRecord &hinge) {
  const BeamRecord &beam = Beams.At(hinge.beam - 1);
  const double ell = BeamLength(beam);
  HingePlace place{BeamAngle(beam), {}};
  for (int kind = 0; kind < 3; ++kind)
    place.anchor[kind] = PointOnBeam(beam, ClampHingePosition(ell, L, kind, hinge.position), 0.0);
  return place;
}

template <class Visit> void ForDrawableHinges(Visit visit) {
  ForRowsInUse(Hinges, [&](int row, const HingeRecord &hinge) {
    if (HingeBeamIsValid(hinge))
      visit(row, hinge);
  });
}

// Blanks the beam line where the symbol of a normal- or shear-force hinge
// will lie.
void BlankHinge(float L, PaintContainer &display, const HingeRecord &hinge) {
  if (hinge.type != kHingeNormalForce && hinge.type != kHingeShearForce)
    return;
  auto &gelenke = Geometrie().Gelenke;
  const HingePlace place = PlaceHinge(L, hinge);
  const double turn = hinge.type == kHingeShearForce ? kHalfPi : 0.0;
  HingeRectShape.Fill(display, L * gelenke.Groesse, L * gelenke.Liniendicke, place.angle + turn,
                      kWhite, kWhite, place.anchor[hinge.type]);
}

void DrawHingeSymbol(const GraphWindow &window, float L, PaintContainer &display, int row,
                     const HingeRecord &hinge, LayerBits layers) {
  auto &gelenke = Geometrie().Gelenke;
  const HingePlace place = PlaceHinge(L, hinge);
  const double G = L * gelenke.Groesse, w = L * gelenke.Liniendicke;
  const TColor colour = gelenke.Farbe;
  if (hinge.type == kHingeNormalForce || hinge.type == kHingeShearForce) {
    const double turn = hinge.type == kHingeShearForce ? kHalfPi : 0.0;
    // The two long sides of the rectangle only.
    HingeRectShape.Draw(display, G, w, place.angle + turn, colour, place.anchor[hinge.type], 5);
  } else if (hinge.type == kHingeMoment) {
    CircleShape.Fill(display, G, w, 0.0, colour, kWhite, place.anchor[kHingeMoment]);
  }
  if (HasLayer(layers, kLayerHingeNumbers)) {
    const Point2D at = place.anchor[kHingeMoment];
    display.Text(window.TextScale, at.x, at.y, 0.0, L * gelenke.Textabstand,
                 L * gelenke.Textgroesse, gelenke.Farbe, FormatString("%d", row + 1),
                 kRightOf + kAbove);
  }
}

} // namespace

void DrawBeams(const GraphWindow &window, float L, PaintContainer &display, LayerBits layers) {
  auto &staebe = Geometrie().Staebe;
  ForRowsInUse(Beams, [&](int row, const BeamRecord &beam) {
    if (!BeamIsValid(beam))
      return;
    display.SetPen(staebe.Farbe, L * staebe.Liniendicke);
    display.Line(NodePoint(beam.node1), NodePoint(beam.node2));
    if (HasLayer(layers, kLayerBeamNumbers))
      DrawBeamNumber(window, L, display, row + 1, beam);
    if (!Materials.IsRowValid(beam.material - 1))
      return;
    if (Materials.At(beam.material - 1).bedding != 0.0)
      DrawSprings(L, display, beam);
    if (HasLayer(layers, kLayerMaterialNumbers))
      DrawMaterialLabel(window, L, display, beam);
  });
}

void DrawHinges(const GraphWindow &window, float L, PaintContainer &display, LayerBits layers) {
  ForDrawableHinges([&](int, const HingeRecord &hinge) { BlankHinge(L, display, hinge); });
  ForDrawableHinges([&](int row, const HingeRecord &hinge) {
    DrawHingeSymbol(window, L, display, row, hinge, layers);
  });
}

// A pin is a triangle under the node, a clamp a square around it; a line
// beyond the symbol marks each direction the support leaves free.
void DrawSupports(const GraphWindow &, float L, PaintContainer &display) {
  auto &auflager = Geometrie().Auflager;
  const double s = L * auflager.Groesse, w = L * auflager.Liniendicke;
  const TColor colour = auflager.Farbe;
  ForRowsInUse(Nodes, [&](int, const NodeRecord &node) {
    if (node.supportX == 0 && node.supportZ == 0 && node.supportR == 0)
      return;
    const double phi = node.skew * kPi / 180.0;
    const Point2D at{node.x, node.z};
    if (node.supportX == 0)
      SupportLineShape.Draw(display, s, w, phi, colour, at, 0);
    if (node.supportZ == 0)
      SupportLineShape.Draw(display, s, w, phi - kHalfPi, colour, at, 0);
    if (node.supportR == 1)
      ClampShape.Draw(display, s, w, phi, colour, at, 0);
    if (node.supportR == 0)
      PinShape.Draw(display, s, w, phi + (node.supportZ - 1) * kHalfPi, colour, at, 0);
  });
}

void DrawNodes(const GraphWindow &window, float L, PaintContainer &display, LayerBits layers) {
  auto &knoten = Geometrie().Knoten;
  const TColor colour = knoten.Farbe;
  ForRowsInUse(Nodes, [&](int row, const NodeRecord &node) {
    SquareShape.Draw(display, L * knoten.Groesse, L * knoten.Liniendicke, 0.0, colour,
                     {node.x, node.z}, 0);
    if (HasLayer(layers, kLayerNodeNumbers))
      display.Text(window.TextScale, node.x, node.z, 0.0, L * knoten.Textabstand,
                   L * knoten.Textgroesse, knoten.Farbe, FormatString("%d", row + 1),
                   kRightOf + kAbove);
  });
}

double HingeSymbolExtent(double ell, double L, int kind) {
  float factor = 0.0f;
  if (kind == kHingeNormalForce)
    factor = 1.5f;
  else if (kind == kHingeShearForce || kind == kHingeMoment)
    factor = 0.5f;
  else
    return 0.0;
  if (ell == 0.0)
    return 0.5;
  return factor * L * Geometrie().Gelenke.Groesse / ell;
}

double ClampHingePosition(double ell, double L, int kind, double x) {
  const double e = HingeSymbolExtent(ell, L, kind);
  if (x < e)
    x = e;
  if (x > 1.0 - e)
    x = 1.0 - e;
  return x;
}
