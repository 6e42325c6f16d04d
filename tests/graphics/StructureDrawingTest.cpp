// The structure in the display list: supports by their conditions, springs
// along bedded beams, hinge placement near the beam ends and on beams of
// length 0, and the numbers and labels the layers switch on.
#include "graphics/core/StructureDrawing.h"
#include "graphics/core/Settings.h"
#include "model/GeometryQueries.h"
#include "tests/support/FrameFixture.h"
#include "tests/support/ObservedTexts.h"
#include "tests/support/PaintRecords.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr float kL = 10.0f;

std::size_t Lines(const PaintContainer &pc) {
  return LineRecords(pc).size();
}

std::size_t Polygons(const PaintContainer &pc) {
  std::size_t n = 0;
  for (const PaintRecordView &r : DecodeRecords(pc))
    n += r.type == kPolygonRecord ? 1 : 0;
  return n;
}

class StructureDrawingTest : public FrameTest {
protected:
  void SetUp() override {
    FrameTest::SetUp();
    display.Reset();
  }
  GraphWindow window;
  PaintContainer display;
};

TEST_F(StructureDrawingTest, SupportSymbolsFollowTheConditions) {
  Node(1, 0, 0);           // free: no symbol
  Node(2, 5, 0, 0, 0, 1);  // rotation only: square and both sliding lines
  Node(3, 10, 0, 1, 1, 0); // pin: triangle
  Node(4, 15, 0, 1, 0, 0); // roller free in z: triangle turned, one line
  Node(5, 20, 0, 1, 1, 2); // rotation 2: neither square nor triangle
  // Segments: line 2, square 4, triangle 3.
  const std::size_t expected[] = {0, 2 + 2 + 4, 3, 2 + 3, 0};
  for (int n = 1; n <= 5; ++n) {
    SCOPED_TRACE(n);
    display.Reset();
    for (int other = 1; other <= 5; ++other)
      Nodes.At(other - 1).state = other == n ? 1 : 0;
    DrawSupports(window, kL, display);
    EXPECT_EQ(Lines(display), expected[n - 1]);
  }

  // Skew 90 turns the pin by a quarter: its base lies left of the node
  // instead of below it.
  for (int other = 1; other <= 5; ++other)
    Nodes.At(other - 1).state = other == 3 ? 1 : 0;
  Nodes.At(2).skew = 90.0;
  display.Reset();
  DrawSupports(window, kL, display);
  const double s = kL * Grafikeinstellung.Geometrie.Auflager.Groesse;
  const std::vector<std::vector<double>> lines = LineRecords(display);
  ASSERT_EQ(lines.size(), 3u);
  // Pin points (0, 0), (10, 10) at nominal size 20 turned by 90 degrees.
  EXPECT_NEAR(lines[0][2], 10.0 - 0.5 * s, 1e-12);
  EXPECT_NEAR(lines[0][3], 0.5 * s, 1e-12);
}

TEST_F(StructureDrawingTest, SpringsHangEvenlyAlongBeddedBeams) {
  Material(1);
  Materials.At(0).bedding = 1000.0;
  const double size = 0.027 * kL;
  // 0.7 ell / size below 3: one spring at mid-span; 10.5: nine springs.
  for (const auto &[ell, springs] : {std::pair{2.0 * size / 0.7, 1}, {10.5 * size / 0.7, 9}}) {
    SCOPED_TRACE(ell);
    Node(1, 0, 0);
    Node(2, ell, 0);
    Beam(1, 1, 2);
    display.Reset();
    DrawBeams(window, kL, display, 0);
    // The beam line, then seven segments per spring.
    EXPECT_EQ(Lines(display), 1u + 7u * springs);
    EXPECT_NEAR(LineRecords(display)[1][0], ell / (springs + 1), 1e-12);
  }
  // A cross-section type not in use: no springs and no label.
  Beams.At(0).material = 2;
  display.Reset();
  ObservedTexts log(display);
  DrawBeams(window, kL, display, LayersOf({kLayerMaterialNumbers}));
  EXPECT_EQ(Lines(display), 1u);
  EXPECT_TRUE(log.texts.empty());
}

