#include "graphics/core/LoadDrawing.h"

#include "analysis/RowsInUse.h"
#include "graphics/core/LineLoadDiagram.h"
#include "graphics/core/LoadRanges.h"
#include "graphics/core/Settings.h"
#include "graphics/core/StructureDrawing.h"
#include "graphics/core/Symbols.h"
#include "model/Commonfkc.h"
#include "model/LoadLists.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kPi = 3.14159265358979323846;
// The largest moment sweeps three quarters of a circle.
constexpr double kLargestSweep = 4.71238898038469;

auto &Belastung() {
  return Grafikeinstellung.Belastung;
}

int LabelFlag(LayerBits layers) {
  return HasLayer(layers, kLayerValues) ? kArrowLabel : 0;
}

// The two arrows of a normal- or shear-force hinge, one at each edge of
// its symbol, pointing at it for a positive value of a normal-force pair.
void DrawHingeArrows(const GraphWindow &window, double L, double s, PaintContainer &display,
                     const BeamRecord &beam, const HingeRecord &hinge, double value, TColor colour,
                     int flags) {
  const double ell = BeamLength(beam);
  const double e = HingeSymbolExtent(ell, L, hinge.type);
  const double t = ClampHingePosition(ell, L, hinge.type, hinge.position);
  double angle = BeamAngle(beam);
  if (hinge.type == kHingeShearForce)
    angle += 0.5 * kPi;
  else
    flags = value < 0.0 ? flags | kArrowFromPoint : flags & ~kArrowFromPoint;
  const auto &k = Belastung().Knotenlasten;
  Point2D toStart{value, 0.0}, toEnd{-value, 0.0};
  display.ForceArrow(window.TextScale, PointOnBeam(beam, t - e, 0.0), s, VecRotate(toStart, angle),
                     L * k.Pfeilgroesse, L * k.Liniendicke, L * k.Textgroesse, colour, flags);
  display.ForceArrow(window.TextScale, PointOnBeam(beam, t + e, 0.0), s, VecRotate(toEnd, angle),
                     L * k.Pfeilgroesse, L * k.Liniendicke, L * k.Textgroesse, colour, flags);
}

// Two curved arrows of a fixed size at the stored position, and the value.
void DrawHingeMoment(const GraphWindow &window, double L, PaintContainer &display,
                     const BeamRecord &beam, const HingeRecord &hinge, double value,
                     TColor colour) {
  const auto &g = Belastung().Gelenklasten;
  const Point2D at = PointOnBeam(beam, hinge.position, 0.0);
  const double phi = BeamAngle(beam) + (value > 0.0 ? kPi : 0.0);
  MomentArrowLeftShape.Draw(display, L * g.Pfeilgroesse, L * g.Liniendicke, phi, colour, at, 0);
  MomentArrowRightShape.Draw(display, L * g.Pfeilgroesse, L * g.Liniendicke, phi, colour, at, 0);
  display.Text(window.TextScale, at.x, at.y, 0.0, 0.5 * L * g.Pfeilgroesse,
               L * Belastung().Knotenlasten.Textgroesse, colour,
               FormatString("%#.4lg", std::fabs(value)), 0);
}

} // namespace

void DrawLoads(const GraphWindow &window, double L, PaintContainer &display, LayerBits layers) {
  const double qMax = MaxBeamLoad(BeamLoads);
  const double fMax = std::max({MaxNodeLoadForce(NodeLoads), MaxPointLoadForce(PointLoads),
                                MaxHingeLoad(HingeLoads, kHingeNormalForce, kHingeLoad),
                                MaxHingeLoad(HingeLoads, kHingeShearForce, kHingeLoad)});
  const double mMax = std::max({MaxNodeLoadMoment(NodeLoads), MaxPointLoadMoment(PointLoads),
                                MaxHingeLoad(HingeLoads, kHingeMoment, kHingeLoad)});
  if (qMax == 0.0 && fMax == 0.0 && mMax == 0.0)
    return;
  const double size = Grafikeinstellung.Geometrie.Staebe.Lastskalierung * L;
  const double sq = qMax != 0.0 ? window.LineLoadScale * size / qMax : 1.0;
  DrawBeamLoads(window, L, sq, display, layers);
  const double sF = fMax != 0.0 ? window.PointLoadScale * size / fMax : 1.0;
  const double sM = mMax != 0.0 ? kLargestSweep / mMax : 1.0;
  DrawNodeLoads(window, L, sF, sM, display, layers);
  DrawPointLoads(window, L, sF, sM, display, layers);
  DrawHingeLoads(window, L, sF, display, layers, kHingeLoad);
}

