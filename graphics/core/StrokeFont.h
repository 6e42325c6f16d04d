#pragma once
// The stroke font every text of the drawings is written in: 48 glyphs drawn
// as lines into the display list, so texts scale, rotate and print like the
// rest of the drawing.  Glyph units: 1000 are the text height; x runs right
// from the glyph origin, y down with the baseline at 0, so a capital's top
// lies at -1000 and umlaut dots reach -1160.  The table is constant data:
// it needs no building and no order of static initialisation.
#include "model/Geometry2D.h"

#include <string_view>

class PaintContainer;

// A polyline with an advance width: points joined in order; no points, no
// lines.  points holds x, y pairs.
struct StrokeList {
  int advance;
  int count;
  const int *points;
};

// One to four stroke lists, shared between glyphs (Ä uses the list of A and
// two dot lists), and the glyph's character as a code page 1252 byte.
struct Glyph {
  int listCount;
  const StrokeList *lists[4];
  unsigned char character;
};

// The glyph of a code page 1252 byte: a to z and ä, ö, ü count as their
// capitals; a byte without a glyph gets the blank, 500 units wide.
const Glyph &FindGlyph(unsigned char character);
// The largest advance of the glyph's stroke lists (0 for none).
int GlyphWidth(const Glyph &glyph);
// The sum of the glyph widths of a UTF-8 text, in glyph units.
int TextWidth(std::string_view text);
// Draws the glyph through polyline slot 0, each point scaled by unit (world
// units per glyph unit), turned by angle and moved to origin.  Returns the
// advance in world units, unit * GlyphWidth.
float DrawGlyph(const Glyph &glyph, PaintContainer &pc, Point2D origin, float angle, float unit);
