#pragma once
// Printing the document into a page rectangle given by margins in
// millimetres.
#include <QRect>
#include <array>
#include <functional>

class QPaintDevice;
class QTextDocument;

// The rectangle left for the text on a printable area of w x h pixels at px
// by py pixels per inch, with margins in millimetres (left, right, top,
// bottom).  Each edge is truncated toward zero: left = margin x px / 25.4,
// right = w - margin x px / 25.4, likewise top and bottom.  When the margins
// leave no room the whole printable area is used.
QRect PageRectangle(const std::array<int, 4> &margins, int px, int py, int w, int h);

// Lays a copy of text out at the device's resolution, wrapped to the width
// of page, and paints it page by page into page (device pixels from the
// printable area's top-left corner), clipped to it.  nextPage starts the next
// page and returns false when there is none to be had.  Returns the number of
// pages painted.  Throws Exception when painting on the device cannot start
// or finish (an unwritable PDF file, a printer error).
int PrintText(const QTextDocument &text, QPaintDevice &device, const QRect &page,
              const std::function<bool()> &nextPage);