TEST_F(StructureDrawingTest, HingesStayOnTheirBeamsAndNeverBecomeNaN) {
  const double G = kL * Grafikeinstellung.Geometrie.Gelenke.Groesse;
  EXPECT_DOUBLE_EQ(HingeSymbolExtent(4.0, kL, 0), 1.5 * G / 4.0);
  EXPECT_DOUBLE_EQ(HingeSymbolExtent(4.0, kL, 2), 0.5 * G / 4.0);
  EXPECT_EQ(HingeSymbolExtent(4.0, kL, 3), 0.0);
  // A beam of length 0 puts the symbol at its middle.
  EXPECT_EQ(HingeSymbolExtent(0.0, kL, 0), 0.5);
  EXPECT_EQ(ClampHingePosition(0.0, kL, 1, 0.0), 0.5);
  // At x = 0 a symbol touches node 1; on a beam shorter than 3 G a
  // normal-force hinge lies at 1 - e, left of mid-span.
  EXPECT_DOUBLE_EQ(ClampHingePosition(4.0, kL, 0, 0.0), 1.5 * G / 4.0);
  const double e = HingeSymbolExtent(2 * G, kL, 0);
  EXPECT_DOUBLE_EQ(ClampHingePosition(2 * G, kL, 0, 0.3), 1.0 - e);
  EXPECT_LT(1.0 - e, 0.5);

  // Three kinds at one place: two blanks below everything, two pairs of
  // lines and one disc; numbers at the moment hinge's place.
  Material(1);
  Node(1, 0, 0);
  Node(2, 4, 0);
  Beam(1, 1, 2);
  for (int kind = 0; kind < 3; ++kind)
    AddHinge(kind + 1, 1, 0.0, kind);
  DrawHinges(window, kL, display, 0);
  std::vector<std::uint8_t> kinds;
  for (const PaintRecordView &r : DecodeRecords(display))
    if (r.type == kPolygonRecord || r.type == kLineRecord)
      kinds.push_back(r.type);
  EXPECT_EQ(kinds,
            (std::vector<std::uint8_t>{kPolygonRecord, kPolygonRecord, kLineRecord, kLineRecord,
                                       kLineRecord, kLineRecord, kPolygonRecord}));
  display.Reset();
  ObservedTexts log(display);
  DrawHinges(window, kL, display, LayersOf({kLayerHingeNumbers}));
  EXPECT_EQ(log.Strings(), (std::vector<std::string>{"1", "2", "3"}));
  EXPECT_NEAR(log.texts[0].anchor.x, 0.5 * G, 1e-12);

  // Hinges of a beam of length 0 stay finite.
  Node(2, 0, 0);
  Node(3, 4, 0);
  Beam(1, 1, 3);
  Beam(2, 1, 2);
  for (int row = 0; row < 3; ++row)
    Hinges.At(row).state = 0;
  AddHinge(4, 2, 0.5, 0);
  display.Reset();
  DrawHinges(window, kL, display, 0);
  // The blank and the two lines, around the node.
  EXPECT_EQ(Polygons(display), 1u);
  EXPECT_EQ(Lines(display), 2u);
  EXPECT_NEAR(display.BoundingBox().xmin + display.BoundingBox().xmax, 0.0, 1e-12);
}

TEST_F(StructureDrawingTest, NumbersAndLabelsAreRowNumbersOfRowsInUse) {
  Material(1);
  Material(3);
  Node(1, 0, 0);
  Node(3, 4, 0);
  Node(4, 4, -3);
  Beam(2, 1, 3, 3);
  Beam(3, 3, 4, 1);
  Beam(4, 3, 3, 1); // both ends at one node: nothing at all
  ObservedTexts log(display);
  DrawNodes(window, kL, display, LayersOf({kLayerNodeNumbers}));
  EXPECT_EQ(log.Strings(), (std::vector<std::string>{"1", "3", "4"}));
  EXPECT_EQ(log.texts[0].alignment, 4 + 16);
  log.texts.clear();
  DrawBeams(window, kL, display, LayersOf({kLayerBeamNumbers, kLayerMaterialNumbers}));
  EXPECT_EQ(log.Strings(), (std::vector<std::string>{"S2", "M3", "S3", "M1"}));
  // The beam number sits at mid-span along the beam, turned with it.
  EXPECT_DOUBLE_EQ(log.texts[0].anchor.x, 2.0);
  EXPECT_DOUBLE_EQ(log.texts[2].angle, BeamAngle(Beams.At(2)));
  EXPECT_EQ(log.texts[1].alignment, 8);
  EXPECT_DOUBLE_EQ(log.texts[1].anchor.x, 0.7 * 4);
}

} // namespace
