#include "graphics/core/Symbols.h"
#include "graphics/core/PaintContainer.h"
#include "tests/support/PaintRecords.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace {
constexpr double kPi = 3.141592653589793;

std::vector<std::vector<double>> Lines(const PaintContainer &pc) {
  std::vector<std::vector<double>> lines;
  for (const PaintRecordView &r : RecordsOfType(pc, kLineRecord))
    lines.push_back(r.reals);
  return lines;
}

void ExpectLine(const std::vector<double> &line, double x1, double y1, double x2, double y2) {
  ASSERT_EQ(line.size(), 4u);
  EXPECT_NEAR(line[0], x1, 1e-9);
  EXPECT_NEAR(line[1], y1, 1e-9);
  EXPECT_NEAR(line[2], x2, 1e-9);
  EXPECT_NEAR(line[3], y2, 1e-9);
}

struct TextLog : TextObserver {
  std::vector<TextPlacement> texts;
  void TextDrawn(const TextPlacement &placement) override { texts.push_back(placement); }
};
} // namespace

TEST(Symbols, ShapesHaveTheirNominalSizes) {
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
  const EntityClass bar(0, {{0, 0}, {10, 0}});
  EXPECT_EQ(bar.NominalSize(), 10);
}

TEST(Symbols, DrawPlacesTurnsAndMasksSegmentsFillWritesOnePolygon) {
  PaintContainer pc;
  pc.Reset();
  DashDotShape.Draw(pc, 19, 1, 0.0, 0, {0, 0}, 5); // segments 0 and 2
  const auto masked = Lines(pc);
  ASSERT_EQ(masked.size(), 2u);
  ExpectLine(masked[0], 0, 0, 10, 0);
  ExpectLine(masked[1], 14, 0, 15, 0);
  pc.Reset();
  DashDotShape.Draw(pc, 19, 1, 0.0, 0, {0, 0}, 0);
  EXPECT_EQ(Lines(pc).size(), 3u);

  // PinShape at size 10 (half its nominal size), a quarter turn, at (1, 2):
  // (10, 10) turns to (-10, 10), halves to (-5, 5).
  pc.Reset();
  PinShape.Draw(pc, 10, 0.5, kPi / 2, 3, {1, 2}, 0);
  const auto pin = Lines(pc);
  ASSERT_EQ(pin.size(), 3u);
  ExpectLine(pin[0], 1, 2, -4, 7);

  pc.Reset();
  ClampShape.Fill(pc, 40, 0.5, 0.0, 3, 0xFFFFFF, {0, 0});
  const auto r = DecodeRecords(pc);
  ASSERT_EQ(r.size(), 4u);
  EXPECT_EQ(r[0].type, kBrushRecord);
  EXPECT_EQ(r[0].value, 0xFFFFFF);
  EXPECT_EQ(r[1].value, 3);
  EXPECT_EQ(r[3].type, kPolygonRecord);
  EXPECT_EQ(r[3].reals, (std::vector<double>{-20, -20, -20, 20, 20, 20, 20, -20, -20, -20}));
}

TEST(StyledLine, DashPeriodsAreFifteenWidthsAndTheLastIsDrawnWhole) {
  PaintContainer pc;
  pc.Reset();
  pc.StyledLine({0, 0}, {30, 0}, 1.0, 0, kDashedLine); // exactly two periods
  auto lines = Lines(pc);
  ASSERT_EQ(lines.size(), 2u);
  ExpectLine(lines[1], 15, 0, 25, 0);
  pc.Reset();
  pc.StyledLine({0, 0}, {0, 62}, 2.0, 0, kDashedLine); // 31 widths: three
  lines = Lines(pc);
  ASSERT_EQ(lines.size(), 3u);
  ExpectLine(lines[2], 0, 60, 0, 80); // 9 widths past the end
  pc.Reset();
  pc.StyledLine({0, 0}, {30, 0}, 1.0, 0, kDashDotLine); // dash and dot per period
  lines = Lines(pc);
  ASSERT_EQ(lines.size(), 4u);
  ExpectLine(lines[0], 0, 0, 150.0 / 19, 0);
  ExpectLine(lines[1], 210.0 / 19, 0, 225.0 / 19, 0);
  pc.Reset();
  pc.StyledLine({5, 5}, {5, 5}, 1.0, 0, kDashedLine); // no length, nothing
  EXPECT_TRUE(Lines(pc).empty());
}

TEST(StyledLine, UnusableWidthsDrawOneSolidLine) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  for (double width : {0.0, -1.0, nan, std::numeric_limits<double>::infinity(), 1e-9}) {
    PaintContainer pc;
    pc.Reset();
    pc.StyledLine({0, 0}, {1, 0}, width, 0, kDashDotLine);
    const auto lines = Lines(pc);
    ASSERT_EQ(lines.size(), 1u) << width;
    ExpectLine(lines[0], 0, 0, 1, 0);
  }
  PaintContainer pc; // 10 000 periods is still patterned
  pc.Reset();
  pc.StyledLine({0, 0}, {150000, 0}, 1.0, 0, kDashedLine);
  EXPECT_EQ(Lines(pc).size(), 10000u);
}

