#include "bench/ScriptedGestures.h"

#include "graphics/widgets/TGraphForm.h"

#include <QApplication>
#include <QEventLoop>
#include <QMouseEvent>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double Milliseconds(Clock::time_point from, Clock::time_point to) {
  return std::chrono::duration<double, std::milli>(to - from).count();
}

// Notes when each paint of the watched widget ends: the filter hands the
// paint on itself and takes the time when it returns.
class PaintWatch : public QObject {
public:
  explicit PaintWatch(QWidget *widget) : Widget(widget) { widget->installEventFilter(this); }
  ~PaintWatch() override { Widget->removeEventFilter(this); }
  std::vector<Clock::time_point> Ends;

protected:
  bool eventFilter(QObject *watched, QEvent *event) override {
    if (event->type() != QEvent::Paint || Inside)
      return false;
    Inside = true;
    QApplication::sendEvent(watched, event);
    Inside = false;
    Ends.push_back(Clock::now());
    return true;
  }

private:
  QWidget *Widget;
  bool Inside = false;
};

// Runs the event loop until `until`; late when the window holds it longer.
void RunUntil(Clock::time_point until) {
  const auto wait = std::chrono::duration_cast<std::chrono::milliseconds>(until - Clock::now());
  if (wait.count() <= 0) {
    QApplication::processEvents();
    return;
  }
  QEventLoop loop;
  QTimer::singleShot(static_cast<int>(wait.count()), Qt::PreciseTimer, &loop, &QEventLoop::quit);
  loop.exec();
}

// Runs the event loop until no paint came for quiet milliseconds (at most
// limit); the time of the last paint.
Clock::time_point Settle(const PaintWatch &watch, Clock::time_point since, int quiet, int limit) {
  const Clock::time_point end = since + std::chrono::milliseconds(limit);
  for (;;) {
    const Clock::time_point last = watch.Ends.empty() ? since : std::max(since, watch.Ends.back());
    const Clock::time_point due = last + std::chrono::milliseconds(quiet);
    if (Clock::now() >= due || Clock::now() >= end)
      return last;
    RunUntil(std::min(due, end));
  }
}

void SendMouse(QWidget *box, QEvent::Type type, QPoint at, Qt::MouseButtons buttons) {
  QMouseEvent event(type, at, box->mapToGlobal(at), Qt::LeftButton, buttons, Qt::NoModifier);
  QApplication::sendEvent(box, &event);
}

} // namespace

DragFigures ScriptedDrag(TGraphForm &form, int steps, double perSecond, int step) {
  QWidget *box = form.PaintBox1;
  Settle(PaintWatch(box), Clock::now(), 300, 5000);
  PaintWatch watch(box);
  const QPoint centre = box->rect().center();
  const double period = 1000.0 / perSecond;
  SendMouse(box, QEvent::MouseButtonPress, centre, Qt::LeftButton);
  const Clock::time_point start = Clock::now();
  auto at = [&](double ms) { return start + std::chrono::microseconds(std::lround(ms * 1000)); };
  for (int k = 1; k <= steps;) {
    RunUntil(at(k * period));
    // The steps missed while the window was busy come as one move.
    k = std::max(k, static_cast<int>(Milliseconds(start, Clock::now()) / period));
    const int out = std::min(k, steps - k);
    SendMouse(box, QEvent::MouseMove, centre + QPoint(out * step, 0), Qt::LeftButton);
    ++k;
  }
  RunUntil(at((steps + 1) * period));
  const Clock::time_point release = Clock::now();
  SendMouse(box, QEvent::MouseButtonRelease, centre, Qt::NoButton);
  DragFigures figures;
  Clock::time_point shown = start;
  double frozen = 0.0;
  for (Clock::time_point end : watch.Ends) {
    if (end > release)
      break;
    const double still = Milliseconds(shown, end);
    figures.longestStill = std::max(figures.longestStill, still);
    frozen += std::max(0.0, still - period);
    ++figures.pictures;
    shown = end;
  }
  const double last = Milliseconds(shown, release);
  figures.longestStill = std::max(figures.longestStill, last);
  frozen += std::max(0.0, last - period);
  figures.frozenShare = frozen / Milliseconds(start, release);
  figures.settled = Milliseconds(release, Settle(watch, release, 4000, 30000));
  return figures;
}

ResizeFigures ScriptedResize(QMdiSubWindow &frame, TGraphForm &form, int steps, double perSecond,
                             int step) {
  QWidget *box = form.PaintBox1;
  Settle(PaintWatch(box), Clock::now(), 300, 5000);
  const QSize start = frame.size();
  const double period = 1000.0 / perSecond;
  std::vector<double> times;
  for (int k = 1; k <= steps; ++k) {
    const Clock::time_point due =
        Clock::now() + std::chrono::microseconds(std::lround(period * 1000));
    PaintWatch watch(box);
    const int out = std::min(k, steps - k);
    const Clock::time_point begin = Clock::now();
    frame.resize(start + QSize(out * step, out * step));
    const Clock::time_point limit = begin + std::chrono::seconds(20);
    while (watch.Ends.empty() && Clock::now() < limit)
      RunUntil(Clock::now() + std::chrono::milliseconds(1));
    times.push_back(Milliseconds(begin, watch.Ends.empty() ? limit : watch.Ends.front()));
    RunUntil(due);
  }
  Settle(PaintWatch(box), Clock::now(), 4000, 30000);
  std::sort(times.begin(), times.end());
  return {times[times.size() / 2], times.back()};
}
