#include "platform/DialogAnswerer.h"

namespace {
DialogAnswerer &InstalledAnswerer() {
  static DialogAnswerer answerer;
  return answerer;
}
} // namespace

void InstallDialogAnswerer(DialogAnswerer answerer) {
  InstalledAnswerer() = std::move(answerer);
}

std::optional<DialogAnswer> AskDialogAnswerer(const DialogRequest &request) {
  const DialogAnswerer &answerer = InstalledAnswerer();
  if (!answerer)
    return std::nullopt;
  return answerer(request);
}
