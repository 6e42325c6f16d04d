#include "model/Upcalls.h"

namespace {

UpcallInterface defaults;
UpcallInterface *installed = nullptr;

} // namespace

MessageAnswer UpcallInterface::ShowMessage(const std::string &, const std::string &,
                                           MessageButtons buttons) {
  switch (buttons) {
  case MessageButtons::YesNo:
    return MessageAnswer::No;
  case MessageButtons::YesNoCancel:
    return MessageAnswer::Cancel;
  default:
    return MessageAnswer::OK;
  }
}

UpcallInterface &Upcalls() {
  return installed != nullptr ? *installed : defaults;
}

UpcallInterface *InstallUpcalls(UpcallInterface *upcalls) {
  UpcallInterface *previous = installed;
  installed = upcalls;
  return previous;
}
