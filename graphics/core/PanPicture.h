#pragma once
// What a graph window shows while the left button pans.  Replaying a large
// display list takes far longer than the mouse takes from one position to
// the next, so during the drag the window shows the picture it replayed
// last, moved by the mouse's way since that replay, and the strip it
// uncovers stays white.  The list is replayed when the button is released
// and, while the drag lasts, whenever ReplayInterval milliseconds have
// passed since the last replay ended; each replay shows the view of its
// moment, and the picture moves on from there.  The view box itself follows
// every move (GraphWindow::MouseMove), so the picture after the release is
// the one a replay per move would give.
//
// Times are milliseconds of a steady clock, given by the caller.
#include "graphics/core/GraphWindow.h"

#include <cstdint>

class PanPicture {
public:
  static constexpr std::int64_t kReplayInterval = 100;

  explicit PanPicture(std::int64_t interval = kReplayInterval) : ReplayInterval(interval) {}

  // The left button went down at `at` and a pan began; the picture shown is
  // the view of now.  A press while a pan goes on changes nothing.
  void Begin(PixelPoint at, std::int64_t now);
  // The mouse is at `at`; without a pan nothing.
  void Move(PixelPoint at);
  // The button was released: the pan ends, and the next picture is a replay
  // at the view of the release.
  void End() { Active = false; }
  // The list was replayed at the view of the mouse's last position, ending
  // at now: the picture moves on from there.
  void Replayed(std::int64_t now);

  bool Panning() const { return Active; }
  // How far the picture shown is moved: the mouse's way since the last
  // replay; (0, 0) without a pan.
  PixelPoint Offset() const;
  // Milliseconds until the picture shown is to be replayed, 0 when it is
  // due now, -1 when no replay is due (no pan, or the picture shows the
  // mouse's position).
  std::int64_t UntilReplay(std::int64_t now) const;

  std::int64_t ReplayInterval;

private:
  bool Active = false;
  PixelPoint ReplayedAt; // the mouse's position at the last replay
  PixelPoint Mouse;
  std::int64_t ReplayEnded = 0;
};
