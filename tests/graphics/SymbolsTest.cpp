#include "graphics/core/Symbols.h"
#include "graphics/core/PaintContainer.h"
#include "tests/support/PaintRecords.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <numbers>

namespace {
constexpr double kPi = std::numbers::pi;
using Texts = std::vector<std::string>;

void ExpectLine(const std::vector<double> &line, std::vector<double> expected) {
  ASSERT_EQ(line.size(), 4u);
  for (int i = 0; i < 4; ++i)
    EXPECT_NEAR(line[i], expected[i], 1e-9) << "coordinate " << i;
}
} // namespace

TEST(Symbols, ShapesHaveTheirPointCountsAndNominalSizes) {
  const struct {
    const EntityClass &shape;
    int points;
    double size;
  } shapes[] = {{SquareShape, 5, 28.284271247461902},
                {ArrowHeadShape, 4, 14.142135623730951},
                {TriangleHeadShape, 5, 14.142135623730951},
                {CircleShape, 15, 2},
                {HingeRectShape, 4, 2},
                {SupportLineShape, 3, 20},
                {ClampShape, 5, 20},
                {PinShape, 4, 20},
                {SpringShape, 8, 5.385164807134504},
                {DashDotShape, 4, 19},
                {DashShape, 2, 15},
                {MomentArrowLeftShape, 11, 2},
                {MomentArrowRightShape, 11, 2}};
  for (const auto &s : shapes) {
    EXPECT_EQ(s.shape.Count(), s.points);
    EXPECT_NEAR(s.shape.NominalSize(), s.size, 1e-12);
  }
  EXPECT_EQ(EntityClass(0, {{0, 0}, {10, 0}}).NominalSize(), 10);
}

TEST(Symbols, DrawPlacesTurnsAndMasksSegmentsFillWritesOnePolygon) {
  PaintContainer pc;
  pc.Reset();
  DashDotShape.Draw(pc, 19, 1, 0.0, 0, {0, 0}, 5); // segments 0 and 2
  EXPECT_EQ(RecordTexts(pc), (Texts{"pen 0", "width 1", "line 0 0 10 0", "line 14 0 15 0"}));
  pc.Reset();
  DashDotShape.Draw(pc, 19, 1, 0.0, 0, {0, 0}, 0);
  EXPECT_EQ(LineRecords(pc).size(), 3u);

  // Half the nominal size, a quarter turn, at (1, 2): (10, 10) turns to
  // (-10, 10) and halves to (-5, 5).
  pc.Reset();
  PinShape.Draw(pc, 10, 0.5, kPi / 2, 3, {1, 2}, 0);
  ExpectLine(LineRecords(pc).at(0), {1, 2, -4, 7});

  pc.Reset();
  ClampShape.Fill(pc, 40, 0.5, 0.0, 3, 0xFFFFFF, {0, 0});
  EXPECT_EQ(RecordTexts(pc), (Texts{"brush 16777215", "pen 3", "width 0.5",
                                    "polygon 5 -20 -20 -20 20 20 20 20 -20 -20 -20"}));
}

TEST(StyledLine, DashPeriodsAreFifteenWidthsAndTheLastIsDrawnWhole) {
  PaintContainer pc;
  pc.Reset();
  pc.StyledLine({0, 0}, {30, 0}, 1.0, 0, kDashedLine); // exactly two periods
  EXPECT_EQ(RecordTexts(pc), (Texts{"pen 0", "width 1", "line 0 0 10 0", "line 15 0 25 0"}));
  pc.Reset();
  pc.StyledLine({0, 0}, {0, 62}, 2.0, 0, kDashedLine); // 31 widths: three
  ASSERT_EQ(LineRecords(pc).size(), 3u);
  ExpectLine(LineRecords(pc)[2], {0, 60, 0, 80}); // 9 widths past the end
  pc.Reset();
  pc.StyledLine({0, 0}, {30, 0}, 1.0, 0, kDashDotLine); // a dash and a dot per period
  ASSERT_EQ(LineRecords(pc).size(), 4u);
  ExpectLine(LineRecords(pc)[1], {210.0 / 19, 0, 225.0 / 19, 0});
  pc.Reset();
  pc.StyledLine({5, 5}, {5, 5}, 1.0, 0, kDashedLine); // no length, nothing
  EXPECT_TRUE(LineRecords(pc).empty());
}

TEST(StyledLine, UnusableWidthsDrawOneSolidLine) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  for (double width : {0.0, -1.0, nan, std::numeric_limits<double>::infinity(), 1e-9}) {
    PaintContainer pc;
    pc.Reset();
    pc.StyledLine({0, 0}, {1, 0}, width, 0, kDashDotLine);
    ASSERT_EQ(LineRecords(pc).size(), 1u) << width;
    ExpectLine(LineRecords(pc)[0], {0, 0, 1, 0});
  }
  PaintContainer pc; // 10 000 periods are still patterned
  pc.Reset();
  pc.StyledLine({0, 0}, {150000, 0}, 1.0, 0, kDashedLine);
  EXPECT_EQ(LineRecords(pc).size(), 10000u);
}

