#include "platform/DialogAnswerer.h"

#include <utility>

namespace {
DialogAnswerer &InstalledAnswerer() {
  static DialogAnswerer answerer;
  return answerer;
}
} // namespace

DialogAnswerer InstallDialogAnswerer(DialogAnswerer answerer) {
  return std::exchange(InstalledAnswerer(), std::move(answerer));
}

std::optional<DialogAnswer> AskDialogAnswerer(const DialogRequest &request) {
  const DialogAnswerer &answerer = InstalledAnswerer();
  if (!answerer)
    return std::nullopt;
  return answerer(request);
}
