#include "graphics/core/StrokeFont.h"

#include "graphics/core/PaintContainer.h"
#include "model/Codepage1252.h"

#include <algorithm>

namespace {
// The stroke lists, x, y in glyph units.
constexpr int kGlyph0Points[] = {125, -1000, 0,    -835, 0,    -165, 125,   0,   250,
                                 0,   375,   -165, 375,  -835, 250,  -1000, 125, -1000};
constexpr StrokeList kGlyph0 = {620, 9, kGlyph0Points};
constexpr int kGlyph1Points[] = {0, -835, 125, -1000, 125, 0, 0, 0, 250, 0};
constexpr StrokeList kGlyph1 = {500, 5, kGlyph1Points};
constexpr int kGlyph2Points[] = {0,   -835, 125, -1000, 375, -1000, 500, -835, 500, -665,
                                 375, -500, 125, -500,  0,   -335,  0,   0,    500, 0};
constexpr StrokeList kGlyph2 = {740, 10, kGlyph2Points};
constexpr int kGlyph3Points[] = {0,    -835, 125,  -1000, 375,  -1000, 500,  -835, 500,
                                 -665, 375,  -500, 250,   -500, 375,   -500, 500,  -335,
                                 500,  -165, 375,  0,     125,  0,     0,    -165};
constexpr StrokeList kGlyph3 = {740, 13, kGlyph3Points};
constexpr int kGlyph4Points[] = {500, -335, 0, -335, 375, -1000, 375, 0};
constexpr StrokeList kGlyph4 = {740, 4, kGlyph4Points};
constexpr int kGlyph5Points[] = {0,    -165, 125,  0, 375,  0, 500,   -165, 500,
                                 -500, 375,  -665, 0, -665, 0, -1000, 500,  -1000};
constexpr StrokeList kGlyph5 = {740, 9, kGlyph5Points};
constexpr int kGlyph6Points[] = {375, -1000, 250, -1000, 0,   -665, 0,   -165, 125, 0,
                                 375, 0,     500, -165,  500, -335, 375, -500, 0,   -500};
constexpr StrokeList kGlyph6 = {740, 10, kGlyph6Points};
constexpr int kGlyph7Points[] = {125, 0, 500, -1000, 0, -1000};
constexpr StrokeList kGlyph7 = {740, 3, kGlyph7Points};
constexpr int kGlyph8Points[] = {125, -1000, 0,   -835, 0,   -665, 125, -500,  0,   -335, 0,   -165,
                                 125, 0,     375, 0,    500, -165, 500, -335,  375, -500, 125, -500,
                                 375, -500,  500, -665, 500, -835, 375, -1000, 125, -1000};
constexpr StrokeList kGlyph8 = {740, 17, kGlyph8Points};
constexpr int kGlyph9Points[] = {125, 0,     250, 0,    500, -335, 500, -835, 375, -1000,
                                 125, -1000, 0,   -835, 0,   -665, 125, -500, 500, -500};
constexpr StrokeList kGlyph9 = {740, 10, kGlyph9Points};
constexpr int kAPoints[] = {0, 0, 0, -335, 250, -1000, 500, -335, 0, -335, 500, -335, 500, 0};
constexpr StrokeList kA = {750, 7, kAPoints};
constexpr int kUmlautDotLeftPoints[] = {120, -1000, 120, -1160};
constexpr StrokeList kUmlautDotLeft = {500, 2, kUmlautDotLeftPoints};
constexpr int kUmlautDotRightPoints[] = {380, -1000, 380, -1160};
constexpr StrokeList kUmlautDotRight = {500, 2, kUmlautDotRightPoints};
constexpr int kBPoints[] = {0,    0,     375,  0,     500,  -165,  500,  -335, 375,
                            -500, 125,   -500, 375,   -500, 500,   -665, 500,  -835,
                            375,  -1000, 0,    -1000, 125,  -1000, 125,  0};
constexpr StrokeList kB = {750, 13, kBPoints};
constexpr int kCPoints[] = {500, -165, 375, 0,     125, 0,     0,   -165,
                            0,   -835, 125, -1000, 375, -1000, 500, -835};
constexpr StrokeList kC = {750, 8, kCPoints};
constexpr int kDPoints[] = {0,   0,     375, 0,     500, -165,  500, -835,
                            375, -1000, 0,   -1000, 125, -1000, 125, 0};
constexpr StrokeList kD = {750, 8, kDPoints};
constexpr int kEPoints[] = {500, -1000, 0, -1000, 0, -500, 250, -500, 0, -500, 0, 0, 500, 0};
constexpr StrokeList kE = {750, 7, kEPoints};
constexpr int kFPoints[] = {0, 0, 0, -500, 250, -500, 0, -500, 0, -1000, 500, -1000};
constexpr StrokeList kF = {750, 6, kFPoints};
constexpr int kGPoints[] = {375, -500, 500, -500, 500, 0,     125, 0,
                            0,   -165, 0,   -835, 125, -1000, 500, -1000};
constexpr StrokeList kG = {750, 8, kGPoints};
constexpr int kHPoints[] = {0, 0, 0, -1000, 0, -500, 500, -500, 500, -1000, 500, 0};
constexpr StrokeList kH = {750, 6, kHPoints};
constexpr int kIPoints[] = {0, 0, 250, 0, 125, 0, 125, -1000, 250, -1000, 0, -1000};
constexpr StrokeList kI = {500, 6, kIPoints};
constexpr int kJPoints[] = {0, -165, 125, 0, 375, 0, 500, -165, 500, -1000};
constexpr StrokeList kJ = {750, 5, kJPoints};
constexpr int kKPoints[] = {0, 0, 0, -1000, 0, -500, 125, -500, 500, -1000, 125, -500, 500, 0};
constexpr StrokeList kK = {750, 7, kKPoints};
constexpr int kLPoints[] = {500, 0, 0, 0, 0, -1000};
constexpr StrokeList kL = {750, 3, kLPoints};
constexpr int kMPoints[] = {0, 0, 0, -1000, 250, -335, 500, -1000, 500, 0};
constexpr StrokeList kM = {750, 5, kMPoints};
constexpr int kNPoints[] = {0, 0, 0, -1000, 500, 0, 500, -1000};
constexpr StrokeList kN = {750, 4, kNPoints};
constexpr int kOPoints[] = {0, 0, 0, -1000, 500, -1000, 500, 0, 0, 0};
constexpr StrokeList kO = {750, 5, kOPoints};
constexpr int kPPoints[] = {0, 0, 0, -1000, 375, -1000, 500, -835, 500, -665, 375, -500, 0, -500};
constexpr StrokeList kP = {750, 7, kPPoints};
constexpr int kQPoints[] = {375,  -165, 250,   0,    125,   0,    0,    -165, 0,
                            -835, 125,  -1000, 375,  -1000, 500,  -835, 500,  -335,
                            375,  -165, 250,   -335, 375,   -165, 500,  0};
constexpr StrokeList kQ = {750, 13, kQPoints};
constexpr int kRPoints[] = {0,    0,   0,    -1000, 375,  -1000, 500,  -835, 500,
                            -665, 375, -500, 0,     -500, 125,   -500, 500,  0};
constexpr StrokeList kR = {750, 9, kRPoints};
constexpr int kSPoints[] = {0, -165, 125, 0,     375, 0,     500, -165,
                            0, -835, 125, -1000, 375, -1000, 500, -835};
constexpr StrokeList kS = {750, 8, kSPoints};
constexpr int kTPoints[] = {250, 0, 250, -1000, 0, -1000, 500, -1000};
constexpr StrokeList kT = {750, 4, kTPoints};
constexpr int kUPoints[] = {0, -1000, 0, -165, 125, 0, 375, 0, 500, -165, 500, -1000};
constexpr StrokeList kU = {750, 6, kUPoints};
constexpr int kVPoints[] = {0, -1000, 375, 0, 750, -1000};
constexpr StrokeList kV = {1000, 3, kVPoints};
constexpr int kWPoints[] = {0, -1000, 250, 0, 375, -500, 500, 0, 750, -1000};
constexpr StrokeList kW = {1000, 5, kWPoints};
constexpr int kXPoints[] = {0, -1000, 250, -500, 0, 0, 500, -1000, 250, -500, 500, 0};
constexpr StrokeList kX = {750, 6, kXPoints};
constexpr int kYPoints[] = {0, -1000, 250, -500, 250, 0, 250, -500, 500, -1000};
constexpr StrokeList kY = {750, 5, kYPoints};
constexpr int kZPoints[] = {0, -1000, 500, -1000, 0, 0, 500, 0};
constexpr StrokeList kZ = {750, 4, kZPoints};
constexpr StrokeList kBlank = {500, 0, nullptr};
constexpr int kPlusPoints[] = {0, -500, 500, -500, 250, -500, 250, -830, 250, -165};
constexpr StrokeList kPlus = {740, 5, kPlusPoints};
constexpr int kMinusPoints[] = {0, -500, 500, -500};
constexpr StrokeList kMinus = {740, 2, kMinusPoints};
constexpr int kDotPoints[] = {0, 0, 0, -165, 5, -165, 5, 0};
constexpr StrokeList kDot = {240, 4, kDotPoints};
constexpr int kCommaPoints[] = {0, 165, 125, 0, 125, -165, 130, -165, 130, 5, 5, 170};
constexpr StrokeList kComma = {370, 6, kCommaPoints};
constexpr int kOpenParenPoints[] = {250, 0, 0, -335, 0, -665, 250, -1000};
constexpr StrokeList kOpenParen = {500, 4, kOpenParenPoints};
constexpr int kCloseParenPoints[] = {0, 0, 250, -335, 250, -665, 0, -1000};
constexpr StrokeList kCloseParen = {500, 4, kCloseParenPoints};
constexpr int kAmpersandPoints[] = {500,  0, 0,    -670, 0,    -830, 125, -1000, 250, -830, 250,
                                    -670, 0, -330, 0,    -170, 125,  0,   250,   0,   500,  -330};
constexpr StrokeList kAmpersand = {750, 11, kAmpersandPoints};
constexpr int kEqualsUpperPoints[] = {0, -500, 500, -500};
constexpr StrokeList kEqualsUpper = {740, 2, kEqualsUpperPoints};
constexpr int kEqualsLowerPoints[] = {0, -300, 500, -300};
constexpr StrokeList kEqualsLower = {740, 2, kEqualsLowerPoints};

// The glyphs in lookup order; the blank is also the fallback.
constexpr Glyph kGlyphs[] = {
    {1, {&kGlyph0}, '0'},                                // 0
    {1, {&kGlyph1}, '1'},                                // 1
    {1, {&kGlyph2}, '2'},                                // 2
    {1, {&kGlyph3}, '3'},                                // 3
    {1, {&kGlyph4}, '4'},                                // 4
    {1, {&kGlyph5}, '5'},                                // 5
    {1, {&kGlyph6}, '6'},                                // 6
    {1, {&kGlyph7}, '7'},                                // 7
    {1, {&kGlyph8}, '8'},                                // 8
    {1, {&kGlyph9}, '9'},                                // 9
    {1, {&kA}, 'A'},                                     // A
    {3, {&kA, &kUmlautDotLeft, &kUmlautDotRight}, 0xC4}, // Ä
    {1, {&kB}, 'B'},                                     // B
    {1, {&kC}, 'C'},                                     // C
    {1, {&kD}, 'D'},                                     // D
    {1, {&kE}, 'E'},                                     // E
    {1, {&kF}, 'F'},                                     // F
    {1, {&kG}, 'G'},                                     // G
    {1, {&kH}, 'H'},                                     // H
    {1, {&kI}, 'I'},                                     // I
    {1, {&kJ}, 'J'},                                     // J
    {1, {&kK}, 'K'},                                     // K
    {1, {&kL}, 'L'},                                     // L
    {1, {&kM}, 'M'},                                     // M
    {1, {&kN}, 'N'},                                     // N
    {1, {&kO}, 'O'},                                     // O
    {3, {&kO, &kUmlautDotLeft, &kUmlautDotRight}, 0xD6}, // Ö
    {1, {&kP}, 'P'},                                     // P
    {1, {&kQ}, 'Q'},                                     // Q
    {1, {&kR}, 'R'},                                     // R
    {1, {&kS}, 'S'},                                     // S
    {1, {&kT}, 'T'},                                     // T
    {1, {&kU}, 'U'},                                     // U
    {3, {&kU, &kUmlautDotLeft, &kUmlautDotRight}, 0xDC}, // Ü
    {1, {&kV}, 'V'},                                     // V
    {1, {&kW}, 'W'},                                     // W
    {1, {&kX}, 'X'},                                     // X
    {1, {&kY}, 'Y'},                                     // Y
    {1, {&kZ}, 'Z'},                                     // Z
    {1, {&kPlus}, '+'},                                  // +
    {1, {&kMinus}, '-'},                                 // -
    {1, {&kDot}, '.'},                                   // .
    {1, {&kComma}, ','},                                 // ,
    {1, {&kOpenParen}, '('},                             // (
    {1, {&kCloseParen}, ')'},                            // )
    {1, {&kAmpersand}, '&'},                             // &
    {1, {&kBlank}, ' '},                                 // blank
    {2, {&kEqualsUpper, &kEqualsLower}, '='},            // =
};
constexpr const Glyph &kBlankGlyph = kGlyphs[46];
static_assert(sizeof kGlyphs / sizeof kGlyphs[0] == 48);

// Upper case as a German locale has it in code page 1252: a to z and the
// umlauts ä, ö, ü (the other accented letters have no glyph either way).
unsigned char UpperCase(unsigned char c) {
  if ((c >= 'a' && c <= 'z') || c == 0xE4 || c == 0xF6 || c == 0xFC)
    return static_cast<unsigned char>(c - 0x20);
  return c;
}
} // namespace

