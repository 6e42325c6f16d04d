// Text placement with the stroke font.
#include "graphics/core/PaintContainer.h"
#include "graphics/core/StrokeFont.h"
#include "model/Codepage1252.h"

namespace {
// Where the baseline starts relative to the anchor, before turning, for a
// text of width w, height h and offset o.
Point2D AlignmentShift(int alignment, double w, double h, double o) {
  Point2D d;
  if (alignment & kTextLeft)
    d.x -= w + o;
  if (alignment & kTextRight)
    d.x += o;
  if (alignment & kTextCentred)
    d.x -= 0.5 * w;
  if (alignment & kTextAbove)
    d.y -= o;
  else if (alignment & kTextBelow)
    d.y += h + o;
  else
    d.y += 0.5 * h;
  return d;
}
} // namespace

void PaintContainer::Text(double a, double x, double y, double angle, double e, double f,
                          TColor colour, std::string_view text, int alignment) {
  const double offset = a * e;
  const double height = a * f;
  const double unit = 0.001 * height;
  const std::string bytes = Utf8ToCp1252(text);
  Point2D shift = AlignmentShift(alignment, TextWidth(text) * unit, height, offset);
  VecRotate(shift, angle);
  const Point2D start = VecAdd({x, y}, shift);

  // After Reset the cache holds no pen; the text's own then stays.
  const TColor callerColour = penColour >= 0 ? penColour : colour;
  const double callerWidth = penWidth >= 0.0 ? penWidth : 0.1 * height;
  SetPen(colour, 0.1 * height);
  double cursor = 0.0;
  for (const char c : bytes) {
    Point2D step = {cursor, 0.0};
    VecRotate(step, angle);
    cursor += DrawGlyph(FindGlyph(static_cast<unsigned char>(c)), *this, VecAdd(start, step),
                        static_cast<float>(angle), static_cast<float>(unit));
  }
  SetPen(callerColour, callerWidth);
  if (textObserver != nullptr)
    textObserver->TextDrawn({std::string(text), {x, y}, angle, offset, height, alignment, colour});
}
