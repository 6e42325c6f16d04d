#pragma once
// The graph window's picture: the display list replayed into an image on
// several threads at once, and the image shown moved or scaled while a pan
// or a resize goes on.
// Printing and the picture export replay on one thread onto their own
// devices (graphics/widgets/PictureExport.h); the screen's image is
// rasterised here, which is where the time of a large drawing goes.
#include "graphics/core/GraphWindow.h"
#include "graphics/core/PaintContainer.h"
#include "graphics/core/PicturePlacement.h"

#include <QImage>
#include <vector>

class QPainter;
class QRect;

// The threads the paint box replays on: the analysis's count of idle cores.
int ReplayThreads();

// Where the last replay into an image of the same height spent its time,
// row by row, so that the next one cuts its bands where each takes about as
// long.  The picture does not depend on where the bands are cut.
class ReplayCosts {
public:
  // The edges of count bands over height rows (first 0, last height), or
  // none when there is nothing to go by: no replay yet, or one into an
  // image of another height.
  std::vector<int> Edges(int height, int count) const;
  // The bands between edges took those seconds.
  void Took(const std::vector<int> &edges, const std::vector<double> &seconds);

private:
  std::vector<double> rows; // seconds per device row
};

// Fills image white and replays list into it through transform, which maps
// into the image's device-independent pixels, in one horizontal band per
// thread (at most one per kMinBandRows rows of the drawing, at least one;
// one alone at a device pixel ratio below 1).
// The bands are cut by costs where given, which then learn this replay's
// times, and otherwise cut the rows the drawing covers evenly.  Each band is
// replayed on a thread of its own with its own painter, clipped to the
// band's rows, and its own batched canvas into a QImage over image's own
// buffer, and clips the records against the whole image, so the picture is
// the one a replay into the whole image gives.
void ReplayInBands(const PaintContainer &list, const TViewTransform &transform, QImage &image,
                   int threads, ReplayCosts *costs = nullptr);
constexpr int kMinBandRows = 16;

// Draws picture placed by placement (device-independent pixels) into area
// of the painter; what it leaves uncovered of area becomes white.  An
// unscaled picture is moved pixel for pixel, a scaled one without smoothing.
void DrawPlaced(QPainter &painter, const QImage &picture, const PicturePlacement &placement,
                const QRect &area);
