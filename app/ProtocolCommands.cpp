// "Zeigen / Eingabeprotokoll" and "Zeigen / Ergebnisse": the protocol goes
// into a new temporary file and the editor is started on it.  The old editor
// of that kind is ended only once the new protocol is written, so a protocol
// that fails leaves it showing the previous one.
#include "app/ProtocolCommands.h"

#include "analysis/InputProtocol.h"
#include "analysis/ResultsProtocol.h"
#include "app/EditorProcesses.h"
#include "app/MainForm.h"
#include "app/TempFiles.h"
#include "platform/MessageBox.h"

namespace {

ProtocolHeader HeaderOf(const TMainForm &form) {
  return ProtocolHeader{form.SystemFileName, form.LoadFileName};
}

} // namespace

std::optional<std::string> ResultsProtocolText(const TMainForm &form) {
  std::string text;
  if (PrintResults(text, HeaderOf(form)))
    return text;
  MessageBox("Keine Ergebnisse sind vorhanden", "Information", MsgButtons::Ok,
             MsgIcon::Information);
  return std::nullopt;
}

void TMainForm::Eingabeprotocoll1Click() {
  if (!CommitInputEdits())
    return; // the protocol would show other values than the grid
  std::string text;
  PrintInput(text, HeaderOf(*this));
  const std::string name = WriteTempProtocol(TempFiles, text);
  KillInputEditor();
  InputEditor = StartEditor(name, this);
}

void TMainForm::Ergebnisse1Click() {
  CommitInputEdits();
  const std::optional<std::string> text = ResultsProtocolText(*this);
  if (!text)
    return;
  const std::string name = WriteTempProtocol(TempFiles, *text);
  KillResultsEditor();
  ResultsEditor = StartEditor(name, this);
}
