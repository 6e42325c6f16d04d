#include "graphics/widgets/BatchedPainterCanvas.h"

#include <QPainter>

void BatchedPainterCanvas::SetPenColor(TColor colour) {
  Flush();
  QPainterCanvas::SetPenColor(colour);
}

void BatchedPainterCanvas::SetPenWidth(int width) {
  Flush();
  QPainterCanvas::SetPenWidth(width);
  if (width >= 0)
    thinPen = width <= 1;
}

void BatchedPainterCanvas::SetBrushColor(TColor colour) {
  Flush();
  QPainterCanvas::SetBrushColor(colour);
}

// A thin line from a pixel to itself shows nothing, as on the screens the
// drawings were made for; it is left out.  A wide pen still draws its dot.
void BatchedPainterCanvas::LineTo(int x, int y) {
  const QPoint end(x, y);
  if (end != position || !thinPen)
    lines.emplace_back(position, end);
  position = end;
}

// Later records are painted over earlier ones: the lines go first.
void BatchedPainterCanvas::Polygon(const TPoint *points, int n) {
  Flush();
  QPainterCanvas::Polygon(points, n);
}

void BatchedPainterCanvas::Rectangle(const TRect &rect) {
  Flush();
  QPainterCanvas::Rectangle(rect);
}

void BatchedPainterCanvas::TextOut(int x, int y, const std::string &text) {
  Flush();
  QPainterCanvas::TextOut(x, y, text);
}

void BatchedPainterCanvas::SaveClip() {
  Flush();
  QPainterCanvas::SaveClip();
}

void BatchedPainterCanvas::IntersectClip(const TRect &rect) {
  Flush();
  QPainterCanvas::IntersectClip(rect);
}

void BatchedPainterCanvas::RestoreClip() {
  Flush();
  QPainterCanvas::RestoreClip();
}

void BatchedPainterCanvas::StretchDraw(const TRect &rect, const std::string &picture) {
  Flush();
  QPainterCanvas::StretchDraw(rect, picture);
}

void BatchedPainterCanvas::Flush() {
  if (lines.empty())
    return;
  painter.drawLines(lines.data(), static_cast<int>(lines.size()));
  lines.clear();
}
