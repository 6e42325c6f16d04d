#pragma once
// What a graph window shows while its view moves faster than its display
// list can be replayed: during a pan with the left button and while the
// window is resized.  Replaying a large list takes far longer than the mouse
// takes from one position to the next, so every step shows at once the
// picture replayed last, placed where the view now puts it
// (graphics/core/PicturePlacement.h): moved with the mouse, scaled with the
// window, the strip it leaves uncovered white.  The list is replayed
//  - at once when the button is released while the picture is behind the
//    view (or as soon as a replay still running has ended);
//  - during a drag or a resize, and when the mouse rests, once the picture
//    has stood ReplayInterval since the last replay ended and at least
//    twice as long as that replay took, so that the replays of a long drag
//    take at most a third of its time, however large the drawing.
// A resize step after a replay that took no longer than AtOnce (one frame)
// is replayed at once instead: a picture that fast needs no stand-in.  The
// view box itself follows every move (GraphWindow::MouseMove), so the last
// replay shows the picture a replay per move would give.
//
// A replay shows the view as it was when the replay began; the moves that
// come while it runs leave its picture behind the view.  Times are
// milliseconds of a steady clock, given by the caller.
#include <cstdint>

class PanPicture {
public:
  static constexpr std::int64_t kReplayInterval = 100;
  static constexpr std::int64_t kFrame = 16;

  // The left button went down and a pan began; a press while a pan goes on
  // changes nothing.
  void Begin();
  // The view moved on from the picture: a pan step, or a change of the
  // view while the pan goes on.
  void Moved() { ++Moves; }
  // The button was released: the pan ends, and a replay is due at once
  // when no replay has begun since the view's last move.
  void End();
  // The paint box changed its size.  True when the picture is to be
  // replayed at once (the last replay took at most AtOnce); otherwise the
  // view counts as moved on and the picture is shown scaled.
  bool Resized();

  // A replay of the view as it is now began at now.
  void ReplayBegun(std::int64_t now);
  // The replay begun last ended at now and its picture is shown.
  void ReplayEnded(std::int64_t now);

  bool Panning() const { return Active; }
  // True while the picture shown is of an earlier view than the present.
  bool Behind() const { return Shown != Moves; }
  // Milliseconds until the next replay is to begin, 0 when it is due now,
  // -1 when none is due (the picture shows the present view).
  std::int64_t UntilReplay(std::int64_t now) const;

  std::int64_t ReplayInterval = kReplayInterval;
  std::int64_t AtOnce = kFrame;

private:
  bool Active = false;
  bool Released = false;    // the pan ended before a replay of its last move
  std::uint64_t Moves = 0;  // moves of the view so far
  std::uint64_t Begun = 0;  // the moves when the last replay began
  std::uint64_t Shown = 0;  // the moves when the picture shown was begun
  std::int64_t BeganAt = 0; // when the last replay began
  std::int64_t EndedAt = 0; // when the last replay ended
  std::int64_t Took = 0;    // how long the last replay took
};
