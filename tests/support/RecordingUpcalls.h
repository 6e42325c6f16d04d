#pragma once
// Installs itself as the upward seam for the lifetime of a test: counts the
// change reports, records every message box and answers them from a queue
// (the seam's default answer when the queue is empty), and keeps what the
// analysis shows in the result caption and the status window.
#include "model/Upcalls.h"

#include <deque>
#include <string>
#include <vector>

class RecordingUpcalls : public UpcallInterface {
public:
  struct Box {
    std::string caption;
    std::string text;
    MessageButtons buttons;
  };

  RecordingUpcalls() : previous_(InstallUpcalls(this)) {}
  ~RecordingUpcalls() override { InstallUpcalls(previous_); }
  RecordingUpcalls(const RecordingUpcalls &) = delete;
  RecordingUpcalls &operator=(const RecordingUpcalls &) = delete;

  void SystemChanged() override { ++systemChanged; }
  void LoadChanged() override { ++loadChanged; }
  MessageAnswer ShowMessage(const std::string &caption, const std::string &text,
                            MessageButtons buttons) override {
    boxes.push_back({caption, text, buttons});
    if (answers.empty())
      return UpcallInterface::ShowMessage(caption, text, buttons);
    const MessageAnswer answer = answers.front();
    answers.pop_front();
    return answer;
  }

  void SetResultCaption(const std::string &text) override { resultCaptions.push_back(text); }
  void SetStep(int step) override { steps.push_back(step); }
  void SetNodeNb(int n) override { nodeNb = n; }
  void SetElNb(int n) override { elNb = n; }
  void SetFGNb(int n) override { fgNb = n; }
  void SetBCNb(int n) override { bcNb = n; }
  void ShowInputFault(const InputFault &fault) override { faults.push_back(fault); }
  void ShowStatusWindow() override { ++statusWindowShown; }
  void SetMemory(long long bytes) override { memory = bytes; }
  void SetBandbreite(int width) override { bandwidth = width; }
  void ShowIterationText(const std::string &text) override { iterationTexts.push_back(text); }
  void ShowNormText(const std::string &text) override { normTexts.push_back(text); }
  void SetStatusState(StatusWindowState state) override { states.push_back(state); }
  void NotifyChildren(int) override { ++notified; }

  int systemChanged = 0;
  int loadChanged = 0;
  std::vector<std::string> resultCaptions;
  std::vector<int> steps;
  int nodeNb = -1, elNb = -1, fgNb = -1, bcNb = -1;
  std::vector<Box> boxes;
  std::deque<MessageAnswer> answers;
  std::vector<InputFault> faults;
  int statusWindowShown = 0;
  long long memory = -1;
  int bandwidth = -1;
  std::vector<std::string> iterationTexts;
  std::vector<std::string> normTexts;
  std::vector<StatusWindowState> states;
  int notified = 0;

private:
  UpcallInterface *previous_;
};
