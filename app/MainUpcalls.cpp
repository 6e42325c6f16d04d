#include "app/MainUpcalls.h"

#include "app/MainForm.h"
#include "app/SolForm.h"
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
  // The core's boxes are warnings (errors of the analysis) or questions.
  const MsgIcon icon = shown == MsgButtons::Ok ? MsgIcon::Warning : MsgIcon::Question;
  switch (MessageBox(text, caption, shown, icon)) {
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

void TMainUpcalls::ShowInputFault(const InputFault &fault) {
  Form.ShowInputFault(fault);
}

void TMainUpcalls::SetResultCaption(const std::string &text) {
  Form.SetResultCaption(text);
}

// The status window exists from the start of the program to its end; the
// checks guard only against a core call before it is made.
void TMainUpcalls::SetStep(int step) {
  if (SolForm)
    SolForm->SetStep(step);
}

void TMainUpcalls::SetNodeNb(int n) {
  if (SolForm)
    SolForm->SetNodeNb(n);
}

void TMainUpcalls::SetElNb(int n) {
  if (SolForm)
    SolForm->SetElNb(n);
}

void TMainUpcalls::SetFGNb(int n) {
  if (SolForm)
    SolForm->SetFGNb(n);
}

void TMainUpcalls::SetBCNb(int n) {
  if (SolForm)
    SolForm->SetBCNb(n);
}

void TMainUpcalls::ShowStatusWindow() {
  if (SolForm)
    SolForm->ShowForAnalysis();
}

void TMainUpcalls::SetMemory(long long bytes) {
  if (SolForm)
    SolForm->SetMemory(bytes);
}

void TMainUpcalls::SetBandbreite(int n) {
  if (SolForm)
    SolForm->SetBandbreite(n);
}

void TMainUpcalls::ShowIterationText(const std::string &text) {
  if (SolForm)
    SolForm->ShowIterationText(text);
}

void TMainUpcalls::ShowNormText(const std::string &text) {
  if (SolForm)
    SolForm->ShowNormText(text);
}

void TMainUpcalls::SetStatusState(StatusWindowState state) {
  if (!SolForm)
    return;
  switch (state) {
  case StatusWindowState::Finished:
    SolForm->ShowFinishedState();
    break;
  case StatusWindowState::Iteration:
    SolForm->ShowIterationState();
    break;
  case StatusWindowState::Error:
    SolForm->ShowErrorState();
    break;
  }
}

void TMainUpcalls::NotifyChildren(int keepView) {
  Form.NotifyChildren(keepView);
}

void TMainUpcalls::ExcludeAllFromPrint() {
  Form.ExcludeAllFromPrint();
}

void TMainUpcalls::PrintGraphics() {
  Form.PrintGraphics();
}
