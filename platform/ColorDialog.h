#pragma once
// The colour dialog.  The program keeps colours as TColor values (blue *
// 65536 + green * 256 + red); the conversion to and from the toolkit's
// colour happens here and nowhere else in the dialogs.  A test's answerer
// (DialogAnswerer.h) picks the colour; in unattended runs (MessageLog.h) the
// dialog counts as cancelled.
#include <optional>

class QColor;
class QWidget;

// The colour the user confirmed, starting from color; nothing when the
// dialog was cancelled.  The parent defaults to the active window.
std::optional<int> ExecuteColorDialog(int color, QWidget *parent = nullptr);

// A TColor (of a dialog or of the drawing layer) as the toolkit's colour and
// back; bits above the 24 colour bits are ignored.
QColor ToQColor(int color);
int ToTColor(const QColor &color);
