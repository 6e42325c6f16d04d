#include "graphics/widgets/QPainterCanvas.h"

#include <QFile>
#include <QFontMetrics>
#include <QPaintDevice>
#include <QPainter>
#include <QPen>
#include <QPolygon>
#include <QSvgRenderer>

#include <algorithm>

namespace {
QRect ToQRect(const TRect &r) {
  return QRect(r.left, r.top, r.right - r.left, r.bottom - r.top);
}
} // namespace

QPainterCanvas::QPainterCanvas(QPainter &painter) : painter(painter) {
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setBrush(QBrush(Qt::white, Qt::SolidPattern));
  ApplyPen();
  font = painter.font();
}

void QPainterCanvas::ApplyPen() {
  QPen pen(penColour);
  pen.setStyle(Qt::SolidLine);
  if (penWidth <= 1 && thinnestPen <= 1) {
    pen.setWidth(0);
    pen.setCosmetic(true);
  } else {
    pen.setWidth(std::max(penWidth, thinnestPen));
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

void QPainterCanvas::SetThinnestPen(int width) {
  thinnestPen = width;
  ApplyPen();
}

void QPainterCanvas::SetBrushColor(TColor colour) {
  if (colour < 0)
    return;
  brushColour = ToQColor(colour);
  painter.setBrush(QBrush(brushColour, Qt::SolidPattern));
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

void QPainterCanvas::Rectangle(const TRect &rect) {
  if (rect.right <= rect.left || rect.bottom <= rect.top)
    return;
  painter.setBrush(Qt::NoBrush);
  // A one-pixel pen outlines a QRect one pixel beyond its right and bottom
  // edges.
  painter.drawRect(
      QRect(rect.left, rect.top, rect.right - rect.left - 1, rect.bottom - rect.top - 1));
  painter.setBrush(QBrush(brushColour, Qt::SolidPattern));
}

void QPainterCanvas::SetFontName(const std::string &name) {
  font.setFamily(QString::fromStdString(name));
  painter.setFont(font);
}

void QPainterCanvas::SetFontSize(int points) {
  font.setPointSize(points < 1 ? 1 : points);
  painter.setFont(font);
}

void QPainterCanvas::SetFontColor(TColor colour) {
  if (colour >= 0)
    fontColour = ToQColor(colour);
}

void QPainterCanvas::TextOut(int x, int y, const std::string &text) {
  painter.setPen(fontColour);
  painter.drawText(QPoint(x, y + painter.fontMetrics().ascent()), QString::fromStdString(text));
  ApplyPen();
}

int QPainterCanvas::TextWidth(const std::string &text) const {
  return painter.fontMetrics().horizontalAdvance(QString::fromStdString(text));
}

int QPainterCanvas::TextHeight(const std::string &) const {
  return painter.fontMetrics().height();
}

void QPainterCanvas::SaveClip() {
  painter.save();
  ++saved;
}

void QPainterCanvas::IntersectClip(const TRect &rect) {
  painter.setClipRect(ToQRect(rect), painter.hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
}

void QPainterCanvas::RestoreClip() {
  if (saved == 0)
    return;
  --saved;
  painter.restore();
  painter.setBrush(QBrush(brushColour, Qt::SolidPattern));
  painter.setFont(font);
  ApplyPen();
}

void QPainterCanvas::StretchDraw(const TRect &rect, const std::string &picture) {
  const QString resource = ":/" + QString::fromStdString(picture) + ".svg";
  if (!QFile::exists(resource) || rect.right <= rect.left || rect.bottom <= rect.top)
    return;
  QSvgRenderer renderer(resource);
  renderer.setAspectRatioMode(Qt::IgnoreAspectRatio);
  painter.save();
  renderer.render(&painter, QRectF(ToQRect(rect)));
  painter.restore();
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
