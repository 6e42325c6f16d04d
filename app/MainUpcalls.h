#pragma once
// The application's side of the upward seam: the tables, checks and drivers
// of the core call these, and they reach the frame window, the status window
// and the message boxes.
#include "model/Upcalls.h"

class TMainForm;

class TMainUpcalls : public UpcallInterface {
public:
  explicit TMainUpcalls(TMainForm &form) : Form(form) {}

  void SystemChanged() override;
  void LoadChanged() override;
  MessageAnswer ShowMessage(const std::string &caption, const std::string &text,
                            MessageButtons buttons) override;
  void ShowInputFault(const InputFault &fault) override;

private:
  TMainForm &Form;
};