TEST(Arrows, HeadsFollowTheFlags) {
  PaintContainer pc;
  pc.Reset();
  pc.Arrow({0, 0}, {5, 0}, 10, 1, 0, kArrowNoShortHead); // shorter than the head
  EXPECT_EQ(LineRecords(pc).size(), 1u);
  pc.Reset();
  pc.Arrow({0, 0}, {20, 0}, 14.142135623730951, 1, 0, 0);
  ASSERT_EQ(LineRecords(pc).size(), 4u);
  ExpectLine(LineRecords(pc)[1], {20, 0, 10, 5}); // tip on p2, opening back
  pc.Reset();
  pc.Arrow({0, 0}, {20, 0}, 14.142135623730951, 1, 0, kArrowTriangle);
  ASSERT_EQ(LineRecords(pc).size(), 5u);
  ExpectLine(LineRecords(pc)[2], {15, 0, 20, -10}); // a quarter turn back: apex above
}

TEST(Arrows, ForceArrowsLabelTheirFreeEndOnTheFarSide) {
  PaintContainer pc;
  pc.Reset();
  TextLog log;
  pc.SetTextObserver(&log);
  pc.ForceArrow(2, {1, 1}, 0.1, {-3, 4}, 0.05, 0.01, 0.5, 9, kArrowLabel);
  ExpectLine(LineRecords(pc).at(0), {1.3, 0.6, 1, 1}); // ends at the point
  pc.ForceArrow(1, {0, 0}, 2, {-1.23456, 0}, 0.1, 0.01, 0.5, 9, kArrowLabel | kArrowFromPoint);
  ASSERT_EQ(log.texts.size(), 2u);
  const TextPlacement &five = log.texts[0];
  EXPECT_EQ(five.text, "5");
  EXPECT_EQ(five.alignment, kTextRight);
  EXPECT_NEAR(five.anchor.x, 1.3, 1e-12); // at the start
  EXPECT_NEAR(five.anchor.y, 0.6, 1e-12);
  EXPECT_NEAR(five.offset, 0.2, 1e-12); // 0.2 * text size, scaled by a
  EXPECT_NEAR(five.height, 1.0, 1e-12);
  EXPECT_EQ(log.texts[1].text, "1.235");
  EXPECT_EQ(log.texts[1].alignment, kTextLeft); // at the head, which points left
  EXPECT_NEAR(log.texts[1].anchor.x, -2.46912, 1e-12);
}

TEST(Arrows, MomentArcSegmentsHeadAndLabel) {
  PaintContainer pc;
  pc.Reset();
  TextLog log;
  pc.SetTextObserver(&log);
  pc.MomentArc(1, {0, 0}, 1, 1, 0.3, 0.01, 0.1, 5, kArrowLabel); // 2 segments, 3 points
  const auto arc = LineRecords(pc);
  ExpectLine(arc.at(0), {0, -1, std::sin(0.15), -std::cos(0.15)});
  ExpectLine(arc.at(1), {std::sin(0.15), -std::cos(0.15), std::sin(0.3), -std::cos(0.3)});
  EXPECT_NEAR(arc.at(2)[0], std::sin(0.3), 1e-12); // the head from the end
  EXPECT_NEAR(arc.at(2)[1], -std::cos(0.3), 1e-12);
  ASSERT_EQ(log.texts.size(), 1u);
  EXPECT_EQ(log.texts[0].text, "0.3");
  EXPECT_EQ(log.texts[0].alignment, kTextLeft);
  EXPECT_EQ(log.texts[0].anchor.y, -1);

  // No turn: one segment of length 0, and a head 0.4 r long turned by -pi:
  // the shape's (-10, 5) goes to (10, -5) * 4 / 14.14 from the tip.
  pc.Reset();
  pc.MomentArc(1, {0, 0}, 10, 1, 0.0, 0.01, 0.1, 5, 0);
  const double f = 4 / 14.142135623730951;
  ASSERT_EQ(LineRecords(pc).size(), 4u);
  ExpectLine(LineRecords(pc)[0], {0, -10, 0, -10});
  ExpectLine(LineRecords(pc)[1], {0, -10, 10 * f, -10 - 5 * f});

  pc.Reset(); // the segment count is bounded
  pc.MomentArc(1, {0, 0}, 1, 1e12, 1.0, 0.01, 0.1, 5, 0);
  EXPECT_EQ(LineRecords(pc).size(), 10000u + 3u);
  pc.Reset();
  pc.MomentArc(1, {0, 0}, 1, std::numeric_limits<double>::infinity(), 1.0, 0.01, 0.1, 5, 0);
  EXPECT_TRUE(LineRecords(pc).empty());
}
