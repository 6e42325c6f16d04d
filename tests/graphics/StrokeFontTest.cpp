#include "graphics/core/StrokeFont.h"
#include "graphics/core/PaintContainer.h"
#include "tests/support/PaintRecords.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <numbers>

namespace {
constexpr double kPi = std::numbers::pi;
using Rows = std::vector<std::vector<double>>;

// Where the baseline of a text that starts with '1' begins: its first
// stroke starts 835 glyph units above the baseline, turned with the text.
Point2D StartOfOne(const PaintContainer &pc, double unit, double angle) {
  const std::vector<double> first = LineRecords(pc).at(0);
  return {first[0] - 835 * unit * std::sin(angle), first[1] + 835 * unit * std::cos(angle)};
}

bool SameStream(const PaintContainer &a, const PaintContainer &b) {
  return a.Count() == b.Count() && std::equal(a.Bytes(), a.Bytes() + a.Count(), b.Bytes());
}
} // namespace

TEST(StrokeFont, GlyphsDrawTheirStrokeListsThroughSlotZero) {
  PaintContainer pc;
  pc.Reset();
  EXPECT_FLOAT_EQ(DrawGlyph(FindGlyph('1'), pc, {10, 20}, 0.0f, 0.5f), 250.0f);
  EXPECT_EQ(LineRecords(pc), (Rows{{10, -397.5, 72.5, -480},
                                   {72.5, -480, 72.5, 20},
                                   {72.5, 20, 10, 20},
                                   {10, 20, 135, 20}}));
  pc.Reset();
  const Glyph &aUmlaut = FindGlyph(0xC4);
  EXPECT_EQ(GlyphWidth(aUmlaut), 750);
  DrawGlyph(aUmlaut, pc, {0, 0}, 0.0f, 1.0f);
  const Rows lines = LineRecords(pc);
  ASSERT_EQ(lines.size(), 8u); // six of the A, one per dot
  EXPECT_EQ(lines[0], (std::vector<double>{0, 0, 0, -335}));
  EXPECT_EQ(Rows(lines.begin() + 6, lines.end()),
            (Rows{{120, -1000, 120, -1160}, {380, -1000, 380, -1160}}));
  pc.Reset();
  EXPECT_FLOAT_EQ(DrawGlyph(FindGlyph(' '), pc, {0, 0}, 1.0f, 2.0f), 1000.0f);
  EXPECT_EQ(pc.RecordCount(), 0);
}

TEST(StrokeFont, LookupUpperCasesIncludingUmlautsAndFallsBackToTheBlank) {
  EXPECT_EQ(&FindGlyph('e'), &FindGlyph('E'));
  EXPECT_EQ(&FindGlyph(0xF6), &FindGlyph(0xD6)); // ö draws as Ö
  EXPECT_EQ(&FindGlyph(0xFC), &FindGlyph(0xDC));
  EXPECT_NE(&FindGlyph(0xC4), &FindGlyph('A'));
  for (int c : {0x25, 0x2F, 0x3A, 0xDF, 0x00}) // % / : ß NUL
    EXPECT_EQ(&FindGlyph(static_cast<unsigned char>(c)), &FindGlyph(' '));
  EXPECT_EQ(TextWidth("1.5"), 1480);
  EXPECT_EQ(TextWidth("1.5e-05"), TextWidth("1.5E-05"));
  EXPECT_EQ(TextWidth("ä"), 750); // one character, not two UTF-8 bytes

  PaintContainer upper, lower; // a label keeps its umlaut
  upper.Reset();
  lower.Reset();
  upper.Text(1, 0, 0, 0.0, 0.1, 1, 0, "Ä", 0);
  lower.Text(1, 0, 0, 0.0, 0.1, 1, 0, "ä", 0);
  EXPECT_EQ(LineRecords(lower).size(), 8u);
  EXPECT_TRUE(SameStream(upper, lower));
}

