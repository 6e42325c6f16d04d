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
  void ExcludeAllFromPrint() override;
  void PrintGraphics() override;
  MessageAnswer ShowMessage(const std::string &caption, const std::string &text,
                            MessageButtons buttons) override;
  void ShowInputFault(const InputFault &fault) override;
  void SetResultCaption(const std::string &text) override;
  void SetStep(int step) override;
  void SetNodeNb(int n) override;
  void SetElNb(int n) override;
  void SetFGNb(int n) override;
  void SetBCNb(int n) override;
  void ShowStatusWindow() override;
  void SetMemory(long long bytes) override;
  void SetBandbreite(int n) override;
  void ShowIterationText(const std::string &text) override;
  void ShowNormText(const std::string &text) override;
  void SetStatusState(StatusWindowState state) override;
  void NotifyChildren(int keepView) override;

private:
  TMainForm &Form;
};
