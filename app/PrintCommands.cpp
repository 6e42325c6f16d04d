// The graphics printout of the frame window: the graph windows are reached
// only by messages.  They number themselves, the page is laid out around
// them, and each draws itself into its tile of the one printed page.
#include "app/MainForm.h"

#include "analysis/ResultSets.h"
#include "analysis/Solutions.h"
#include "graphics/core/GraphOutput.h"
#include "graphics/core/GraphicsPage.h"
#include "graphics/core/Settings.h"
#include "graphics/widgets/QPainterCanvas.h"
#include "model/Message.h"
#include "platform/PrintDialog.h"
#include "platform/UserMessage.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>

namespace {
// The page as the printer gives it: its resolution (the same across and
// down), its paintable area in
// device pixels (the painter's origin is that area's top-left corner) and
// the orientation of its page layout.
PageFacts PageFactsOf(const QPrinter &printer) {
  const int dpi = printer.resolution();
  const QRect area = printer.pageLayout().paintRectPixels(dpi);
  PageFacts page;
  page.dpiX = dpi;
  page.dpiY = dpi;
  page.width = area.width();
  page.height = area.height();
  page.landscape = printer.pageLayout().orientation() == QPageLayout::Landscape;
  return page;
}
} // namespace

void TMainForm::SendToChildren(int message, std::intptr_t wParam, std::intptr_t lParam) {
  for (QMdiSubWindow *child : MdiArea->subWindowList(QMdiArea::CreationOrder))
    if (QWidget *window = child->widget())
      SendUserMessage(window, message, wParam, lParam);
}

void TMainForm::IncludeAllInPrint() {
  SendToChildren(UM_INCLUDEPRINT, 0, 0);
}

void TMainForm::ExcludeAllFromPrint() {
  SendToChildren(UM_EXCLUDEPRINT, 0, 0);
}

QPrinter &TMainForm::Printer() {
  if (!PrintPrinter)
    PrintPrinter = std::make_shared<QPrinter>(QPrinter::HighResolution);
  return *PrintPrinter;
}

void TMainForm::CountPrintWindows() {
  PrintCount = 0;
  SendToChildren(UM_COUNTPRINT, 0, reinterpret_cast<std::intptr_t>(&PrintCount));
}

void TMainForm::DrawPrintPage(TCanvas &canvas, const PageFacts &page) {
  const TitleTexts texts{StripPath(SystemFileName), StripPath(LoadFileName), PrintPage.Version,
                         ResultCaption(Solutions)};
  DrawGraphicsPage(canvas, page, PrintPage, texts, PrintCount, [&](int tile, double aspect) {
    TileMessage record{&canvas, aspect};
    SendToChildren(UM_PRINTTILE, tile, reinterpret_cast<std::intptr_t>(&record));
  });
}

void TMainForm::PrintGraphics() {
  CountPrintWindows();
  QPrinter &printer = Printer();
  if (!ExecutePrintDialog(printer, "Kelmor", this))
    return;
  const PageFacts page = PageFactsOf(printer);
  QPainter painter;
  if (!painter.begin(&printer))
    throw Exception("Der Druckauftrag konnte nicht begonnen werden.");
  QPainterCanvas canvas(painter);
  DrawPrintPage(canvas, page);
  if (!painter.end())
    throw Exception("Der Druckauftrag konnte nicht abgeschlossen werden.");
}

void TMainForm::Grafikdrucken1Click() {
  IncludeAllInPrint();
  PrintGraphics();
}
