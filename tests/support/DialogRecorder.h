#pragma once
// Answers every message box and dialog of the code under test while it lives:
// each request is recorded, and the answers are taken from a script in
// order.  With the script used up, a box gets its default button and a
// dialog counts as cancelled.
#include "platform/DialogAnswerer.h"

#include <deque>
#include <string>
#include <vector>

class DialogRecorder {
public:
  std::vector<DialogRequest> requests;
  std::deque<DialogAnswer> script;

  void Answer(MsgResult button, const std::string &fileName = {}) {
    script.push_back(DialogAnswer{button, fileName});
  }

  // A value dialog answered with the typed text.
  void AnswerValue(MsgResult button, const std::string &text) {
    script.push_back(DialogAnswer{button, {}, text});
  }

  // The texts of the message boxes shown so far.
  std::vector<std::string> Messages() const {
    std::vector<std::string> texts;
    for (const DialogRequest &request : requests)
      if (request.kind == DialogKind::Message)
        texts.push_back(request.text);
    return texts;
  }

private:
  DialogAnswer Respond(const DialogRequest &request) {
    requests.push_back(request);
    if (!script.empty()) {
      DialogAnswer answer = script.front();
      script.pop_front();
      return answer;
    }
    if (request.kind == DialogKind::Message)
      return DialogAnswer{request.defaultButton, {}};
    return DialogAnswer{MsgResult::Cancel, {}};
  }

  ScopedDialogAnswerer scope_{[this](const DialogRequest &request) { return Respond(request); }};
};
