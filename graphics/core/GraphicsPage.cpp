#include "graphics/core/GraphicsPage.h"

#include "graphics/core/ViewTransform.h"

#include <algorithm>

namespace {
// Millimetres per inch, inverted.
constexpr double kPerInch = 0.03937007874015748;
// Layout constants in millimetres.
constexpr double kPenWidth = 0.5;
constexpr double kTitleHeightPortrait = 15.0;
constexpr double kTitleHeightLandscape = 8.0;
constexpr double kTileInset = 0.3;
constexpr double kLogoInsetTop = 1.0;
constexpr double kLogoInsetLeft = 3.0;
constexpr double kLogoInsetRight = 1.0;
constexpr double kLogoInsetBottom = 1.0;
constexpr int kTitlePoints = 14;
const char *const kTitleFont = "Arial";
const char *const kLogo = "ProgramIcon";

// A margin of mm millimetres in pixels, held within 0 .. size; a margin that
// is not a number counts as none.
double MarginPixels(double mm, double ppm, int size) {
  const double pixels = mm * ppm;
  if (!(pixels > 0.0))
    return 0.0;
  return std::min(pixels, static_cast<double>(size));
}

// The frame inside the margins and the top of the title block, in pixels.
struct PageFrame {
  int left = 0, top = 0, right = 0, bottom = 0;
  int titleTop = 0;
};

PageFrame FrameOf(const PageFacts &page, const PrintPageRecord &m, double ppmX, double ppmY) {
  // In landscape the paper is turned: the margin named for the left edge of
  // the portrait sheet lies at the top, and so on round the sheet.
  const double top = page.landscape ? m.Links : m.Oben;
  const double left = page.landscape ? m.Unten : m.Links;
  const double right = page.landscape ? m.Oben : m.Rechts;
  const double bottom = page.landscape ? m.Rechts : m.Unten;
  PageFrame f;
  f.left = TruncateToInt(MarginPixels(left, ppmX, page.width));
  f.top = TruncateToInt(MarginPixels(top, ppmY, page.height));
  f.right = std::max(f.left, TruncateToInt(page.width - MarginPixels(right, ppmX, page.width)));
  f.bottom = std::max(f.top, TruncateToInt(page.height - MarginPixels(bottom, ppmY, page.height)));
  const double title = page.landscape ? kTitleHeightLandscape : kTitleHeightPortrait;
  f.titleTop = std::max(f.top, TruncateToInt(f.bottom - ppmY * title));
  return f;
}

// Columns and rows for count tiles on w x h pixels: a tile taller than it
// is wide on paper gets another row, otherwise another column.
void TileGrid(int count, int w, int h, double aspect, int &columns, int &rows) {
  columns = rows = 1;
  while (columns * rows < count) {
    if (aspect * (h / rows) >= w / columns)
      ++rows;
    else
      ++columns;
  }
}

void RequestTiles(TCanvas &canvas, const PageFrame &f, int count, double ppmX, double ppmY,
                  const TileRequest &request) {
  const int w = f.right - f.left;
  const int h = f.titleTop - f.top;
  if (count < 1 || w <= 0 || h <= 0)
    return;
  const double aspect = ppmX / ppmY;
  int columns = 0, rows = 0;
  TileGrid(count, w, h, aspect, columns, rows);
  const int tw = w / columns;
  const int th = h / rows;
  const int insetX = TruncateToInt(kTileInset * ppmX);
  const int insetY = TruncateToInt(kTileInset * ppmY);
  for (int r = 0; r < rows; ++r) {
    for (int c = 0; c < columns && c < count - r * columns; ++c) {
      const int tile = r * columns + c;
      // The last tile fills the rest of its row.
      const int x1 = f.left + (tile + 1 == count ? columns : c + 1) * tw;
      const TRect clip{f.left + c * tw + insetX, f.top + r * th + insetY, x1 - insetX,
                       f.top + (r + 1) * th - insetY};
      if (clip.right <= clip.left || clip.bottom <= clip.top)
        continue;
      canvas.SaveClip();
      canvas.IntersectClip(clip);
      request(tile, aspect);
      canvas.RestoreClip();
    }
  }
}

void Line(TCanvas &canvas, int x0, int y0, int x1, int y1) {
  canvas.MoveTo(x0, y0);
  canvas.LineTo(x1, y1);
}

const std::string kTwo = "  ";
const std::string kFour = "    ";

void PortraitTexts(TCanvas &canvas, const TRect &rect, int ll, int lr, int hm,
                   const TitleTexts &texts, int &points) {
  const int t = rect.top, r = rect.right, b = rect.bottom;
  const int mid = (t + b) / 2;
  const int wl = lr - ll;
  const std::string S = "System: " + texts.system;
  const std::string L = "Lastfall: " + texts.load;
  const std::string V = "V." + texts.version;
  const std::string &K = texts.result;
  const int x1 = TruncateToInt(ll + 0.1 * wl);
  const int x2 = TruncateToInt(lr + 0.2 * wl);
  const int xs = TruncateToInt(lr + 0.1 * wl);
  const int x3 = TruncateToInt(r - canvas.TextWidth(K + kTwo) - 0.1 * wl);
  Line(canvas, xs, t, xs, b);
  Line(canvas, xs, mid, x3, mid);
  FitText(canvas, hm, x3 - x2, S + kFour + L, points);
  DrawTextCentred(canvas, x2, mid, b, S + kFour + L);
  const int xl = x2 + canvas.TextWidth(S + kTwo);
  Line(canvas, xl, mid, xl, b);
  FitText(canvas, hm, lr - x1, V, points);
  DrawTextCentred(canvas, x1, mid, b, V);
  FitText(canvas, hm, r - x3, kTwo + "Theorie:" + kTwo, points);
  DrawTextCentred(canvas, x3, t, mid, kTwo + "Theorie:");
  FitText(canvas, hm, r - x3, kTwo + K + kTwo, points);
  DrawTextCentred(canvas, x3, mid, b, kTwo + K);
  Line(canvas, x3, t, x3, b);
}

void LandscapeTexts(TCanvas &canvas, const TRect &rect, int ll, int lr, int hm,
                    const TitleTexts &texts, int &points) {
  const int t = rect.top, r = rect.right, b = rect.bottom;
  const int wl = lr - ll;
  const std::string S = "System: " + texts.system;
  const std::string L = "Lastfall: " + texts.load;
  const std::string V = "V." + texts.version;
  const std::string T = "Theorie: " + texts.result;
  const std::string Q = V + kFour + S + kFour + L;
  int x = TruncateToInt(lr + 0.1 * wl);
  FitText(canvas, hm, r - x, Q + kFour + T + kTwo, points);
  DrawTextCentred(canvas, x, t, b, Q);
  x += canvas.TextWidth(V + kTwo);
  Line(canvas, x, t, x, b);
  x += canvas.TextWidth(kTwo + S + kTwo);
  Line(canvas, x, t, x, b);
  const int xt = TruncateToInt(r - canvas.TextWidth(T + kTwo) - 0.1 * wl);
  DrawTextCentred(canvas, xt, t, b, kTwo + T);
  Line(canvas, xt, t, xt, b);
}
} // namespace

