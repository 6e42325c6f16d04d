#pragma once
// The program's logo: a wide picture (three times as wide as high) of a
// portal frame with its moment diagram and the program's name.  The about
// box shows it, and the title block of the graphics printout draws it into
// its logo cell.  It is a vector picture, kept as a resource of the program.
#include <QPixmap>

class QPainter;
class QRectF;

// The logo's width divided by its height.
constexpr double kProgramIconAspect = 3.0;

// Draws the logo stretched into target.
void DrawProgramIcon(QPainter &painter, const QRectF &target);
// The logo as a picture of the given size, in device pixels.
QPixmap ProgramIcon(const QSize &size);
