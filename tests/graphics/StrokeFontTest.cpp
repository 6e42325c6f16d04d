#include "graphics/core/StrokeFont.h"
#include "graphics/core/PaintContainer.h"
#include "tests/support/PaintRecords.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {
constexpr double kPi = 3.141592653589793;

// Lines as x1, y1, x2, y2 rows.
std::vector<std::vector<double>> Lines(const PaintContainer &pc) {
  std::vector<std::vector<double>> lines;
  for (const PaintRecordView &r : RecordsOfType(pc, kLineRecord))
    lines.push_back(r.reals);
  return lines;
}

// Keeps what Text tells.
struct TextLog : TextObserver {
  std::vector<TextPlacement> texts;
  void TextDrawn(const TextPlacement &placement) override { texts.push_back(placement); }
};

// Where the baseline of a text that starts with '1' begins: its first
// stroke starts 835 glyph units above the baseline, turned with the text.
Point2D StartOfOne(const PaintContainer &pc, double unit, double angle) {
  const std::vector<double> first = Lines(pc).at(0);
  return {first[0] - 835 * unit * std::sin(angle), first[1] + 835 * unit * std::cos(angle)};
}
} // namespace

TEST(StrokeFont, GlyphsDrawTheirStrokeListsThroughSlotZero) {
  PaintContainer pc;
  pc.Reset();
  const float advance = DrawGlyph(FindGlyph('1'), pc, {10, 20}, 0.0f, 0.5f);
  EXPECT_FLOAT_EQ(advance, 250.0f);
  EXPECT_EQ(Lines(pc), (std::vector<std::vector<double>>{{10, -397.5, 72.5, -480},
                                                         {72.5, -480, 72.5, 20},
                                                         {72.5, 20, 10, 20},
                                                         {10, 20, 135, 20}}));
  pc.Reset();
  const Glyph &aUmlaut = FindGlyph(0xC4);
  EXPECT_EQ(GlyphWidth(aUmlaut), 750);
  DrawGlyph(aUmlaut, pc, {0, 0}, 0.0f, 1.0f);
  const auto lines = Lines(pc);
  ASSERT_EQ(lines.size(), 8u); // six of the A, one per dot
  EXPECT_EQ(lines[0], (std::vector<double>{0, 0, 0, -335}));
  EXPECT_EQ(lines[6], (std::vector<double>{120, -1000, 120, -1160}));
  EXPECT_EQ(lines[7], (std::vector<double>{380, -1000, 380, -1160}));

  pc.Reset();
  const Glyph &blank = FindGlyph(' ');
  EXPECT_EQ(GlyphWidth(blank), 500);
  EXPECT_FLOAT_EQ(DrawGlyph(blank, pc, {0, 0}, 1.0f, 2.0f), 1000.0f);
  EXPECT_EQ(pc.RecordCount(), 0);
}

TEST(StrokeFont, LookupUpperCasesIncludingUmlautsAndFallsBackToTheBlank) {
  EXPECT_EQ(&FindGlyph('e'), &FindGlyph('E'));
  EXPECT_EQ(&FindGlyph(0xE4), &FindGlyph(0xC4)); // ä draws as Ä
  EXPECT_EQ(&FindGlyph(0xF6), &FindGlyph(0xD6));
  EXPECT_EQ(&FindGlyph(0xFC), &FindGlyph(0xDC));
  EXPECT_NE(&FindGlyph(0xC4), &FindGlyph('A'));
  for (int c : {0x25, 0x2F, 0x3A, 0xDF, 0x00}) // % / : ß NUL
    EXPECT_EQ(&FindGlyph(static_cast<unsigned char>(c)), &FindGlyph(' '));
  EXPECT_EQ(TextWidth("1.5"), 1480);
  EXPECT_EQ(TextWidth("1.5e-05"), TextWidth("1.5E-05"));
  EXPECT_EQ(TextWidth("ä"), 750); // one character, not two UTF-8 bytes
  EXPECT_EQ(TextWidth("ß"), 500);
  EXPECT_EQ(TextWidth(""), 0);
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
  EXPECT_NEAR(Lines(pc).at(4)[1] - Lines(pc).at(0)[1], w, 1e-6); // the second '1'
}

TEST(TextPlacement, StrokesAreATenthOfTheHeightAndTheCallersPenReturns) {
  PaintContainer pc;
  pc.Reset();
  pc.SetPen(7, 0.5);
  pc.Text(10, 0, 0, 0.0, 0.004, 0.02, 255, "", 0); // empty: only the pen
  auto r = DecodeRecords(pc);
  ASSERT_EQ(r.size(), 6u);
  EXPECT_EQ(r[2].value, 255);
  EXPECT_NEAR(r[3].reals[0], 0.02, 1e-15);
  EXPECT_EQ(r[4].value, 7);
  EXPECT_EQ(r[5].reals[0], 0.5);
  EXPECT_EQ(pc.PenColour(), 7);

  // The first drawing after Reset: there is no caller's pen to restore, and
  // no -1 may reach the stream.
  pc.Reset();
  pc.Text(1, 0, 0, 0.0, 0.0, 1.0, 255, "1", 0);
  for (const PaintRecordView &rec : DecodeRecords(pc)) {
    if (rec.type == kPenColourRecord) {
      EXPECT_EQ(rec.value, 255);
    } else if (rec.type == kPenWidthRecord) {
      EXPECT_EQ(rec.reals[0], 0.1);
    }
  }
  EXPECT_EQ(pc.PenColour(), 255);
}

TEST(TextPlacement, TheObserverHearsEveryTextAndWritesNothing) {
  PaintContainer plain, observed;
  plain.Reset();
  observed.Reset();
  TextLog log;
  observed.SetTextObserver(&log);
  for (PaintContainer *pc : {&plain, &observed}) {
    pc->Text(10, 1, 2, 0.5, 0.004, 0.02, 99, "Stab 1", kTextAbove | kTextCentred);
    pc->Text(1, 0, 0, 0.0, 0.0, 1.0, 99, "Öl", 0);
  }
  ASSERT_EQ(observed.Count(), plain.Count());
  EXPECT_TRUE(std::equal(plain.Bytes(), plain.Bytes() + plain.Count(), observed.Bytes()));
  ASSERT_EQ(log.texts.size(), 2u);
  const TextPlacement &t = log.texts[0];
  EXPECT_EQ(t.text, "Stab 1");
  EXPECT_EQ(t.anchor.x, 1);
  EXPECT_EQ(t.anchor.y, 2);
  EXPECT_EQ(t.angle, 0.5);
  EXPECT_NEAR(t.offset, 0.04, 1e-15);
  EXPECT_NEAR(t.height, 0.2, 1e-15);
  EXPECT_EQ(t.alignment, kTextAbove | kTextCentred);
  EXPECT_EQ(t.colour, 99);
  EXPECT_EQ(log.texts[1].text, "Öl");
}
