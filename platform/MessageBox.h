#pragma once
// Message boxes of both programs.  Every box goes through here so that tests
// can answer it (DialogAnswerer.h) and unattended runs can log it
// (MessageLog.h).  Texts and captions are UTF-8 and shown as plain text.
#include "platform/DialogAnswerer.h"

#include <optional>
#include <string>

class QWidget;

// Shows a modal box and returns the button that ended it.  defaultButton is
// the button Enter presses and the answer of an unattended run; when not
// given it is the first button of the set (Ok or Yes).  The parent defaults
// to a visible window that stays on top (the box is then shown above it and
// takes the focus from it), else to the active window.  Closing the box without a button gives
// Cancel, or No (Yes/No) or Ok (OK only) where the set has no Cancel.
MsgResult MessageBox(const std::string &text, const std::string &caption,
                     MsgButtons buttons = MsgButtons::Ok, MsgIcon icon = MsgIcon::None,
                     std::optional<MsgResult> defaultButton = std::nullopt,
                     QWidget *parent = nullptr);

// A plain message with an OK button, captioned with the application's name.
void ShowMessage(const std::string &text);
