// Renders two sheets for a person to check the drawing layer by eye: every
// glyph of the stroke font with its advance box, the text alignments and a
// turned text (font-sheet.png), and every symbol shape, the line styles,
// arrows, force arrows and moment arcs (symbols.png).  Both go through the
// display list and the QPainter canvas, as the graph windows draw.
//
//   drawing_sheets [folder]    writes the two PNG files into folder (".")
#include "graphics/core/PaintContainer.h"
#include "graphics/core/StrokeFont.h"
#include "graphics/core/Symbols.h"
#include "graphics/widgets/QPainterCanvas.h"
#include "model/Codepage1252.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <cstdio>
#include <numbers>
#include <string>
#include <vector>

namespace {
constexpr TColor kBlack = 0x000000;
constexpr TColor kGrey = 0x808080;
constexpr TColor kLight = 0xE0C8A0; // a pale blue
constexpr TColor kRed = 0x0000FF;
constexpr TColor kGreen = 0x008000;
constexpr TColor kBlue = 0xC00000;
constexpr TColor kYellow = 0x80FFFF;
constexpr double kPi = std::numbers::pi;

void Rectangle(PaintContainer &pc, Point2D a, Point2D b) {
  pc.PolyStart(a, 1);
  pc.PolyTo({b.x, a.y}, 1);
  pc.PolyTo(b, 1);
  pc.PolyTo({a.x, b.y}, 1);
  pc.PolyTo(a, 1);
}

// A small cross on the anchor of a text.
void Anchor(PaintContainer &pc, Point2D p, double size) {
  pc.SetPen(kRed, 0.1 * size);
  pc.Line({p.x - size, p.y}, {p.x + size, p.y});
  pc.Line({p.x, p.y - size}, {p.x, p.y + size});
}

void Caption(PaintContainer &pc, Point2D at, double height, const std::string &text) {
  pc.Text(1.0, at.x, at.y, 0.0, 0.0, height, kGrey, text, kTextCentred | kTextBelow);
}

// Glyphs 1000 units high in rows, each with its advance box and baseline.
void GlyphRows(PaintContainer &pc) {
  const std::string bytes = Utf8ToCp1252("0123456789AÄBCDEFGHIJKLMNOÖPQRSTUÜVWXYZ+-.,()& =");
  pc.Text(1.0, 0, -1700, 0.0, 0.0, 400, kBlack, "Die 48 Zeichen mit ihrer Vorschubbreite",
          kTextAbove);
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const Point2D origin = {1300.0 * (i % 12), 2200.0 * (i / 12)};
    const Glyph &glyph = FindGlyph(static_cast<unsigned char>(bytes[i]));
    pc.SetPen(kLight, 10);
    Rectangle(pc, {origin.x, origin.y - 1000}, {origin.x + GlyphWidth(glyph), origin.y});
    pc.SetPen(kBlack, 40);
    DrawGlyph(glyph, pc, origin, 0.0f, 1.0f);
    Caption(pc, {origin.x + 0.5 * GlyphWidth(glyph), origin.y + 150}, 200,
            std::to_string(GlyphWidth(glyph)));
  }
}

// The alignment flags around marked anchors, and a turned text.
void Alignments(PaintContainer &pc) {
  const double top = 9500;
  pc.Text(1.0, 0, top - 1000, 0.0, 0.0, 400, kBlack, "Ausrichtung um den Anker (rot)", kTextAbove);
  const int flags[] = {0, 2, 4, 8, 2 + 4, 16, 32, 8 + 16, 8 + 32, 2 + 16, 4 + 32};
  for (int k = 0; k < 11; ++k) {
    const Point2D anchor = {1500.0 + 2900.0 * (k % 6), top + 2200.0 * (k / 6)};
    pc.Text(1.0, anchor.x, anchor.y, 0.0, 100, 500, kBlue, "Fk1", flags[k]);
    Anchor(pc, anchor, 80);
    Caption(pc, {anchor.x, anchor.y + 1000}, 200, "Flags " + std::to_string(flags[k]));
  }
  const Point2D turned = {13000, top + 4400};
  pc.Text(1.0, turned.x, turned.y, -kPi / 6, 100, 500, kGreen, "gedreht -30", kTextRight);
  Anchor(pc, turned, 80);
}

// A shape drawn and filled side by side, its name below.
void ShapePair(PaintContainer &pc, const EntityClass &shape, double size, const char *name,
               Point2D at) {
  shape.Draw(pc, size, 2, 0.0, kBlack, at, 0);
  shape.Fill(pc, size, 2, 0.0, kBlue, kYellow, {at.x + 90, at.y});
  Caption(pc, {at.x + 45, at.y + 50}, 14, name);
}

