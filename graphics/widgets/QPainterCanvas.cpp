#include "graphics/widgets/QPainterCanvas.h"

#include <QPaintDevice>
#include <QPainter>
#include <QPen>
#include <QPolygon>

QPainterCanvas::QPainterCanvas(QPainter &painter) : painter(painter) {
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setBrush(QBrush(Qt::white, Qt::SolidPattern));
  ApplyPen();
}

void QPainterCanvas::ApplyPen() {
  QPen pen(penColour);
  pen.setStyle(Qt::SolidLine);
  if (penWidth <= 1) {
    pen.setWidth(0);
    pen.setCosmetic(true);
  } else {
    pen.setWidth(penWidth);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
  }
  painter.setPen(pen);
}

void QPainterCanvas::SetPenColor(TColor colour) {
  if (colour < 0)
    return;
  penColour = ToQColor(colour);
  ApplyPen();
}

void QPainterCanvas::SetPenWidth(int width) {
  if (width < 0)
    return;
  penWidth = width;
  ApplyPen();
}

void QPainterCanvas::SetBrushColor(TColor colour) {
  if (colour >= 0)
    painter.setBrush(QBrush(ToQColor(colour), Qt::SolidPattern));
}

void QPainterCanvas::MoveTo(int x, int y) {
  position = QPoint(x, y);
}

void QPainterCanvas::LineTo(int x, int y) {
  const QPoint end(x, y);
  painter.drawLine(position, end);
  position = end;
}

void QPainterCanvas::Polygon(const TPoint *points, int n) {
  if (n < 1)
    return;
  QPolygon polygon(n);
  for (int i = 0; i < n; ++i)
    polygon.setPoint(i, points[i].x, points[i].y);
  painter.drawPolygon(polygon, Qt::OddEvenFill);
}

TRect QPainterCanvas::ClipRect() const {
  QRectF area;
  if (painter.hasClipping()) {
    area = painter.clipBoundingRect();
  } else {
    const QPaintDevice *device = painter.device();
    if (device == nullptr)
      return {};
    const QRectF whole(0, 0, device->width(), device->height());
    area = painter.transform().inverted().mapRect(whole);
  }
  const QRect pixels = area.toAlignedRect();
  return {pixels.left(), pixels.top(), pixels.right() + 1, pixels.bottom() + 1};
}