TEST(TextPlacement, AlignmentFlagsPlaceTheBaselineStart) {
  // a = 10, e = 0.004, f = 0.02: height 0.2, offset 0.04; "1" is 0.1 wide.
  const double h = 0.2, o = 0.04, w = 0.1, unit = 0.0002;
  const struct {
    int flags;
    double dx, dy;
  } cases[] = {{0, 0, 0.5 * h},
               {kTextLeft, -(w + o), 0.5 * h},
               {kTextRight, o, 0.5 * h},
               {kTextLeft | kTextRight, -w, 0.5 * h},
               {kTextCentred, -0.5 * w, 0.5 * h},
               {kTextAbove, 0, -o},
               {kTextBelow, 0, h + o},
               {kTextAbove | kTextBelow, 0, -o}};
  for (const auto &c : cases) {
    PaintContainer pc;
    pc.Reset();
    pc.Text(10, 3, 4, 0.0, 0.004, 0.02, 255, "1", c.flags);
    const Point2D start = StartOfOne(pc, unit, 0.0);
    // The glyph unit is a 32-bit float: 0.0002 to about 7 digits.
    EXPECT_NEAR(start.x, 3 + c.dx, 1e-7) << "flags " << c.flags;
    EXPECT_NEAR(start.y, 4 + c.dy, 1e-7) << "flags " << c.flags;
  }
  // Turned a quarter: the shift (o, h/2) turns to (-h/2, o), and the text
  // runs downwards on the screen.
  PaintContainer pc;
  pc.Reset();
  pc.Text(10, 3, 4, kPi / 2, 0.004, 0.02, 255, "11", kTextRight);
  const Point2D start = StartOfOne(pc, unit, kPi / 2);
  EXPECT_NEAR(start.x, 3 - 0.5 * h, 1e-6);
  EXPECT_NEAR(start.y, 4 + o, 1e-6);
  EXPECT_NEAR(LineRecords(pc).at(4)[1] - LineRecords(pc).at(0)[1], w, 1e-6); // the second '1'
}

TEST(TextPlacement, StrokesAreATenthOfTheHeightAndTheCallersPenReturns) {
  PaintContainer pc;
  pc.Reset();
  pc.SetPen(7, 0.5);
  pc.Text(1, 0, 0, 0.0, 0.0, 2.0, 255, "", 0); // empty: only the pen
  EXPECT_EQ(RecordTexts(pc),
            (std::vector<std::string>{"pen 7", "width 0.5", "pen 255", "width 0.20000000000000001",
                                      "pen 7", "width 0.5"}));
  // The first drawing after Reset: there is no caller's pen to restore, and
  // no -1 may reach the stream.
  pc.Reset();
  pc.Text(1, 0, 0, 0.0, 0.0, 1.0, 255, "-", 0); // centred: the bar on the anchor
  EXPECT_EQ(RecordTexts(pc),
            (std::vector<std::string>{"pen 255", "width 0.10000000000000001", "line 0 0 0.5 0"}));
}

TEST(TextPlacement, TheObserverHearsEveryTextAndWritesNothing) {
  PaintContainer plain, observed;
  plain.Reset();
  observed.Reset();
  TextLog log;
  observed.SetTextObserver(&log);
  for (PaintContainer *pc : {&plain, &observed})
    pc->Text(10, 1, 2, 0.5, 0.004, 0.02, 99, "Stab 1", kTextAbove | kTextCentred);
  EXPECT_TRUE(SameStream(plain, observed));
  ASSERT_EQ(log.texts.size(), 1u);
  const TextPlacement &t = log.texts[0];
  EXPECT_EQ(t.text, "Stab 1");
  EXPECT_EQ((std::vector<double>{t.anchor.x, t.anchor.y, t.angle}),
            (std::vector<double>{1, 2, 0.5}));
  EXPECT_NEAR(t.offset, 0.04, 1e-15);
  EXPECT_NEAR(t.height, 0.2, 1e-15);
  EXPECT_EQ(t.alignment, kTextAbove | kTextCentred);
  EXPECT_EQ(t.colour, 99);
}
