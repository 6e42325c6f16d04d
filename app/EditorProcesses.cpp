#include "app/EditorProcesses.h"

#include "app/MainForm.h"
#include "graphics/core/Settings.h"
#include "model/Commonfkc.h"
#include "platform/MessageBox.h"

#include <QCoreApplication>
#include <QProcess>

std::string ResolveEditorProgram() {
  if (EditorProgram == "Velto.exe" || EditorProgram == "Velto")
    EditorProgram = QCoreApplication::applicationDirPath().toStdString() + "/Velto";
  return EditorProgram;
}

QProcess *StartEditor(const std::string &file, QObject *owner) {
  const std::string program = ResolveEditorProgram();
  auto *editor = new QProcess(owner);
  editor->setProcessChannelMode(QProcess::ForwardedChannels);
  editor->start(QString::fromStdString(program), {QString::fromStdString(file)});
  if (editor->waitForStarted())
    return editor;
  delete editor;
  MessageBox(FormatString("Programm '%s' kann nicht ausgeführt werden", program.c_str()), "Fehler",
             MsgButtons::Ok, MsgIcon::Error);
  return nullptr;
}

void KillEditor(QProcess *&slot) {
  if (slot && slot->state() != QProcess::NotRunning) {
    slot->kill();
    slot->waitForFinished();
  }
  delete slot;
  slot = nullptr;
}

void TMainForm::KillInputEditor() {
  KillEditor(InputEditor);
}

void TMainForm::KillResultsEditor() {
  KillEditor(ResultsEditor);
}

void TMainForm::KillEditors() {
  KillInputEditor();
  KillResultsEditor();
}
