#include "graphics/core/DeformationLoadDrawing.h"

#include "analysis/ResultQueries.h"
#include "analysis/RowsInUse.h"
#include "analysis/Solutions.h"
#include "graphics/core/LoadDrawing.h"
#include "graphics/core/LoadRanges.h"
#include "graphics/core/Settings.h"
#include "graphics/core/Symbols.h"
#include "model/Commonfkc.h"
#include "model/LoadLists.h"

#include <algorithm>
#include <cmath>

namespace {

// The fixed colours of the temperature lines.
constexpr TColor kWarmRed = 0x0000FF;
constexpr TColor kColdBlue = 0xFF0000;
constexpr int kBowSegments = 10;

auto &Belastung() {
  return Grafikeinstellung.Belastung;
}

double DisplacementScale(const GraphWindow &window, double L) {
  double dMax = 0.0;
  if (Solutions.ResultsPresent)
    dMax = MaxDisplacement(Solutions);
  else
    dMax = std::max({0.0, MaxImposedDisplacement(ImposedDisplacements),
                     MaxHingeLoad(HingeLoads, kHingeNormalForce, kHingeDeformation),
                     MaxHingeLoad(HingeLoads, kHingeShearForce, kHingeDeformation)});
  if (dMax == 0.0)
    dMax = 1.0;
  return window.DisplacementScale * Grafikeinstellung.Ergebnisse.Verformungen.Skalierung * L / dMax;
}

void TemperatureColours(const TempLoadRecord &row, TColor &top, TColor &bottom) {
  if (row.dT == 0.0)
    top = bottom = row.t > 0.0 ? kWarmRed : kColdBlue;
  else if (row.dT > 0.0)
    top = kColdBlue, bottom = kWarmRed;
  else
    top = kWarmRed, bottom = kColdBlue;
}

} // namespace

void DrawImposedDisplacements(const GraphWindow &window, double L, PaintContainer &display,
                              LayerBits layers) {
  const int f = kArrowFromPoint + (HasLayer(layers, kLayerValues) ? kArrowLabel : 0);
  const double sd = DisplacementScale(window, L);
  // The sizes of these arrows are those of the node loads.
  const auto &k = Belastung().Knotenlasten;
  const TColor colour = Belastung().Zwangsverformungen.Farbe;
  ForRowsInUse(ImposedDisplacements, [&](int, const ZwvRecord &row) {
    ForNodesInRange(row.from, row.to, [&](int, const NodeRecord &node) {
      const Point2D at{node.x, node.z};
      if (row.dx != 0.0 || row.dz != 0.0)
        display.ForceArrow(window.TextScale, at, sd, {row.dx, row.dz}, L * k.Pfeilgroesse,
                           L * k.Liniendicke, L * k.Textgroesse, colour, f);
      const double phi = row.rotation;
      if (phi != 0.0)
        display.MomentArc(window.TextScale, at, L * k.Momentenpfeilgroesse,
                          std::atan(phi * sd) * SignTol(phi) / phi, std::fabs(phi),
                          L * k.Liniendicke, L * k.Textgroesse, colour, f);
    });
  });
  DrawHingeLoads(window, L, sd, display, layers, kHingeDeformation);
}

void DrawTemperatureLoads(const GraphWindow &window, double L, PaintContainer &display,
                          LayerBits layers) {
  const auto &t = Belastung().Temperaturlasten;
  const double a = L * t.Abstand, w = L * t.Liniendicke;
  ForRowsInUse(TemperatureLoads, [&](int, const TempLoadRecord &row) {
    if (row.t == 0.0 && row.dT == 0.0)
      return;
    TColor top = 0, bottom = 0;
    TemperatureColours(row, top, bottom);
    ForBeamsInRange(row.from, row.to, [&](int, const BeamRecord &beam) {
      display.StyledLine(PointOnBeam(beam, 0.1, a), PointOnBeam(beam, 0.9, a), w, top, kSolidLine);
      display.StyledLine(PointOnBeam(beam, 0.1, -a), PointOnBeam(beam, 0.9, -a), w, bottom,
                         kSolidLine);
      if (!HasLayer(layers, kLayerValues))
        return;
      const double angle = BeamAngle(beam);
      const Point2D above = PointOnBeam(beam, 0.5, a), below = PointOnBeam(beam, 0.5, -a);
      display.Text(window.TextScale, above.x, above.y, angle, L * t.TextAbstand, L * t.Textgroesse,
                   top, FormatString("%#.4lg", row.t - 0.5 * row.dT), kTextCentred + kTextAbove);
      display.Text(window.TextScale, below.x, below.y, angle, L * t.TextAbstand, L * t.Textgroesse,
                   bottom, FormatString("%#.4lg", row.t + 0.5 * row.dT), kTextCentred + kTextBelow);
    });
  });
}

void DrawPreDeformations(const GraphWindow &window, double L, PaintContainer &display,
                         LayerBits layers) {
  const double m = MaxImperfection(Imperfections);
  if (m == 0.0)
    return;
  const auto &v = Belastung().Vorverformungen;
  const double sv = v.Groesse * L / m, w = L * v.Liniendicke;
  const bool labels = HasLayer(layers, kLayerValues);
  auto label = [&](const BeamRecord &beam, Point2D at, double value, int alignment) {
    display.Text(window.TextScale, at.x, at.y, BeamAngle(beam), L * v.Textabstand,
                 L * v.Textgroesse, v.Farbe, FormatString("%#.4lg", std::fabs(value)), alignment);
  };
  ForRowsInUse(Imperfections, [&](int, const ImperfectionRecord &row) {
    ForBeamsInRange(row.from, row.to, [&](int, const BeamRecord &beam) {
      const double ell = BeamLength(beam), psi = row.sway, kappa = row.bow;
      if (psi != 0.0) {
        const Point2D apex = PointOnBeam(beam, 0.0, psi * ell * sv);
        display.StyledLine(PointOnBeam(beam, 0.0, 0.0), apex, w, v.Farbe, kDashedLine);
        display.StyledLine(apex, PointOnBeam(beam, 1.0, 0.0), w, v.Farbe, kDashedLine);
        if (labels)
          label(beam, apex, psi, psi > 0.0 ? kTextAbove : kTextBelow);
      }
      if (kappa == 0.0)
        return;
      // The inclined chord plus the bow parabola.
      auto d = [&](double t) { return ell * sv * ((1.0 - t) * psi - 4.0 * kappa * t * (1.0 - t)); };
      for (int i = 0; i < kBowSegments; ++i) {
        const double t0 = 0.1 * i, t1 = 0.1 * (i + 1);
        display.StyledLine(PointOnBeam(beam, t0, d(t0)), PointOnBeam(beam, t1, d(t1)), w, v.Farbe,
                           kDashedLine);
      }
      if (labels)
        label(beam, PointOnBeam(beam, 0.5, d(0.5)), kappa, kappa >= 0.0 ? kTextBelow : kTextAbove);
    });
  });
}
