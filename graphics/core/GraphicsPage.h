#pragma once
// The graphics printout's page: a frame inside the page margins, a title
// block along the bottom edge with the logo, the version, the file names and
// the theory, and above it a grid of tiles, one per graph window taking part.
// The layout is worked out here on any canvas from a few facts of the page,
// so a recording canvas can lay out any page; the main window supplies the
// printer's canvas and asks each graph window to draw into its tile.
//
// Millimetres become pixels as pixels per inch / 25.4, separately in x and
// y; every pixel coordinate is truncated toward zero.
#include "graphics/core/Canvas.h"
#include "graphics/core/Settings.h"

#include <functional>
#include <string>

// What the layout needs to know of the page.
struct PageFacts {
  int dpiX = 0;  // pixels per inch across
  int dpiY = 0;  // pixels per inch down
  int width = 0; // the paintable area in pixels, from its top-left corner
  int height = 0;
  bool landscape = false;
};

// The texts of the title block: the names of the system and load files
// without their folders, the version text, and the result caption of the
// analysis ("" while there is none).
struct TitleTexts {
  std::string system;
  std::string load;
  std::string version;
  std::string result;
};

// Called once per tile, with the canvas's clip narrowed to the tile less a
// small inset: the tile number (0 .. count - 1) and the aspect (pixels per
// millimetre in x over those in y).
using TileRequest = std::function<void(int tile, double aspect)>;

// Draws the page: font "Arial", black, 14 points; the frame with a pen of
// 0.5 mm around the margins; the title block; then the tiles of count
// windows.  Margins are those of page (Links, Rechts, Oben, Unten); in
// landscape the top takes Links, the left Unten, the right Oben and the
// bottom Rechts.  Margins that are negative, larger than the page or not
// finite are held within the page before they become pixels; when no room
// is left above the title block, no tile is requested, and a tile without
// area is skipped.  A page without a positive resolution or size draws
// nothing.
void DrawGraphicsPage(TCanvas &canvas, const PageFacts &page, const PrintPageRecord &margins,
                      const TitleTexts &texts, int count, const TileRequest &request);

// The title block in the rectangle (left, top, right, bottom): the logo cell
// at the left, three times as wide as high on paper, the version under it in
// portrait, the file names and the theory in cells beside it.  points is the
// font size in force; texts that do not fit lower it for all that follow.
void DrawTitleBlock(TCanvas &canvas, bool landscape, double aspect, double ppmY, double ppmX,
                    const TRect &rect, const TitleTexts &texts, int &points);

// Lowers the canvas's font size by one point at a time while text is wider
// than maxWidth or higher than maxHeight; it never goes below 1 point and
// never grows.  points is the size in force, and is left at the new one.
void FitText(TCanvas &canvas, int maxHeight, int maxWidth, const std::string &text, int &points);

// Writes text at x, vertically centred between y0 and y1: at y = y0 + (y1 -
// y0) / 2 - height / 2, each division truncating.
void DrawTextCentred(TCanvas &canvas, int x, int y0, int y1, const std::string &text);
