#pragma once
// A user's drag and resize played on a graph window at a steady pace, as
// the window feels them: between the steps the event loop runs as it would
// (a step that comes while the window is busy comes late, and the steps it
// missed are one move, as mouse moves are compressed), and every paint of
// the paint box is noted when it ends.  The picture stands still between two
// paints; what it stands still longer than one step is frozen.
#include <QMdiSubWindow>

class TGraphForm;

struct DragFigures {
  double longestStill = 0.0; // ms, the longest time without a new picture
  double frozenShare = 0.0;  // share of the drag spent frozen
  int pictures = 0;          // pictures shown during the drag
  double settled = 0.0;      // ms from the release to the last picture (the
                             // one after which none came for 4 s)
};

// A drag with the left button from the paint box's centre, steps steps at
// perSecond, step pixels to the right for the first half and back.
DragFigures ScriptedDrag(TGraphForm &form, int steps, double perSecond, int step);

struct ResizeFigures {
  double median = 0.0;  // ms from a size step to its picture
  double slowest = 0.0; // ms
};

// The window's frame resized by step pixels in width and height, steps
// times at perSecond, growing and then shrinking back.
ResizeFigures ScriptedResize(QMdiSubWindow &frame, TGraphForm &form, int steps, double perSecond,
                             int step);
