#include "app/MainUpcalls.h"

#include "app/MainForm.h"
#include "platform/MessageBox.h"

void TMainUpcalls::SystemChanged() {
  Form.SystemModified();
  Form.KillEditors();
}

void TMainUpcalls::LoadChanged() {
  Form.LoadModified();
  Form.KillEditors();
}

MessageAnswer TMainUpcalls::ShowMessage(const std::string &caption, const std::string &text,
                                        MessageButtons buttons) {
  MsgButtons shown = MsgButtons::Ok;
  if (buttons == MessageButtons::YesNo)
    shown = MsgButtons::YesNo;
  else if (buttons == MessageButtons::YesNoCancel)
    shown = MsgButtons::YesNoCancel;
  switch (MessageBox(text, caption, shown)) {
  case MsgResult::Yes:
    return MessageAnswer::Yes;
  case MsgResult::No:
    return MessageAnswer::No;
  case MsgResult::Cancel:
    return MessageAnswer::Cancel;
  default:
    return MessageAnswer::OK;
  }
}
