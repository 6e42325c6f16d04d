// "Zeigen / Eingabeprotokoll" and "Zeigen / Ergebnisse": the protocol goes
// into a new temporary file and the editor is started on it.  The old editor
// of that kind is ended only once the new protocol is written, so a protocol
// that fails leaves it showing the previous one.
#include "analysis/InputProtocol.h"
#include "app/EditorProcesses.h"
#include "app/MainForm.h"
#include "app/TempFiles.h"

namespace {

ProtocolHeader HeaderOf(const TMainForm &form) {
  return ProtocolHeader{form.SystemFileName, form.LoadFileName};
}

} // namespace

void TMainForm::Eingabeprotocoll1Click() {
  std::string text;
  PrintInput(text, HeaderOf(*this));
  const std::string name = WriteTempProtocol(TempFiles, text);
  KillInputEditor();
  InputEditor = StartEditor(name, this);
}
