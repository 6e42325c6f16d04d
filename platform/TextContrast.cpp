#include "platform/TextContrast.h"

#include <cmath>

namespace {

// Screen luminance from 0 to 1, with the near-black end lifted a little, as
// the eye sees very dark colours on a screen.
double Luminance(const QColor &colour) {
  auto channel = [](int value) { return std::pow(value / 255.0, 2.4); };
  const double y = 0.2126729 * channel(colour.red()) + 0.7151522 * channel(colour.green()) +
                   0.0721750 * channel(colour.blue());
  constexpr double kBlackLift = 0.022;
  return y < kBlackLift ? y + std::pow(kBlackLift - y, 1.414) : y;
}

// Perceived contrast of text on a background; its size is what counts.
double Contrast(double text, double background) {
  if (background > text)
    return (std::pow(background, 0.56) - std::pow(text, 0.57)) * 1.14;
  return (std::pow(text, 0.62) - std::pow(background, 0.65)) * 1.14;
}

} // namespace

QColor ReadableTextColour(const QColor &background) {
  const double ground = Luminance(background);
  const double black = Contrast(Luminance(Qt::black), ground);
  const double white = Contrast(Luminance(Qt::white), ground);
  return white > black ? QColor(Qt::white) : QColor(Qt::black);
}
