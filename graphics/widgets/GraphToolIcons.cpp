#include "graphics/widgets/GraphToolIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

const QColor kInk(40, 40, 40);
const QColor kBlue(0, 0, 200);
const QColor kRed(200, 0, 0);
const QColor kGreen(0, 128, 0);
const QColor kGrey(128, 128, 128);

void Label(QPainter &p, const QRect &box, const char *text, const QColor &colour, int points) {
  QFont font("DejaVu Sans");
  font.setPixelSize(points);
  font.setBold(true);
  p.setFont(font);
  p.setPen(colour);
  p.drawText(box, Qt::AlignCenter, QString::fromUtf8(text));
}

void Arrow(QPainter &p, QPointF from, QPointF to) {
  p.drawLine(from, to);
  const QPointF d = (to - from) / std::hypot(to.x() - from.x(), to.y() - from.y());
  const QPointF n(-d.y(), d.x());
  p.drawLine(to, to - 4 * d + 3 * n);
  p.drawLine(to, to - 4 * d - 3 * n);
}

void Printer(QPainter &p) {
  p.setPen(QPen(kInk, 1.2));
  p.drawRect(QRectF(5.5, 2.5, 9, 6));
  p.setBrush(QColor(200, 200, 200));
  p.drawRect(QRectF(2.5, 8.5, 15, 7));
  p.setBrush(Qt::white);
  p.drawRect(QRectF(5.5, 13.5, 9, 4));
}

void Clipboard(QPainter &p) {
  p.setPen(QPen(kInk, 1.2));
  p.setBrush(QColor(220, 190, 140));
  p.drawRect(QRectF(3.5, 3.5, 13, 15));
  p.setBrush(Qt::white);
  p.drawRect(QRectF(6.5, 6.5, 7, 9));
  p.setBrush(kGrey);
  p.drawRect(QRectF(7.5, 1.5, 5, 3));
}

void ZoomWindow(QPainter &p) {
  p.setPen(QPen(kInk, 1, Qt::DashLine));
  p.drawRect(QRectF(1.5, 1.5, 11, 9));
  p.setPen(QPen(kInk, 1.5));
  p.drawEllipse(QPointF(11, 11), 4, 4);
  p.drawLine(QPointF(14, 14), QPointF(18.5, 18.5));
}

void ShowAll(QPainter &p) {
  p.setPen(QPen(kInk, 1.5));
  const int c[4][2] = {{2, 2}, {18, 2}, {18, 18}, {2, 18}};
  for (const auto &corner : c) {
    const int sx = corner[0] < 10 ? 1 : -1, sy = corner[1] < 10 ? 1 : -1;
    p.drawLine(QPointF(corner[0], corner[1]), QPointF(corner[0] + 5 * sx, corner[1]));
    p.drawLine(QPointF(corner[0], corner[1]), QPointF(corner[0], corner[1] + 5 * sy));
  }
  p.setPen(QPen(kGrey, 1.5));
  p.drawLine(QPointF(6, 14), QPointF(6, 7));
  p.drawLine(QPointF(6, 7), QPointF(14, 7));
  p.drawLine(QPointF(14, 7), QPointF(14, 14));
}

void Pan(QPainter &p) {
  p.setPen(QPen(kInk, 1.4));
  Arrow(p, {10, 10}, {10, 1.5});
  Arrow(p, {10, 10}, {10, 18.5});
  Arrow(p, {10, 10}, {1.5, 10});
  Arrow(p, {10, 10}, {18.5, 10});
}

void NodeNumbers(QPainter &p) {
  p.setPen(QPen(kGreen, 1.5));
  p.drawRect(QRectF(2.5, 12.5, 5, 5));
  Label(p, QRect(7, 0, 13, 12), "1", kGreen, 11);
}

void BeamNumbers(QPainter &p) {
  p.setPen(QPen(kGrey, 2));
  p.drawLine(QPointF(1, 15), QPointF(19, 15));
  Label(p, QRect(0, 1, 20, 12), "S1", kInk, 10);
}

void HingeNumbers(QPainter &p) {
  p.setPen(QPen(kGrey, 2));
  p.drawLine(QPointF(1, 14), QPointF(19, 14));
  p.setPen(QPen(kInk, 1.2));
  p.setBrush(Qt::white);
  p.drawEllipse(QPointF(7, 14), 3, 3);
  Label(p, QRect(9, 0, 11, 11), "1", kInk, 10);
}

void MaterialNumbers(QPainter &p) {
  p.setPen(QPen(kGrey, 2));
  p.drawLine(QPointF(1, 16), QPointF(19, 16));
  Label(p, QRect(0, 1, 20, 12), "M1", kInk, 10);
}

void Values(QPainter &p) {
  p.setPen(QPen(kBlue, 1));
  for (int x = 3; x <= 17; x += 2)
    p.drawLine(QPointF(x, 18), QPointF(x, 18 - 0.05 * (x - 1) * (21 - x)));
  Label(p, QRect(0, 0, 20, 9), "1.5", kInk, 8);
}

void Extrema(QPainter &p) {
  QPainterPath curve;
  curve.moveTo(2, 17);
  curve.quadTo(10, -3, 18, 17);
  p.setPen(QPen(kBlue, 1.5));
  p.drawPath(curve);
  p.setPen(QPen(kRed, 1.2));
  p.drawLine(QPointF(10, 7), QPointF(10, 17));
  p.drawLine(QPointF(6, 7), QPointF(14, 7));
}

void Loads(QPainter &p) {
  p.setPen(QPen(kGrey, 2));
  p.drawLine(QPointF(1, 17), QPointF(19, 17));
  p.setPen(QPen(kBlue, 1.2));
  p.drawLine(QPointF(2, 4), QPointF(18, 4));
  for (double x : {4.0, 10.0, 16.0})
    Arrow(p, {x, 4}, {x, 15});
}

void Supports(QPainter &p) {
  p.setPen(QPen(kInk, 1.3));
  QPolygonF pin;
  pin << QPointF(10, 4) << QPointF(16, 13) << QPointF(4, 13) << QPointF(10, 4);
  p.drawPolyline(pin);
  p.drawLine(QPointF(2, 16), QPointF(18, 16));
}

void Reactions(QPainter &p) {
  p.setPen(QPen(kInk, 1.3));
  QPolygonF pin;
  pin << QPointF(6, 2) << QPointF(10, 8) << QPointF(2, 8) << QPointF(6, 2);
  p.drawPolyline(pin);
  p.setPen(QPen(kRed, 1.5));
  Arrow(p, {6, 19}, {6, 10});
  Arrow(p, {19, 5}, {11, 5});
}

using Painting = void (*)(QPainter &);
const Painting kPaintings[kGraphIconCount] = {
    Printer,      Clipboard,       ZoomWindow, ShowAll, Pan,   NodeNumbers, BeamNumbers,
    HingeNumbers, MaterialNumbers, Values,     Extrema, Loads, Supports,    Reactions,
};

} // namespace

QIcon GraphToolIcon(int image) {
  if (image < 0 || image >= kGraphIconCount)
    return {};
  QPixmap pixmap(kGraphIconSize, kGraphIconSize);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  kPaintings[image](painter);
  painter.end();
  return QIcon(pixmap);
}
