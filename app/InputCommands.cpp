// The "&Eingabe" menu and the input forms as the frame window knows them:
// each made once, on first request, as a child window that frees itself
// when closed; the pending edits of their grids; the faults of the checks.
#include "app/MainForm.h"

#include "app/InputForms.h"
#include "model/InputFault.h"
#include "platform/MessageBox.h"

#include <QMdiArea>
#include <QMdiSubWindow>

namespace {

// Visible at once, placed by the frame.
template <class Form> Form *NewInputForm(QMdiArea *area) {
  auto *form = new Form;
  QMdiSubWindow *frame = area->addSubWindow(form);
  frame->setAttribute(Qt::WA_DeleteOnClose);
  frame->show();
  return form;
}

// A minimised form comes back; a maximised one stays maximised.
void Activate(TInputForm *form) {
  form->show();
  if (auto *frame = qobject_cast<QMdiSubWindow *>(form->parentWidget())) {
    if (frame->isMinimized())
      frame->showNormal();
    else
      frame->show();
    frame->mdiArea()->setActiveSubWindow(frame);
  }
}

} // namespace

TSystemInputForm *TMainForm::GetSystemInputForm() {
  if (!SystemInputWindow)
    SystemInputWindow = NewInputForm<TSystemInputForm>(MdiArea);
  return SystemInputWindow;
}

TLoadInputForm *TMainForm::GetLoadInputForm() {
  if (!LoadInputWindow)
    LoadInputWindow = NewInputForm<TLoadInputForm>(MdiArea);
  return LoadInputWindow;
}

TInputForm *TMainForm::InputWindow(FileKind kind) const {
  if (kind == FileKind::System)
    return SystemInputWindow.data();
  return LoadInputWindow.data();
}

void TMainForm::System1Click() {
  Activate(GetSystemInputForm());
}

void TMainForm::Belastung1Click() {
  Activate(GetLoadInputForm());
}

bool TMainForm::CommitInputEdits() {
  bool stored = true;
  for (FileKind kind : {FileKind::System, FileKind::Load})
    stored = EditsStored(kind) && stored;
  return stored;
}

void TMainForm::ShowInputFault(const InputFault &fault) {
  TInputForm *form = fault.form == InputForm::System
                         ? static_cast<TInputForm *>(GetSystemInputForm())
                         : static_cast<TInputForm *>(GetLoadInputForm());
  Activate(form);
  form->ShowFault(fault);
  MessageBox(fault.message, "Eingabefehler", MsgButtons::Ok, MsgIcon::Warning);
}
