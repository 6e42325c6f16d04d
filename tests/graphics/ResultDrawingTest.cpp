// Result drawings read against the analysis itself: the moment diagram of a
// clamped portal against its closed-form values, the example frame's
// diagrams after each kind of analysis against the result queries, the
// evaluation-point and segment counts, and the determinant plot.
#include "graphics/core/ResultDrawing.h"
#include "analysis/ResultSets.h"
#include "analysis/RowsInUse.h"
#include "graphics/core/Settings.h"
#include "model/Commonfkc.h"
#include "model/GeometryQueries.h"
#include "model/ModelFiles.h"
#include "tests/support/GraphFixture.h"
#include "tests/support/ObservedTexts.h"
#include "tests/support/PaintRecords.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>

namespace {

constexpr int kBlue = 0xFF0000, kRed = 255;

struct ColouredLine {
  Point2D a, b;
  TColor colour;
};

// The line records with the pen colour in force for each.
std::vector<ColouredLine> ColouredLines(const PaintContainer &pc) {
  std::vector<ColouredLine> lines;
  TColor colour = -1;
  for (const PaintRecordView &r : DecodeRecords(pc)) {
    if (r.type == kPenColourRecord)
      colour = r.value;
    if (r.type == kLineRecord)
      lines.push_back({{r.reals[0], r.reals[1]}, {r.reals[2], r.reals[3]}, colour});
  }
  return lines;
}

// Relative position of p's foot on the beam's axis and p's distance from it.
struct AxisPlace {
  double t;
  double distance;
};
AxisPlace PlaceOnBeam(const BeamRecord &beam, Point2D p) {
  const Point2D a = NodePoint(beam.node1), d = VecSub(NodePoint(beam.node2), a);
  const Point2D q = VecSub(p, a);
  const double ell2 = d.x * d.x + d.y * d.y;
  return {(q.x * d.x + q.y * d.y) / ell2, std::fabs(q.x * d.y - q.y * d.x) / std::sqrt(ell2)};
}

// The values of component c at beam position t of every element of the
// beam whose stretch holds t (two where elements meet).
std::vector<double> ValuesAt(const BeamRecord &beam, double t, int c) {
  std::vector<double> values;
  for (std::int32_t e = beam.firstElement; e >= 0; e = Solutions.Elements.At(e).next) {
    const SolElement &element = Solutions.Elements.At(e);
    if (t >= element.x0 - 1e-12 && t <= element.x1 + 1e-12)
      values.push_back(InternalForceAt(element, (t - element.x0) / (element.x1 - element.x0), c));
  }
  return values;
}

class ResultDrawingTest : public GraphTest {
protected:
  // The diagram of tab into a fresh list, with the given layers.
  void Diagram(int tab, LayerBits layers) {
    window.Open();
    display.Reset();
    DrawCurrentDiagram(window, GraphWindow::ReferenceLength(), display, layers, tab);
  }
  // Checks the diagram of component c in display: every ordinate runs from
  // the axis to the queried value times factor, every label reads a queried
  // value, and each element has its end label and its polyline.
  void ExpectDiagramFromQueries(int c, double factor, const std::vector<TextPlacement> &labels) {
    const double M = MaxInternalForce(Solutions, c);
    std::size_t expectedLines = 0, expectedOrdinates = 0, endLabels = 0;
    ForRowsInUse(Beams, [&](int, const BeamRecord &beam) {
      for (std::int32_t e = beam.firstElement; e >= 0; e = Solutions.Elements.At(e).next) {
        const SolElement &element = Solutions.Elements.At(e);
        const int count = std::max(1, int((element.x1 - element.x0) * EvaluationPoints + 1.0));
        expectedLines += 2 * count + 1;
        expectedOrdinates += count + 1;
        endLabels += std::fabs(InternalForceAt(element, 1.0, c)) >= 1e-10 * M ? 1 : 0;
      }
    });
    std::size_t ordinates = 0;
    for (const ColouredLine &line : ColouredLines(diagram)) {
      ForRowsInUse(Beams, [&](int, const BeamRecord &beam) {
        const AxisPlace at = PlaceOnBeam(beam, line.a);
        if (at.distance > 1e-9 || at.t < -1e-9 || at.t > 1 + 1e-9)
          return;
        const Point2D tip = line.b;
        const std::vector<double> values = ValuesAt(beam, at.t, c);
        // A value within 1e-5 M of 0 takes the colour of its neighbour.
        const bool matches = std::any_of(values.begin(), values.end(), [&](double v) {
          return VecLength(VecSub(tip, PointOnBeam(beam, at.t, -factor * v))) < 1e-9 &&
                 (std::fabs(v) <= 1e-5 * M || line.colour == (v > 0 ? kBlue : kRed));
        });
        ordinates += matches ? 1 : 0;
      });
    }
    EXPECT_EQ(ColouredLines(diagram).size(), expectedLines);
    // Each ordinate once, the polyline segments never.
    EXPECT_EQ(ordinates, expectedOrdinates);
    std::size_t below = 0;
    for (const TextPlacement &label : labels) {
      bool read = false;
      ForRowsInUse(Beams, [&](int, const BeamRecord &beam) {
        const AxisPlace at = PlaceOnBeam(beam, label.anchor);
        if (at.t < -1e-9 || at.t > 1 + 1e-9)
          return;
        for (double v : ValuesAt(beam, at.t, c))
          if (std::fabs(at.distance - 0.5 * std::fabs(factor * v)) < 1e-9 &&
              label.text == FormatString("%#.4lg", v))
            read = true;
      });
      EXPECT_TRUE(read) << label.text;
      below += label.alignment == 8 + 32 ? 1 : 0;
    }
    EXPECT_EQ(below, endLabels);
  }
  // The factor of the diagram of c at ForceScale 1.
  static double Factor(int c) {
    return Grafikeinstellung.Ergebnisse.Funktionen.Skalierung * GraphWindow::ReferenceLength() /
           MaxInternalForce(Solutions, c);
  }
  void ReadExample() {
    ReadSystemFile(KELMOR_SOURCE_DIR "/examples/portal.ssy");
    ReadLoadFile(KELMOR_SOURCE_DIR "/examples/portal.sla");
  }
  // Labels drawn into one list, geometry without labels into another.
  void DrawFunctionTab(int tab) {
    window.Open();
    const float L = GraphWindow::ReferenceLength();
    display.Reset();
    ObservedTexts log(display);
    DrawCurrentDiagram(window, L, display, LayersOf({kLayerValues, kLayerExtrema}), tab);
    labels = log.texts;
    diagram.Reset();
    DrawCurrentDiagram(window, L, diagram, 0, tab);
  }

