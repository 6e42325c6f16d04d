#include "graphics/widgets/ProgramIcon.h"

#include <QPainter>
#include <QSvgRenderer>

void DrawProgramIcon(QPainter &painter, const QRectF &target) {
  QSvgRenderer renderer(QStringLiteral(":/ProgramIcon.svg"));
  renderer.render(&painter, target);
}

QPixmap ProgramIcon(const QSize &size) {
  QPixmap pixmap(size);
  pixmap.fill(Qt::white);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  DrawProgramIcon(painter, QRectF(pixmap.rect()));
  return pixmap;
}
