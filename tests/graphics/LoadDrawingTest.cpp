// The loads of the example portal in the display list, kind by kind: the
// sizes the scales give the largest values, colours, labels by layer 13,
// the imposed displacement rescaled by results; and the inputs that must
// neither hang a rebuild nor put infinities into the list.
#include "graphics/core/LoadDrawing.h"
#include "analysis/Drivers.h"
#include "analysis/ResultQueries.h"
#include "analysis/SolveStep.h"
#include "graphics/core/DeformationLoadDrawing.h"
#include "graphics/core/Settings.h"
#include "model/GeometryQueries.h"
#include "model/ModelFiles.h"
#include "tests/support/FrameFixture.h"
#include "tests/support/ObservedTexts.h"
#include "tests/support/PaintRecords.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

bool HasLine(const PaintContainer &pc, Point2D from, Point2D to) {
  for (const std::vector<double> &l : LineRecords(pc))
    if (std::hypot(l[0] - from.x, l[1] - from.y) < 1e-9 &&
        std::hypot(l[2] - to.x, l[3] - to.y) < 1e-9)
      return true;
  return false;
}

std::vector<int> PenColours(const PaintContainer &pc) {
  std::vector<int> colours;
  for (const PaintRecordView &r : DecodeRecords(pc))
    if (r.type == kPenColourRecord)
      colours.push_back(r.value);
  return colours;
}

bool AllFinite(const PaintContainer &pc) {
  for (const PaintRecordView &r : DecodeRecords(pc))
    for (double v : r.reals)
      if (!std::isfinite(v))
        return false;
  return true;
}

class LoadDrawingTest : public FrameTest {
protected:
  void SetUp() override {
    FrameTest::SetUp();
    ReadSystemFile(KELMOR_SOURCE_DIR "/examples/portal.ssy");
    ReadLoadFile(KELMOR_SOURCE_DIR "/examples/portal.sla");
    L = GraphWindow::ReferenceLength();
    display.Reset();
  }
  // Everything the loads layer draws, as the window's rebuild calls it.
  void DrawAll(LayerBits layers) {
    display.Reset();
    DrawLoads(window, L, display, layers);
    DrawImposedDisplacements(window, L, display, layers);
    DrawTemperatureLoads(window, L, display, layers);
    DrawPreDeformations(window, L, display, layers);
  }
  // Only the rows of these lists stay.
  static void Keep(std::initializer_list<InputContainer *> lists) {
    for (InputContainer *list : LoadTableList())
      if (std::find(lists.begin(), lists.end(), list) == lists.end())
        list->ClearRows();
  }
  GraphWindow window;
  PaintContainer display;
  double L = 0.0;
  const LayerBits labels = LayersOf({kLayerLoads, kLayerValues});
};

TEST_F(LoadDrawingTest, LargestValuesGetTheirSizes) {
  // Beam 2 from (0, -5) to (8, -5) carries 12 across (local): its base
  // 0.02 L above the beam, on its top side, the end ordinate 0.1 L high.
  Keep({&BeamLoads, &PointLoads, &NodeLoads});
  DrawLoads(window, L, display, 0);
  EXPECT_TRUE(HasLine(display, {0, -5 - 0.02 * L}, {0, -5 - 0.12 * L}));
  // Beam 1 (upward from (0, 0), 3 in global X on 0 .. 0.6): a quarter of
  // that, left of the column where the load comes from.
  EXPECT_TRUE(HasLine(display, {-0.02 * L, 0}, {-0.045 * L, 0}));
  // The point load of 20 across beam 2 at 0.25 is the largest force: 0.1 L
  // long, ending on the beam; the node load of 10 half as long.
  EXPECT_TRUE(HasLine(display, {2, -5 - 0.1 * L}, {2, -5}));
  EXPECT_TRUE(HasLine(display, {-0.05 * L, -5}, {0, -5}));
  const std::vector<int> colours = PenColours(display);
  EXPECT_EQ(colours.front(), Grafikeinstellung.Belastung.Streckenlasten.Farbe);
  EXPECT_EQ(colours.front(), 0xFF0000);

  // Doubling the distributed-load scale doubles only the diagrams.
  window.LineLoadScale = 2.0;
  display.Reset();
  DrawLoads(window, L, display, 0);
  EXPECT_TRUE(HasLine(display, {0, -5 - 0.02 * L}, {0, -5 - 0.22 * L}));
  EXPECT_TRUE(HasLine(display, {2, -5 - 0.1 * L}, {2, -5}));
}