  GraphWindow window;
  PaintContainer display, diagram;
  std::vector<TextPlacement> labels;
};

TEST_F(ResultDrawingTest, ClampedPortalMomentsAgreeWithTheClosedForm) {
  SolvedClampedPortal();
  DrawFunctionTab(4);
  std::vector<std::string> texts;
  for (const TextPlacement &t : labels)
    texts.push_back(t.text);
  std::sort(texts.begin(), texts.end());
  EXPECT_EQ(texts, (std::vector<std::string>{"-22.50", "-22.50", "-22.50", "-22.50", "11.25",
                                             "11.25", "22.50"}));

  // Ordinates 0.16 L at corners and mid-span, half that at the feet; blue
  // inside the frame, red outside; the picture mirrors about x = 3.
  const double L = GraphWindow::ReferenceLength();
  const std::vector<ColouredLine> lines = ColouredLines(diagram);
  auto ordinate = [&](Point2D base) {
    for (const ColouredLine &line : lines)
      if (VecLength(VecSub(line.a, base)) < 1e-12)
        return line;
    ADD_FAILURE() << base.x << ", " << base.y;
    return ColouredLine{};
  };
  const ColouredLine mid = ordinate({3, 0}), corner = ordinate({6, 0}), foot = ordinate({0, 4});
  // Axial strains, though small, keep the moments off the closed form by
  // a few parts in 10^8.
  const double near = 1e-6;
  EXPECT_NEAR(mid.b.y, 0.16 * L, near);
  EXPECT_EQ(mid.colour, kBlue);
  EXPECT_NEAR(corner.b.y, -0.16 * L, near);
  EXPECT_EQ(corner.colour, kRed);
  EXPECT_NEAR(std::fabs(foot.b.x), 0.08 * L, near);
  EXPECT_EQ(foot.colour, kBlue);
  EXPECT_GT(foot.b.x, 0.0); // inside
  // The right column runs downwards, the left one upwards: a segment of
  // the outline is mirrored turned round, and takes the colour of its other
  // end, so colours are compared on the ordinates that have a length.
  for (const ColouredLine &line : lines) {
    const Point2D a{6 - line.a.x, line.a.y}, b{6 - line.b.x, line.b.y};
    const bool coloured = PlaceOnBeam(Beams.At(1), line.a).distance < near &&
                          VecLength(VecSub(line.a, line.b)) > near;
    const bool mirrored = std::any_of(lines.begin(), lines.end(), [&](const ColouredLine &m) {
      const bool same = VecLength(VecSub(m.a, a)) + VecLength(VecSub(m.b, b)) < near;
      const bool turned = VecLength(VecSub(m.a, b)) + VecLength(VecSub(m.b, a)) < near;
      return (same || turned) && (!coloured || m.colour == line.colour);
    });
    EXPECT_TRUE(mirrored) << line.a.x << ", " << line.a.y;
  }
  ExpectDiagramFromQueries(kBendingMoment, Factor(kBendingMoment), labels);
}

TEST_F(ResultDrawingTest, ExampleDiagramsReadTheResultQueries) {
  ReadExample();
  ASSERT_EQ(RunFirstOrder(Solutions), kSolved);
  DrawFunctionTab(4); // "Biegemoment"
  ASSERT_EQ(window.CurrentTabName(), "Geometrie");
  ASSERT_STREQ(window.TabEntry(4).name, "Biegemoment");
  ASSERT_FALSE(labels.empty());
  ExpectDiagramFromQueries(kBendingMoment, Factor(kBendingMoment), labels);

  ASSERT_EQ(RunSecondOrder(Solutions), kSolved);
  DrawFunctionTab(4); // "Querkraft R"
  ASSERT_STREQ(window.TabEntry(4).name, "Querkraft R");
  ASSERT_FALSE(labels.empty());
  ExpectDiagramFromQueries(kTransverseForce, Factor(kTransverseForce), labels);

  // "Knickbiegelinie": the nodes of the buckling shape where the queries
  // put them, labelled with their displacements.
  ASSERT_EQ(RunBuckling(Solutions), kSolved);
  const double L = GraphWindow::ReferenceLength();
  display.Reset();
  ObservedTexts log(display);
  DrawDeformedShape(window, L, display, LayersOf({kLayerValues}));
  const double k =
      Grafikeinstellung.Ergebnisse.Verformungen.Skalierung * L / MaxDisplacement(Solutions);
  std::vector<std::string> expected;
  ForRowsInUse(Nodes, [&](int, const NodeRecord &node) {
    const std::int32_t e = node.modelNode;
    expected.push_back(FormatString("(%.5g, %.5g, %.5g)", NodeDofValue(e, 0), NodeDofValue(e, 1),
                                    NodeDofValue(e, 2)));
    const Point2D at = DisplacedNodePosition(e, k);
    const bool placed = std::any_of(log.texts.begin(), log.texts.end(), [&](auto &t) {
      return t.text == expected.back() && VecLength(VecSub(t.anchor, at)) < 1e-12;
    });
    EXPECT_TRUE(placed) << expected.back();
  });
  // The moment hinge of the girder: one label per side of it.
  const HingeRecord &hinge = Hinges.At(0);
  for (std::int32_t e : {hinge.leftNode, hinge.rightNode})
    expected.push_back(FormatString("(%.3g, %.3g, %.3g)", NodeDofValue(e, 0), NodeDofValue(e, 1),
                                    NodeDofValue(e, 2)));
  EXPECT_EQ(log.Strings(), expected);
}

TEST_F(ResultDrawingTest, EvaluationPointsAndSegmentsAreCountedPerElement) {
  ClampedSpan(4.0);
  BeamLoad(1, 1, 1, kGlobalAxes, 0, 0, 10, 10);
  ASSERT_EQ(RunFirstOrder(Solutions), kSolved);
  // 11 points: 12 intervals, 13 ordinates; 0 counts as 10: 11 intervals.
  for (const auto &[points, ordinates] : {std::pair{11, 13u}, {0, 12u}, {100, 102u}}) {
    EvaluationPoints = points;
    Diagram(4, 0);
    EXPECT_EQ(LineRecords(display).size(), 2 * ordinates - 1) << points;
  }
  // A beam split in two halves: 6 intervals each.
  EvaluationPoints = 11;
  PointLoad(1, 1, 0.5, 0, 5, 0);
  ASSERT_EQ(RunFirstOrder(Solutions), kSolved);
  Diagram(4, 0);
  EXPECT_EQ(LineRecords(display).size(), 2u * (2 * 6 + 1));

  // The deformed shape: at least 10 segments per element, at most 1000.
  for (const auto &[intervals, segments] : {std::pair{5, 10u}, {20, 11u}, {2000000000, 1000u}}) {
    Beams.At(0).intervals = intervals;
    display.Reset();
    DrawDeformedShape(window, GraphWindow::ReferenceLength(), display, 0);
    // Two elements; the two node squares of four sides each.
    EXPECT_EQ(LineRecords(display).size(), 2 * segments + 8) << intervals;
  }
}

TEST_F(ResultDrawingTest, ColoursAndLabelsFollowTheValuesNotTheirRoundingNoise) {
  const auto colours = [this] {
    std::set<TColor> found;
    for (const ColouredLine &line : ColouredLines(diagram))
      found.insert(line.colour);
    return found;
  };
  const auto texts = [this] {
    std::vector<std::string> found;
    for (const TextPlacement &label : labels)
      found.push_back(label.text);
    std::sort(found.begin(), found.end());
    return found;
  };
  // A simple beam under a point load at mid-span: the sagging moment is
  // blue throughout, also at the supports, where it is 0 give or take the
  // rounding; the joint of the two elements under the load is labelled
  // once, while the shear jumps there and keeps both labels.
  SimpleSpan(4.0);
  PointLoad(1, 1, 0.5, 0, 10, 0);
  ASSERT_EQ(RunFirstOrder(Solutions), kSolved);
  DrawFunctionTab(4);
  EXPECT_EQ(colours(), std::set<TColor>{kBlue});
  EXPECT_EQ(texts(), std::vector<std::string>{"10.00"});
  DrawFunctionTab(3);
  EXPECT_EQ(texts(), (std::vector<std::string>{"-5.000", "-5.000", "5.000", "5.000"}));
  // A cantilever's hogging moment is red up to its free end.
  ClearAll();
  CantileverSpan(4.0);
  BeamLoad(1, 1, 1, kGlobalAxes, 0, 0, 10, 10);
  ASSERT_EQ(RunFirstOrder(Solutions), kSolved);
  DrawFunctionTab(4);
  EXPECT_EQ(colours(), std::set<TColor>{kRed});
  // The example's values at the joints of its elements, each once.
  ClearAll();
  ReadExample();
  ASSERT_EQ(RunFirstOrder(Solutions), kSolved);
  DrawFunctionTab(4);
  const std::vector<std::string> example = texts();
  for (const char *value : {"47.29", "57.27", "-23.57"})
    EXPECT_EQ(std::count(example.begin(), example.end(), value), 1) << value;
}

TEST_F(ResultDrawingTest, DeterminantPlotFitsTheViewOrLeavesIt) {
  ClampedSpan(4.0);
  ASSERT_EQ(RunFirstOrder(Solutions), kSolved);
  // The determinant falling through 0 at load factor 2.
  const DeterminantPoint points[] = {{0.0, 8.0}, {1.0, 4.0}, {2.0, 0.0}, {3.0, -2.0}};
  Solutions.DeterminantPoints.Append(points, 4);
  window.Open();
  window.ViewBox = {1, 2, 3, 4};
  window.SetLayer(kLayerDeterminant, true);
  ObservedTexts log(window.Display);
  window.Rebuild();
  EXPECT_EQ(log.Strings(), (std::vector<std::string>{"Knickdeterminante", "Fk"}));
  const Box2D box = window.Display.BoundingBox();
  EXPECT_EQ(window.ViewBox.xmin, box.xmin);
  EXPECT_EQ(window.ViewBox.ymax, box.ymax);

  // 150 units per load factor, 45 per determinant, determinants upwards:
  // the curve from (25, 25) to (475, 475), the axis of load factor 1 at
  // x = 175, the zero determinant at y = 385.
  const std::vector<std::vector<double>> lines = LineRecords(window.Display);
  ASSERT_GE(lines.size(), 9u);
  EXPECT_EQ(lines[4], (std::vector<double>{25, 25, 175, 205}));
  EXPECT_EQ(lines[6], (std::vector<double>{325, 385, 475, 475}));
  EXPECT_EQ(lines[7], (std::vector<double>{175, 20, 175, 480}));
  EXPECT_EQ(lines[8], (std::vector<double>{20, 385, 480, 385}));

  // With a single determinant value, or without points, the plot is empty
  // and the view stays.
  Solutions.DeterminantPoints.Clear();
  const DeterminantPoint flat[] = {{0.0, 1.0}, {2.0, 1.0}};
  Solutions.DeterminantPoints.Append(flat, 2);
  window.ViewBox = {1, 2, 3, 4};
  window.Rebuild();
  EXPECT_EQ(window.Display.RecordCount(), 0);
  EXPECT_EQ(window.ViewBox.xmax, 3.0);
  Solutions.DeterminantPoints.Clear();
  window.ViewBox = {1, 2, 3, 4};
  window.Rebuild();
  EXPECT_EQ(window.Display.RecordCount(), 0);
  EXPECT_EQ(window.ViewBox.xmax, 3.0);
}

TEST_F(ResultDrawingTest, ReactionsAndSmallLabelsAreLeftOutAsTheyVanish) {
  // A cantilever under an end moment: the clamp holds the moment.
  CantileverSpan(4.0);
  NodeLoad(1, 2, 2, 0, 0, 10);
  ASSERT_EQ(RunFirstOrder(Solutions), kSolved);
  window.Open();
  ObservedTexts log(display);
  DrawReactions(window, 10.0, display, LayersOf({kLayerValues}));
  const std::vector<std::string> reactions = log.Strings();
  EXPECT_EQ(std::count(reactions.begin(), reactions.end(), "10"), 1);
  // The moment diagram is constant: two end labels, no extremum.
  log.texts.clear();
  display.Reset();
  DrawCurrentDiagram(window, 10.0, display, LayersOf({kLayerValues, kLayerExtrema}), 4);
  EXPECT_EQ(log.Strings().size(), 2u);
  // A value below 1e-10 of the largest draws no label.
  log.texts.clear();
  DrawDiagramLabel(0, 1.0, display, 10.0, 1e-5 * 10.0, kRed, {0, 1}, {0, 0}, 9e-10, 1, 0);
  DrawDiagramLabel(0, 1.0, display, 10.0, 1e-5 * 10.0, kRed, {0, 1}, {0, 0}, -2e-9, 1, 1);
  EXPECT_EQ(log.Strings(), std::vector<std::string>{"2.000e-09"});
}

} // namespace
