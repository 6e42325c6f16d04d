#pragma once
// The canvas on a QPainter: a widget's paint event, a QImage written as PNG,
// a printer page or an SVG generator all take the same replay.  Make one
// canvas per replay: it starts with a black pen of width 1 and a white
// brush, without antialiasing, as the drawings expect, and the painter's
// font.
#include "graphics/core/Canvas.h"
#include "platform/ColorDialog.h"

#include <QColor>
#include <QFont>
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
  // Pens narrower than width are drawn width wide, round, instead: on a
  // device whose pixel is too fine for a one-pixel line to be seen, or
  // that is read by programs that ignore a cosmetic pen's width.  0, the
  // start, keeps the cosmetic pen.
  void SetThinnestPen(int width);
  void SetBrushColor(TColor colour) override;
  void MoveTo(int x, int y) override;
  void LineTo(int x, int y) override;
  void Polygon(const TPoint *points, int n) override;
  void Rectangle(const TRect &rect) override;

  void SetFontName(const std::string &name) override;
  void SetFontSize(int points) override;
  void SetFontColor(TColor colour) override;
  // The text's ascent below y is its baseline.
  void TextOut(int x, int y, const std::string &text) override;
  // Measured with the painter's font metrics, so on a printer at the
  // printer's resolution.
  int TextWidth(const std::string &text) const override;
  int TextHeight(const std::string &text) const override;

  // The painter's clip in its own coordinates, or the whole device when it
  // does not clip.
  TRect ClipRect() const override;
  // QPainter::save, setClipRect (intersecting any clip in force) and
  // restore; after the restore the canvas's pen, brush and font are put back
  // as they were last set.
  void SaveClip() override;
  void IntersectClip(const TRect &rect) override;
  void RestoreClip() override;

  // The picture is the vector resource ":/<name>.svg".
  void StretchDraw(const TRect &rect, const std::string &picture) override;

private:
  void ApplyPen();

  QPainter &painter;
  QColor penColour = Qt::black;
  int penWidth = 1;
  int thinnestPen = 0;
  QColor brushColour = Qt::white;
  QColor fontColour = Qt::black;
  QFont font;
  QPoint position;
  int saved = 0;
};
