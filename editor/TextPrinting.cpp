#include "editor/TextPrinting.h"

#include "model/Message.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QTextDocument>
#include <QTextOption>
#include <memory>

namespace {
// Millimetres at a resolution in pixels per inch, not yet truncated.
double Pixels(int millimetres, int pixelsPerInch) {
  const double k = 1.0 / 25.4;
  return millimetres * k * pixelsPerInch;
}

std::unique_ptr<QTextDocument> LaidOutCopy(const QTextDocument &text, QPaintDevice &device,
                                           const QRect &page) {
  std::unique_ptr<QTextDocument> copy(text.clone());
  copy->documentLayout()->setPaintDevice(&device);
  copy->setDocumentMargin(0);
  QTextOption option = copy->defaultTextOption();
  option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  copy->setDefaultTextOption(option);
  copy->setPageSize(page.size());
  return copy;
}

void PaintPage(QTextDocument &document, QPainter &painter, const QRect &page, int index) {
  const QRectF contents(0, double(index) * page.height(), page.width(), page.height());
  painter.save();
  painter.translate(page.topLeft());
  painter.setClipRect(QRect(QPoint(0, 0), page.size()));
  painter.translate(0, -contents.top());
  document.drawContents(&painter, contents);
  painter.restore();
}
} // namespace

QRect PageRectangle(const std::array<int, 4> &margins, int px, int py, int w, int h) {
  const int left = static_cast<int>(Pixels(margins[0], px));
  const int top = static_cast<int>(Pixels(margins[2], py));
  const int right = static_cast<int>(w - Pixels(margins[1], px));
  const int bottom = static_cast<int>(h - Pixels(margins[3], py));
  if (right <= left || bottom <= top)
    return QRect(0, 0, w, h);
  return QRect(left, top, right - left, bottom - top);
}

int PrintText(const QTextDocument &text, QPaintDevice &device, const QRect &page,
              const std::function<bool()> &nextPage) {
  std::unique_ptr<QTextDocument> document = LaidOutCopy(text, device, page);
  QPainter painter;
  if (!painter.begin(&device))
    throw Exception("Der Druckauftrag konnte nicht begonnen werden.");
  const int pages = document->pageCount();
  int painted = 0;
  while (painted < pages && (painted == 0 || nextPage())) {
    PaintPage(*document, painter, page, painted);
    ++painted;
  }
  if (!painter.end())
    throw Exception("Der Druckauftrag konnte nicht abgeschlossen werden.");
  return painted;
}