TEST(Arrows, HeadsFollowTheFlags) {
  PaintContainer pc;
  pc.Reset();
  pc.Arrow({0, 0}, {5, 0}, 10, 1, 0, kArrowNoShortHead); // shorter than the head
  EXPECT_EQ(Lines(pc).size(), 1u);
  pc.Reset();
  pc.Arrow({0, 0}, {20, 0}, 14.142135623730951, 1, 0, 0);
  auto lines = Lines(pc);
  ASSERT_EQ(lines.size(), 4u);
  ExpectLine(lines[1], 20, 0, 10, 5); // tip on p2, opening back
  pc.Reset();
  pc.Arrow({0, 0}, {20, 0}, 14.142135623730951, 1, 0, kArrowTriangle);
  lines = Lines(pc);
  ASSERT_EQ(lines.size(), 5u);
  ExpectLine(lines[2], -5 + 20, 0, 20, -10); // turned a quarter back: apex above
}

TEST(Arrows, ForceArrowEndsAtThePointAndLabelsItsTail) {
  PaintContainer pc;
  pc.Reset();
  TextLog log;
  pc.SetTextObserver(&log);
  pc.ForceArrow(2, {1, 1}, 0.1, {-3, 4}, 0.05, 0.01, 0.5, 9, kArrowLabel);
  ExpectLine(Lines(pc).at(0), 1.3, 0.6, 1, 1);
  ASSERT_EQ(log.texts.size(), 1u);
  EXPECT_EQ(log.texts[0].text, "5");
  EXPECT_EQ(log.texts[0].alignment, kTextRight);
  EXPECT_NEAR(log.texts[0].anchor.x, 1.3, 1e-12);
  EXPECT_NEAR(log.texts[0].anchor.y, 0.6, 1e-12);
  EXPECT_NEAR(log.texts[0].offset, 0.2, 1e-12); // 0.2 * text size, scaled by a
  EXPECT_NEAR(log.texts[0].height, 1.0, 1e-12);

  log.texts.clear();
  pc.Reset();
  pc.ForceArrow(1, {0, 0}, 2, {-1.23456, 0}, 0.1, 0.01, 0.5, 9, kArrowLabel | kArrowFromPoint);
  ExpectLine(Lines(pc).at(0), 0, 0, -2.46912, 0);
  ASSERT_EQ(log.texts.size(), 1u);
  EXPECT_EQ(log.texts[0].text, "1.235");
  EXPECT_EQ(log.texts[0].alignment, kTextLeft);
  EXPECT_NEAR(log.texts[0].anchor.x, -2.46912, 1e-12);
}

TEST(Arrows, MomentArcSegmentsHeadAndLabel) {
  PaintContainer pc;
  pc.Reset();
  TextLog log;
  pc.SetTextObserver(&log);
  pc.MomentArc(1, {0, 0}, 1, 1, 0.3, 0.01, 0.1, 5, kArrowLabel);
  auto lines = Lines(pc);
  ASSERT_GE(lines.size(), 5u); // 2 arc segments, 3 head lines, then the label
  ExpectLine(lines[0], 0, -1, std::sin(0.15), -std::cos(0.15));
  ExpectLine(lines[1], std::sin(0.15), -std::cos(0.15), std::sin(0.3), -std::cos(0.3));
  ASSERT_EQ(log.texts.size(), 1u);
  EXPECT_EQ(log.texts[0].text, "0.3");
  EXPECT_EQ(log.texts[0].alignment, kTextLeft);
  EXPECT_EQ(log.texts[0].anchor.y, -1);

  // No turn: one segment of length 0 and a head turned by -pi.
  pc.Reset();
  pc.MomentArc(1, {0, 0}, 10, 1, 0.0, 0.01, 0.1, 5, 0);
  lines = Lines(pc);
  ASSERT_EQ(lines.size(), 4u);
  ExpectLine(lines[0], 0, -10, 0, -10);
  // Head 4 long (0.4 r): (-10, 5) of the shape turns to (10, -5), scaled by
  // 4 / 14.14, from the tip at (0, -10).
  const double f = 4 / 14.142135623730951;
  ExpectLine(lines[1], 0, -10, 10 * f, -10 - 5 * f);
}

TEST(Arrows, MomentArcSegmentCountIsBounded) {
  PaintContainer pc;
  pc.Reset();
  pc.MomentArc(1, {0, 0}, 1, 1e12, 1.0, 0.01, 0.1, 5, 0);
  EXPECT_EQ(Lines(pc).size(), 10000u + 3u);
  pc.Reset();
  pc.MomentArc(1, {0, 0}, 1, std::numeric_limits<double>::infinity(), 1.0, 0.01, 0.1, 5, 0);
  EXPECT_TRUE(Lines(pc).empty());
}
