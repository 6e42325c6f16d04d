// New, open, save and save as for the system and the load case.  The two
// sides are twins that differ only in their tables, texts and dialogs.
#include "app/MainForm.h"

#include "app/InputForms.h"
#include "model/ModelFiles.h"
#include "model/TableLists.h"
#include "platform/FileDialogs.h"
#include "platform/MessageBox.h"

#include <QLabel>
#include <exception>
#include <optional>
#include <vector>

namespace {

struct FileSide {
  const char *question;
  const char *questionCaption;
  const char *namePrefix;
  FileDialogOptions open;
  FileDialogOptions save;
  void (*read)(const std::string &path);
  void (*write)(const std::string &path);
  TableList tables; // in file order
};

const FileSide &SystemSide() {
  static const FileSide side{"Geometrie erst speichern ?",
                             "System geändert",
                             "System: ",
                             {"System öffnen", "Kelmor Systemdatei |*.ssy;*.sys", "ssy", ""},
                             {"System speichern", "Kelmor System|*.ssy;*.sys", "ssy", ""},
                             ReadSystemFile,
                             WriteSystemFile,
                             SystemTableList()};
  return side;
}

const FileSide &LoadSide() {
  static const FileSide side{"Lasteingaben erst speichern ?",
                             "Lasfall geändert",
                             "Lastfall: ",
                             {"Lastfall öffnen", "Kelmor Belastung|*.sla;*.las", "sla", ""},
                             {"Lastfall speichern", "Kelmor Belastung|*.sla;*.las", "sla", ""},
                             ReadLoadFile,
                             WriteLoadFile,
                             LoadTableList()};
  return side;
}

const FileSide &Side(TMainForm::FileKind kind) {
  return kind == TMainForm::FileKind::System ? SystemSide() : LoadSide();
}

// A failed read or write: the reader's or writer's message, the tables or
// the file on disk as they were.
void ShowFileFault(const std::exception &fault) {
  MessageBox(fault.what(), "Fehler", MsgButtons::Ok, MsgIcon::Error);
}

} // namespace

std::string &TMainForm::FileName(FileKind kind) {
  return kind == FileKind::System ? SystemFileName : LoadFileName;
}

int TMainForm::ChangedFlag(FileKind kind) const {
  return kind == FileKind::System ? SystemChangedFlag : LoadChangedFlag;
}

void TMainForm::SetChanged(FileKind kind, int flag) {
  kind == FileKind::System ? SetSystemChanged(flag) : SetLoadChanged(flag);
}

void TMainForm::Modified(FileKind kind) {
  kind == FileKind::System ? SystemModified() : LoadModified();
}

// Asks whether to save the changes first.  False when the user cancelled or
// the save he asked for did not happen: the caller must then keep everything.
// What the grids still hold counts as a change; a text a grid refuses keeps
// everything, for correction.
bool TMainForm::AskSave(FileKind kind) {
  if (!EditsStored(kind))
    return false;
  if (!ChangedFlag(kind))
    return true;
  const FileSide &side = Side(kind);
  switch (
      MessageBox(side.question, side.questionCaption, MsgButtons::YesNoCancel, MsgIcon::Question)) {
  case MsgResult::Yes:
    return Save(kind) == 1;
  case MsgResult::No:
    return true;
  default:
    return false;
  }
}

int TMainForm::NewFile(FileKind kind) {
  if (!AskSave(kind))
    return 2;
  for (InputContainer *table : Side(kind).tables)
    table->ClearRows();
  Modified(kind);
  SetChanged(kind, 0);
  SetName(kind, "");
  return 1;
}

// The file is chosen first; the question about unsaved changes follows.
void TMainForm::OpenCommand(FileKind kind) {
  FileDialogOptions options = Side(kind).open;
  options.fileName = FileName(kind);
  const std::optional<std::string> name = OpenFileDialog(options, this);
  if (!name || NewFile(kind) == 2)
    return;
  OpenFile(kind, *name);
}

