#pragma once
// The colour of text on a coloured cell: black or white, whichever reads
// better on the background.
#include <QColor>

// Judged by the perceived lightness contrast of text on a background, with
// separate curves for dark text on light and light text on dark ground, so
// that a mid grey such as 128/128/128 takes white text and a light grey
// black.
QColor ReadableTextColour(const QColor &background);
