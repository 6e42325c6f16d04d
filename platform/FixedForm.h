#pragma once
// Helpers for the program's small fixed forms: a dialog border with only the
// close box, controls placed at pixel positions and named after their
// components (objectName), and placement in the middle of the screen.
#include <QRect>
#include <Qt>

class QLabel;
class QPushButton;
class QWidget;

// A dialog that cannot be resized, with a title and a close box only.
constexpr Qt::WindowFlags kDialogBorder = Qt::Dialog | Qt::CustomizeWindowHint |
                                          Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                                          Qt::MSWindowsFixedSizeDialogHint;

// Names and captions the form, fixes its client area and centres it on the
// primary screen (left where it is when there is none).
void SetUpFixedForm(QWidget &form, const char *name, const char *caption, int clientWidth,
                    int clientHeight);
void CenterOnScreen(QWidget &window);

// A control of parent at place; texts are UTF-8.
QLabel *NewLabel(QWidget *parent, const char *name, const char *text, const QRect &place);
QPushButton *NewButton(QWidget *parent, const char *name, const char *text, const QRect &place);