// Name and change mark change only when the whole file was read.
int TMainForm::OpenFile(FileKind kind, const std::string &name) {
  try {
    Side(kind).read(name);
  } catch (const std::exception &fault) {
    ShowFileFault(fault);
    return 0;
  }
  Modified(kind);
  SetChanged(kind, 0);
  SetName(kind, name);
  return 1;
}

// A text its grid refuses stops a save: it stays in its cell for
// correction, and the file keeps what it held.
bool TMainForm::EditsStored(FileKind kind) {
  TInputForm *form = InputWindow(kind);
  return form == nullptr || form->CommitEdits();
}

int TMainForm::Save(FileKind kind) {
  if (!EditsStored(kind))
    return 0;
  if (!FileName(kind).empty())
    return Write(kind, FileName(kind));
  const std::optional<std::string> name = ChooseSaveName(kind);
  return name ? Write(kind, *name) : 0;
}

std::optional<std::string> TMainForm::ChooseSaveName(FileKind kind) {
  FileDialogOptions options = Side(kind).save;
  options.fileName = FileName(kind);
  return SaveFileDialog(options, this);
}

// Name and change mark change only when the whole file was written: a file
// that cannot be written under a new name leaves the old one in force.
int TMainForm::Write(FileKind kind, const std::string &name) {
  try {
    Side(kind).write(name);
  } catch (const std::exception &fault) {
    ShowFileFault(fault);
    return 0;
  }
  SetChanged(kind, 0);
  SetName(kind, name);
  return 1;
}

void TMainForm::SetName(FileKind kind, const std::string &name) {
  FileName(kind) = name;
  QLabel *label = kind == FileKind::System ? StaticTextSystem : StaticTextLoad;
  label->setText(QString::fromStdString(Side(kind).namePrefix + StripPath(name)));
  if (TInputForm *form = InputWindow(kind))
    form->SetName(name);
}

// A confirmed dialog answers 1, whether or not the write then succeeds (a
// failure has shown its message and kept the name and the change mark).
int TMainForm::SaveAs(FileKind kind) {
  if (!EditsStored(kind))
    return 0;
  const std::optional<std::string> name = ChooseSaveName(kind);
  if (!name)
    return 0;
  Write(kind, *name);
  return 1;
}

int TMainForm::NewSystem() {
  return NewFile(FileKind::System);
}
void TMainForm::OpenSystemCommand() {
  OpenCommand(FileKind::System);
}
int TMainForm::OpenSystemFile(const std::string &name) {
  return OpenFile(FileKind::System, name);
}
int TMainForm::SaveSystem() {
  return Save(FileKind::System);
}
int TMainForm::SaveSystemAs() {
  return SaveAs(FileKind::System);
}
void TMainForm::SetSystemName(const std::string &name) {
  SetName(FileKind::System, name);
}

int TMainForm::NewLoad() {
  return NewFile(FileKind::Load);
}
void TMainForm::OpenLoadCommand() {
  OpenCommand(FileKind::Load);
}
int TMainForm::OpenLoadFile(const std::string &name) {
  return OpenFile(FileKind::Load, name);
}
int TMainForm::SaveLoad() {
  return Save(FileKind::Load);
}
int TMainForm::SaveLoadAs() {
  return SaveAs(FileKind::Load);
}
void TMainForm::SetLoadName(const std::string &name) {
  SetName(FileKind::Load, name);
}

// Asks both questions before anything happens; the program is ending, so
// nothing is cleared.  Any Cancel keeps the program open as it was.
bool TMainForm::FormCloseQuery() {
  return AskSave(FileKind::System) && AskSave(FileKind::Load);
}

void TMainForm::FileNewItemClick() {
  NewSystem();
  NewLoad();
}

void TMainForm::Systemffnen1Click() {
  OpenSystemCommand();
}
void TMainForm::Belastungffnen1Click() {
  OpenLoadCommand();
}

void TMainForm::Speichern1Click() {
  SaveSystem();
  SaveLoad();
}

void TMainForm::System2Click() {
  SaveSystemAs();
}
void TMainForm::Belstung1Click() {
  SaveLoadAs();
}
void TMainForm::FileOpenItemClick() {
  close();
}
