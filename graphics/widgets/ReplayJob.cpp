#include "graphics/widgets/ReplayJob.h"

#include <QMetaObject>
#include <QObject>

#include <algorithm>
#include <utility>

namespace {

// The replay on all cores but one: the window goes on drawing the mouse's
// steps meanwhile.
ReplayedPicture Replay(const PaintContainer &list, const TViewTransform &view, QSize size,
                       qreal ratio, ReplayCosts costs) {
  ReplayedPicture picture{QImage(size * ratio, QImage::Format_RGB32), view, std::move(costs)};
  picture.image.setDevicePixelRatio(ratio);
  ReplayInBands(list, view, picture.image, std::max(1, ReplayThreads() - 1), &picture.costs);
  return picture;
}

} // namespace

void ReplayJob::Start(const PaintContainer &list, const TViewTransform &view, QSize size,
                      qreal ratio, ReplayCosts costs, QObject *context, Ended ended) {
  if (Running)
    return;
  if (Thread.joinable())
    Thread.join();
  Running = Wanted = true;
  Done = std::move(ended);
  const unsigned serial = ++Serial;
  Thread = std::thread(
      [this, &list, view, size, ratio, costs = std::move(costs), context, serial]() mutable {
        QMetaObject::invokeMethod(
            context,
            [this, serial, picture = Replay(list, view, size, ratio, std::move(costs))] {
              Finished(serial, picture);
            },
            Qt::QueuedConnection);
      });
}

// A job that Wait has already seen end, or an earlier one, is past.
void ReplayJob::Finished(unsigned serial, const ReplayedPicture &picture) {
  if (serial != Serial || !Running)
    return;
  Running = false;
  const Ended done = std::move(Done);
  done(Wanted ? &picture : nullptr);
}

void ReplayJob::Wait() {
  if (Thread.joinable())
    Thread.join();
  Running = false;
}