void Shapes(PaintContainer &pc) {
  const struct {
    const EntityClass &shape;
    double size; // about 60 units across
    const char *name;
  } shapes[] = {{SquareShape, 60, "SquareShape"},
                {ArrowHeadShape, 60, "ArrowHeadShape"},
                {TriangleHeadShape, 60, "TriangleHeadShape"},
                {CircleShape, 60, "CircleShape"},
                {HingeRectShape, 20, "HingeRectShape"},
                {SupportLineShape, 60, "SupportLineShape"},
                {ClampShape, 60, "ClampShape"},
                {PinShape, 60, "PinShape"},
                {SpringShape, 60, "SpringShape"},
                {DashDotShape, 60, "DashDotShape"},
                {DashShape, 60, "DashShape"},
                {MomentArrowLeftShape, 120, "MomentArrowLeftShape"},
                {MomentArrowRightShape, 120, "MomentArrowRightShape"}};
  pc.Text(1.0, 0, -60, 0.0, 0.0, 20, kBlack, "Symbole: gezeichnet und gefüllt", kTextAbove);
  for (int i = 0; i < 13; ++i)
    ShapePair(pc, shapes[i].shape, shapes[i].size, shapes[i].name,
              {60.0 + 260.0 * (i % 5), 150.0 * (i / 5)});
}

void LinesAndArrows(PaintContainer &pc) {
  const double top = 520;
  pc.Text(1.0, 0, top - 40, 0.0, 0.0, 20, kBlack, "Linien", kTextAbove);
  const char *styles[] = {"durchgezogen", "gestrichelt", "strichpunktiert"};
  for (int style = 0; style < 3; ++style)
    for (int w = 0; w < 2; ++w) {
      const double y = top + 40.0 * (2 * style + w);
      pc.StyledLine({0, y}, {500, y}, 1.0 + 2 * w, kBlack, style);
      pc.Text(1.0, 560, y, 0.0, 0.0, 14, kGrey, styles[style], kTextRight);
    }

  const double arrows = top + 340;
  pc.Text(1.0, 0, arrows - 40, 0.0, 0.0, 20, kBlack, "Pfeile", kTextAbove);
  pc.Arrow({0, arrows}, {200, arrows}, 30, 2, kBlack, 0);
  Caption(pc, {100, arrows + 20}, 14, "0");
  pc.Arrow({260, arrows}, {460, arrows + 60}, 30, 2, kBlack, kArrowTriangle);
  Caption(pc, {360, arrows + 60}, 14, "8");
  pc.Arrow({520, arrows}, {540, arrows}, 30, 2, kBlack, kArrowNoShortHead);
  Caption(pc, {530, arrows + 20}, 14, "2 (kurz)");
  pc.Arrow({620, arrows}, {720, arrows}, 30, 2, kBlack, kArrowNoShortHead);
  Caption(pc, {670, arrows + 20}, 14, "2");
}

void Forces(PaintContainer &pc) {
  const double top = 1080;
  pc.Text(1.0, 0, top - 100, 0.0, 0.0, 20, kBlack, "Kraftpfeile (16) und mit 4", kTextAbove);
  const Point2D vectors[] = {{100, 0}, {-100, 0}, {0, 100}, {-60, -80}};
  for (int k = 0; k < 4; ++k) {
    const Point2D p = {150.0 + 280.0 * k, top};
    pc.ForceArrow(1.0, p, 1.0, vectors[k], 20, 2, 18, kRed, kArrowLabel);
    Anchor(pc, p, 6);
    const Point2D q = {150.0 + 280.0 * k, top + 220};
    pc.ForceArrow(1.0, q, 1.0, vectors[k], 20, 2, 18, kGreen, kArrowLabel | kArrowFromPoint);
    Anchor(pc, q, 6);
  }

  const double arcs = top + 520;
  pc.Text(1.0, 0, arcs - 100, 0.0, 0.0, 20, kBlack, "Momentenbögen", kTextAbove);
  const double moments[] = {1.5, -1.5, 4.0, -0.25};
  for (int k = 0; k < 4; ++k) {
    const Point2D centre = {150.0 + 280.0 * k, arcs};
    pc.MomentArc(1.0, centre, 50, 1.0, moments[k], 2, 18, kBlue, kArrowLabel);
    Anchor(pc, centre, 6);
  }
}

// Fits the drawing into a white image of the size and writes it.
bool Render(const PaintContainer &pc, int width, int height, const QString &path) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  TViewTransform transform;
  transform.Fit(pc.BoundingBox(), 0, 0, width, height, 1.0);
  QPainterCanvas canvas(painter);
  pc.Paint(canvas, transform);
  painter.end();
  if (image.save(path))
    return true;
  std::fprintf(stderr, "drawing_sheets: %s not written\n", path.toLocal8Bit().constData());
  return false;
}
} // namespace

int main(int argc, char **argv) {
  const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString("."));
  PaintContainer font;
  font.Reset();
  GlyphRows(font);
  Alignments(font);
  PaintContainer symbols;
  symbols.Reset();
  Shapes(symbols);
  LinesAndArrows(symbols);
  Forces(symbols);
  const bool written = Render(font, 1600, 1200, folder.filePath("font-sheet.png")) &&
                       Render(symbols, 1400, 1400, folder.filePath("symbols.png"));
  return written ? 0 : 1;
}
