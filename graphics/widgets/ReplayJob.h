#pragma once
// A replay of a graph window's display list into a new picture on a thread
// of its own (in bands, graphics/widgets/PaintBoxPicture.h), so that the
// window goes on showing the moves of the mouse meanwhile.  The picture is
// the one a replay on the window's own thread gives: the same list, view
// and size.  The list is read while the job runs and must not change: its
// owner waits for the job (Wait) before it rebuilds the list and before it
// goes.  Reading it elsewhere meanwhile (a print, an export) is safe.
#include "graphics/widgets/PaintBoxPicture.h"

#include <QImage>
#include <QSize>
#include <functional>
#include <thread>

class QObject;

// A picture as a replay left it.
struct ReplayedPicture {
  QImage image;
  TViewTransform view;
  ReplayCosts costs;
};

class ReplayJob {
public:
  // Called on the context's thread when a job has ended: with its picture,
  // or with null when the picture was dropped.
  using Ended = std::function<void(const ReplayedPicture *picture)>;

  ReplayJob() = default;
  ReplayJob(const ReplayJob &) = delete;
  ReplayJob &operator=(const ReplayJob &) = delete;
  // Waits for a job that runs.
  ~ReplayJob() { Wait(); }

  // Replays list through view into a white image of size (device-independent
  // pixels) at ratio, cutting the bands by costs, and then calls ended
  // through context's event loop (not at all when context is gone first;
  // context must go no later than the job, as the owner of a member job
  // does).  Nothing happens while a job is busy.
  void Start(const PaintContainer &list, const TViewTransform &view, QSize size, qreal ratio,
             ReplayCosts costs, QObject *context, Ended ended);
  // From the start until ended was called (or Wait has returned).
  bool Busy() const { return Running; }
  // The picture of the job that runs is not wanted: ended gets null.
  void Drop() { Wanted = false; }
  // Returns when no job runs any more; ended is not called for it.
  void Wait();

private:
  void Finished(unsigned serial, const ReplayedPicture &picture);

  std::thread Thread;
  Ended Done;
  unsigned Serial = 0; // of the job started last
  bool Running = false;
  bool Wanted = false;
};
