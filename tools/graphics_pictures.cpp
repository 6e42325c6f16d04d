// Pictures of the graph output for a person to check by eye and for the
// README: an SVG file the program wrote, rendered to PNG; and a page of the
// graphics printout with three graph windows of the example frame, drawn by
// the printout's own routine onto an image instead of a printer.
//
//   graphics_pictures svg <picture.svg> <picture.png>
//   graphics_pictures page <examples folder> <page.png>
#include "app/Application.h"
#include "graphics/core/GraphicsPage.h"
#include "graphics/widgets/QPainterCanvas.h"
#include "graphics/widgets/TGraphForm.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTabBar>
#include <cstdio>
#include <string>

namespace {
// A4 at 150 dpi.
constexpr int kDpi = 150;
constexpr int kPageWidth = 1240;
constexpr int kPageHeight = 1754;
// SVG pictures are rendered smoothly at three times their declared size in
// Qt's pixels (about 270 dpi), so that the value labels read as on screen.
constexpr int kSvgZoom = 3;

QImage WhiteImage(QSize size, int dpi) {
  QImage image(size, QImage::Format_RGB32);
  image.setDotsPerMeterX(qRound(dpi / 0.0254));
  image.setDotsPerMeterY(qRound(dpi / 0.0254));
  image.fill(Qt::white);
  return image;
}

int RenderSvg(const QString &from, const QString &to) {
  QSvgRenderer renderer(from);
  if (!renderer.isValid()) {
    std::fprintf(stderr, "graphics_pictures: %s is no SVG picture\n", qPrintable(from));
    return 1;
  }
  QImage image = WhiteImage(renderer.defaultSize() * kSvgZoom, 96);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  renderer.render(&painter);
  painter.end();
  return image.save(to) ? 0 : 1;
}

int RenderPage(const QString &examples, const QString &to) {
  AutoCreatedForms forms;
  TMainForm &form = forms.mainForm;
  if (!form.OpenSystemFile((examples + "/portal.ssy").toStdString()) ||
      !form.OpenLoadFile((examples + "/portal.sla").toStdString()))
    return 1;
  form.ThIOrdnung1Click();
  // Geometry with loads, the deformed shape and the bending moment, each
  // fitted to its whole drawing.
  for (int tab : {0, 1, 4}) {
    TGraphForm *window = form.NewGraphWindow();
    window->TabControl2->setCurrentIndex(tab);
    window->State().ShowAll();
  }
  form.CountPrintWindows();
  QImage page = WhiteImage(QSize(kPageWidth, kPageHeight), kDpi);
  QPainter painter(&page);
  QPainterCanvas canvas(painter);
  form.DrawPrintPage(canvas, PageFacts{kDpi, kDpi, kPageWidth, kPageHeight, false});
  painter.end();
  form.SetSystemChanged(0);
  form.SetLoadChanged(0);
  return page.save(to) ? 0 : 1;
}
} // namespace

int main(int argc, char *argv[]) {
  QApplication application(argc, argv);
  PrepareApplication(application);
  const QStringList args = application.arguments();
  if (args.size() == 4 && args[1] == "svg")
    return RenderSvg(args[2], args[3]);
  if (args.size() == 4 && args[1] == "page")
    return RenderPage(args[2], args[3]);
  std::fprintf(stderr, "usage: graphics_pictures svg <in.svg> <out.png>\n"
                       "       graphics_pictures page <examples folder> <out.png>\n");
  return 2;
}
