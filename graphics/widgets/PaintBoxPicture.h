#pragma once
// The graph window's picture: the display list replayed into an image on
// several threads at once, and the image shown moved while a pan goes on.
// Printing and the picture export replay on one thread onto their own
// devices (graphics/widgets/PictureExport.h); the screen's image is
// rasterised here, which is where the time of a large drawing goes.
#include "graphics/core/GraphWindow.h"
#include "graphics/core/PaintContainer.h"

#include <QImage>

class QPainter;
class QRect;

// The threads the paint box replays on: the analysis's count of idle cores.
int ReplayThreads();

// Fills image white and replays list into it through transform, which maps
// into the image's device-independent pixels, on `threads` threads.  The
// image is cut into kBandsPerThread horizontal bands per thread, the rows the
// drawing covers evenly (at most one band per kMinBandRows of them, at least
// one); an idle thread takes the next band, so a thread whose bands hold
// little of the drawing takes more of them.  Each band is replayed with its
// own painter, clipped to the band's rows, and its own batched canvas into a
// QImage over image's own buffer, and clips the records against the whole
// image, so the picture is the one a replay into the whole image gives.
void ReplayInBands(const PaintContainer &list, const TViewTransform &transform, QImage &image,
                   int threads);
constexpr int kBandsPerThread = 2;
constexpr int kMinBandRows = 16;

// Draws picture moved by offset (device-independent pixels) into area of the
// painter; what it leaves uncovered of area becomes white.
void DrawMoved(QPainter &painter, const QImage &picture, PixelPoint offset, const QRect &area);