const Glyph &FindGlyph(unsigned char character) {
  const unsigned char c = UpperCase(character);
  for (const Glyph &glyph : kGlyphs)
    if (glyph.character == c)
      return glyph;
  return kBlankGlyph;
}

int GlyphWidth(const Glyph &glyph) {
  int width = 0;
  for (int i = 0; i < glyph.listCount; ++i)
    width = std::max(width, glyph.lists[i]->advance);
  return width;
}

int TextWidth(std::string_view text) {
  int width = 0;
  for (const char c : Utf8ToCp1252(text))
    width += GlyphWidth(FindGlyph(static_cast<unsigned char>(c)));
  return width;
}

float DrawGlyph(const Glyph &glyph, PaintContainer &pc, Point2D origin, float angle, float unit) {
  for (int i = 0; i < glyph.listCount; ++i) {
    const StrokeList &list = *glyph.lists[i];
    for (int k = 0; k < list.count; ++k) {
      Point2D q = {list.points[2 * k] * unit, list.points[2 * k + 1] * unit};
      VecRotate(q, angle);
      q = VecAdd(origin, q);
      if (k == 0)
        pc.PolyStart(q, 0);
      else
        pc.PolyTo(q, 0);
    }
  }
  return unit * GlyphWidth(glyph);
}