void DrawBeamLoads(const GraphWindow &window, double L, double sq, PaintContainer &display,
                   LayerBits layers) {
  const auto &line = Belastung().Streckenlasten;
  const int labels = HasLayer(layers, kLayerValues) ? kLoadEndLabels : 0;
  ForRowsInUse(BeamLoads, [&](int, const BeamLoadRecord &row) {
    const BeamLoadStruct load(row);
    const int flags = labels + (row.system == kGlobalAxes ? kLoadGlobal : 0);
    ForBeamsInRange(row.from, row.to, [&](int beamRow, const BeamRecord &) {
      if (row.q1Start != 0.0 || row.q1End != 0.0)
        DrawLineLoadDiagram(beamRow, window.TextScale, load, row.partialStart, row.partialEnd, 0, L,
                            sq, display, line.Farbe, line.Liniendicke, flags);
      if (row.q2Start != 0.0 || row.q2End != 0.0)
        DrawLineLoadDiagram(beamRow, window.TextScale, load, row.partialStart, row.partialEnd, 1, L,
                            sq, display, line.Farbe, line.Liniendicke,
                            flags + kLoadSecondComponent);
    });
  });
}

void DrawNodeLoads(const GraphWindow &window, double L, double sF, double sM,
                   PaintContainer &display, LayerBits layers) {
  const auto &k = Belastung().Knotenlasten;
  const int f = LabelFlag(layers);
  ForRowsInUse(NodeLoads, [&](int, const NodeLoadRecord &row) {
    ForNodesInRange(row.from, row.to, [&](int, const NodeRecord &node) {
      const Point2D at{node.x, node.z};
      if (row.px != 0.0 || row.pz != 0.0)
        display.ForceArrow(window.TextScale, at, sF, {row.px, row.pz}, L * k.Pfeilgroesse,
                           L * k.Liniendicke, L * k.Textgroesse, k.Farbe, f);
      if (row.m != 0.0)
        display.MomentArc(window.TextScale, at, L * k.Momentenpfeilgroesse, SignTol(row.m) * sM,
                          std::fabs(row.m), L * k.Liniendicke, L * k.Textgroesse, k.Farbe, f);
    });
  });
}

// N acts along the beam toward its second node, Q across it.
void DrawPointLoads(const GraphWindow &window, double L, double sF, double sM,
                    PaintContainer &display, LayerBits layers) {
  const auto &p = Belastung().Punktlasten;
  const double text = L * Belastung().Knotenlasten.Textgroesse;
  const int f = LabelFlag(layers);
  ForRowsInUse(PointLoads, [&](int, const PointLoadRecord &row) {
    ForBeamsInRange(row.beam, row.beam, [&](int, const BeamRecord &beam) {
      const Point2D at = PointOnBeam(beam, row.position, 0.0);
      Point2D force{row.n, row.q};
      if (row.n != 0.0 || row.q != 0.0)
        display.ForceArrow(window.TextScale, at, sF, VecRotate(force, BeamAngle(beam)),
                           L * p.Pfeilgroesse, L * p.Liniendicke, text, p.Farbe, f);
      if (row.m != 0.0)
        display.MomentArc(window.TextScale, at, L * p.Momentenpfeilgroesse, SignTol(row.m) * sM,
                          std::fabs(row.m), L * p.Liniendicke, text, p.Farbe, f);
    });
  });
}

void DrawHingeLoads(const GraphWindow &window, double L, double s, PaintContainer &display,
                    LayerBits layers, int kind) {
  const TColor colour =
      kind == kHingeLoad ? Belastung().Knotenlasten.Farbe : Belastung().Zwangsverformungen.Farbe;
  const int flags = LabelFlag(layers) + (kind == kHingeDeformation ? kArrowFromPoint : 0);
  ForRowsInUse(HingeLoads, [&](int, const HingeLoadRecord &row) {
    if (row.kind != kind || row.value == 0.0 || row.hinge < 1 || !Hinges.IsRowValid(row.hinge - 1))
      return;
    const HingeRecord &hinge = Hinges.At(row.hinge - 1);
    if (!HingeBeamIsValid(hinge))
      return;
    const BeamRecord &beam = Beams.At(hinge.beam - 1);
    if (hinge.type == kHingeNormalForce || hinge.type == kHingeShearForce)
      DrawHingeArrows(window, L, s, display, beam, hinge, row.value, colour, flags);
    else if (hinge.type == kHingeMoment)
      DrawHingeMoment(window, L, display, beam, hinge, row.value, colour);
  });
}
