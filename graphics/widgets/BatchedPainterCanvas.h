#pragma once
// A QPainter canvas that gathers the lines drawn with one pen and hands
// them to the painter in one call when the pen, the brush or a polygon
// comes, or at Flush.  The picture is the one QPainterCanvas draws; a large
// display list replays several times faster.
#include "graphics/widgets/QPainterCanvas.h"

#include <QLine>
#include <vector>

class BatchedPainterCanvas : public QPainterCanvas {
public:
  explicit BatchedPainterCanvas(QPainter &painter) : QPainterCanvas(painter), painter(painter) {}
  // Draws what is gathered.
  ~BatchedPainterCanvas() override { Flush(); }

  void SetPenColor(TColor colour) override;
  void SetPenWidth(int width) override;
  void SetBrushColor(TColor colour) override;
  void MoveTo(int x, int y) override { position = QPoint(x, y); }
  void LineTo(int x, int y) override;
  void Polygon(const TPoint *points, int n) override;
  // Rectangles, texts, clips and pictures also come after the lines before
  // them.
  void Rectangle(const TRect &rect) override;
  void TextOut(int x, int y, const std::string &text) override;
  void SaveClip() override;
  void IntersectClip(const TRect &rect) override;
  void RestoreClip() override;
  void StretchDraw(const TRect &rect, const std::string &picture) override;
  // Draws the gathered lines with the pen in force.
  void Flush();

private:
  QPainter &painter;
  QPoint position;
  bool thinPen = true; // the canvas starts with a pen of width 1
  std::vector<QLine> lines;
};