void FitText(TCanvas &canvas, int maxHeight, int maxWidth, const std::string &text, int &points) {
  while (points > 1 && (canvas.TextWidth(text) > maxWidth || canvas.TextHeight(text) > maxHeight))
    canvas.SetFontSize(--points);
}

void DrawTextCentred(TCanvas &canvas, int x, int y0, int y1, const std::string &text) {
  canvas.TextOut(x, y0 + (y1 - y0) / 2 - canvas.TextHeight(text) / 2, text);
}

void DrawTitleBlock(TCanvas &canvas, bool landscape, double aspect, double ppmY, double ppmX,
                    const TRect &rect, const TitleTexts &texts, int &points) {
  const int l = rect.left, t = rect.top, b = rect.bottom;
  const int mid = (t + b) / 2;
  // The logo cell, three times as wide as high on paper, then inset.
  const int cellBottom = landscape ? b : mid;
  const int cellRight = TruncateToInt(l + 3.0 * (cellBottom - t) * aspect);
  const TRect logo{TruncateToInt(l + kLogoInsetLeft * ppmX),
                   TruncateToInt(t + kLogoInsetTop * ppmY),
                   TruncateToInt(cellRight - kLogoInsetRight * ppmX),
                   TruncateToInt(cellBottom - kLogoInsetBottom * ppmY)};
  const int lineHeight = landscape ? b - t : (b - t) / 2;
  const int hm = TruncateToInt(0.5 * lineHeight);
  if (landscape)
    LandscapeTexts(canvas, rect, logo.left, logo.right, hm, texts, points);
  else
    PortraitTexts(canvas, rect, logo.left, logo.right, hm, texts, points);
  canvas.StretchDraw(logo, kLogo);
}

void DrawGraphicsPage(TCanvas &canvas, const PageFacts &page, const PrintPageRecord &margins,
                      const TitleTexts &texts, int count, const TileRequest &request) {
  if (page.dpiX <= 0 || page.dpiY <= 0 || page.width <= 0 || page.height <= 0)
    return;
  const double ppmY = page.dpiY * kPerInch;
  const double ppmX = page.dpiX * kPerInch;
  const double aspect = ppmX / ppmY;
  int points = kTitlePoints;
  canvas.SetFontName(kTitleFont);
  canvas.SetFontColor(0);
  canvas.SetFontSize(points);
  const int pw = TruncateToInt(kPenWidth * ppmX);
  canvas.SetPenColor(0);
  canvas.SetPenWidth(pw);
  const PageFrame f = FrameOf(page, margins, ppmX, ppmY);
  canvas.Rectangle({f.left - pw, f.top - pw, f.right + pw, f.bottom + pw});
  Line(canvas, f.left, f.titleTop + pw, f.right, f.titleTop + pw);
  DrawTitleBlock(canvas, page.landscape, aspect, ppmY, ppmX,
                 {f.left, f.titleTop + pw, f.right, f.bottom}, texts, points);
  RequestTiles(canvas, f, count, ppmX, ppmY, request);
}
