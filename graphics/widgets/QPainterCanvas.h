#pragma once
// The canvas on a QPainter: a widget's paint event, a QImage written as PNG,
// a printer page or an SVG generator all take the same replay.  Make one
// canvas per replay: it starts with a black pen of width 1 and a white
// brush, without antialiasing, as the drawings expect.
#include "graphics/core/Canvas.h"
#include "platform/ColorDialog.h"

#include <QColor>
#include <QPoint>

class QPainter;

class QPainterCanvas : public TCanvas {
public:
  // The painter must be active and outlive the canvas.
  explicit QPainterCanvas(QPainter &painter);

  void SetPenColor(TColor colour) override;
  // Widths 0 and 1 a cosmetic one-pixel pen; wider pens have round caps and
  // joins.
  void SetPenWidth(int width) override;
  void SetBrushColor(TColor colour) override;
  void MoveTo(int x, int y) override;
  void LineTo(int x, int y) override;
  void Polygon(const TPoint *points, int n) override;
  // The painter's clip in its own coordinates, or the whole device when it
  // does not clip.
  TRect ClipRect() const override;

private:
  void ApplyPen();

  QPainter &painter;
  QColor penColour = Qt::black;
  int penWidth = 1;
  QPoint position;
};
