#pragma once
// What a graph window leaves besides the screen: its drawing in a tile of the
// printed graphics page, and the size of the picture it exports to the
// clipboard and to files.  Both replay the window's display list through a
// transform that fits its view box into the target; nothing is rebuilt, so
// the output shows exactly the layers, tab, scales and zoom of the window.
#include "graphics/core/Canvas.h"
#include "graphics/core/PaintContainer.h"
#include "model/Geometry2D.h"

#include <optional>
#include <string>

// The record UM_PRINTTILE carries by address: the page's canvas, already
// clipped to the tile, and the aspect (pixels per millimetre in x over those
// in y).
struct TileMessage {
  TCanvas *canvas = nullptr;
  double aspect = 1.0;
};

// Draws a window into the canvas's clip rectangle R: the caption in the
// canvas's font at (R.left + 6, R.bottom - height - 6), then the display
// list fitted with viewBox into R (so lines of the drawing may cross the
// caption), then a black one-pixel frame along R's inner edge.
void PrintTile(TCanvas &canvas, double aspect, const std::string &caption,
               const PaintContainer &display, const Box2D &viewBox);

// The size of the exported picture of a view box: its diagonal is 150 mm
// whatever the model's size, its proportions those of the view.  The SVG
// is drawn in units of 0.01 mm, fine enough that the stroke-font labels
// keep their shapes; the image beside it on the clipboard has 300 dpi.
struct PictureSize {
  int mmWidth = 0;  // in 0.01 mm
  int mmHeight = 0; // in 0.01 mm
  TRect target;     // (0, 0, mmWidth, mmHeight): the SVG, in 0.01 mm
  TRect image;      // the image in pixels of 300 dpi, truncated
  // The SVG's thinnest pen in 0.01 mm: one pixel of the image, so that a
  // line the image draws one pixel wide shows as wide in the SVG, also in
  // programs that ignore a cosmetic pen.
  int thinnestPen = 0;
};

// The picture size of display seen through viewBox, with the scale held as
// a 32-bit float as the older files were made.  Nothing when the list is
// empty, the view's diagonal is not positive and finite, or a side of the
// image would be below one pixel: there is no picture to make.
std::optional<PictureSize> PictureSizeOf(const PaintContainer &display, const Box2D &viewBox);