TEST_F(LoadDrawingTest, DisplacementsFollowTheResultsAndPreDeformationsTheirSize) {
  // Node 4 at (8, 0) moved 0.01 down: 0.2 L long before an analysis.
  DrawAll(labels);
  EXPECT_TRUE(HasLine(display, {8, 0}, {8, 0.2 * L}));
  ASSERT_EQ(RunFirstOrder(Solutions), kSolved);
  DrawAll(labels);
  const double rescaled = 0.2 * L * 0.01 / MaxDisplacement(Solutions);
  EXPECT_LT(rescaled, 0.2 * L * 0.99);
  EXPECT_TRUE(HasLine(display, {8, 0}, {8, rescaled}));

  // Sway 0.005 of beams 1 and 3 (length 5) is the largest ordinate: the
  // apex lies 0.2 L left of their foot, where the label starts.
  ObservedTexts log(display);
  DrawPreDeformations(window, L, display, labels);
  ASSERT_GE(log.texts.size(), 2u);
  EXPECT_EQ(log.texts[0].text, "0.005000");
  EXPECT_NEAR(log.texts[0].anchor.x, -0.2 * L, 1e-9);
  EXPECT_NEAR(log.texts[0].anchor.y, 0.0, 1e-9);
  EXPECT_EQ(log.texts[1].text, "0.003333");
}

TEST_F(LoadDrawingTest, LabelsAndColoursByLayerAndSide) {
  ObservedTexts log(display);
  DrawAll(labels);
  // Distributed loads at both ends, node and point load, the moment-hinge
  // deformation, the imposed displacement, temperatures top (T - dT/2)
  // then bottom, sway and bow of both columns.
  EXPECT_EQ(log.Strings(), (std::vector<std::string>{
                               "12.00", "12.00", "3.000", "3.000", "10", "20", "0.01", "0.001000",
                               "15.00", "25.00", "0.005000", "0.003333", "0.005000", "0.003333"}));
  // dT = 10 > 0: the colder top blue, the warmer bottom red.
  EXPECT_EQ(log.texts[8].colour, 0xFF0000);
  EXPECT_EQ(log.texts[9].colour, 0x0000FF);

  // Without layer 13 only the moment hinge keeps its label.
  log.texts.clear();
  DrawAll(LayersOf({kLayerLoads}));
  EXPECT_EQ(log.Strings(), std::vector<std::string>{"0.001000"});

  // A load case of zero values draws nothing at all.
  for (InputContainer *list : LoadTableList())
    list->ClearRows();
  NodeLoadRecord &zero = Use(NodeLoads, 1);
  zero.from = zero.to = 2;
  DrawAll(labels);
  EXPECT_EQ(display.RecordCount(), 0);
}

TEST_F(LoadDrawingTest, HugeRangesNegativeScalesAndShortBeamsStayBounded) {
  // Ranges up to 2e9 cost what the table costs and draw the same.
  DrawAll(labels);
  const int records = display.RecordCount();
  BeamLoads.At(0).to = NodeLoads.At(0).to = ImposedDisplacements.At(0).to = 2000000000;
  TemperatureLoads.At(0).to = Imperfections.At(1).to = 2000000000;
  BeamLoads.At(1).from = 1;
  BeamLoads.At(1).to = 2000000000;
  DrawAll(labels);
  EXPECT_GT(display.RecordCount(), records);
  EXPECT_TRUE(AllFinite(display));

  // A negative distributed-load scale turns the diagrams over, with as
  // many stations as the positive one.
  Keep({&BeamLoads});
  BeamLoads.At(1).to = 1;
  display.Reset();
  DrawLoads(window, L, display, labels);
  const std::size_t lines = LineRecords(display).size();
  window.LineLoadScale = -1.0;
  display.Reset();
  DrawLoads(window, L, display, labels);
  EXPECT_EQ(LineRecords(display).size(), lines);
  EXPECT_TRUE(AllFinite(display));
  EXPECT_TRUE(HasLine(display, {0, -5 - 0.02 * L}, {0, -5 + 0.08 * L}));

  // A load drawn very low gets 100 subdivisions, no more: a base line and
  // an outline of 100 pieces, 2 end ordinates and 99 arrows too short for
  // a head.
  Keep({});
  BeamLoadRecord &girder = Use(BeamLoads, 1);
  girder.from = girder.to = 2;
  girder.q2Start = girder.q2End = 1.0;
  girder.partialEnd = 1.0;
  display.Reset();
  DrawBeamLoads(window, L, 1e-6, display, 0);
  EXPECT_EQ(LineRecords(display).size(), 2u * 100 + 2 + 99);

  // A hinge load on a beam of length 0 (nodes 2 and 5 at one place).
  Node(5, 0, -5);
  Beam(4, 2, 5);
  HingeRecord &hinge = Use(Hinges, 2);
  hinge.beam = 4;
  hinge.position = 0.3;
  hinge.type = kHingeNormalForce;
  HingeLoadRecord &load = Use(HingeLoads, 2);
  load.hinge = 2;
  load.value = 5.0;
  display.Reset();
  DrawLoads(window, L, display, labels);
  EXPECT_TRUE(AllFinite(display));
  EXPECT_TRUE(HasLine(display, {-0.1 * L, -5}, {0, -5}));
}

} // namespace
