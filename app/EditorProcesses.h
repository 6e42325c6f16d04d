#pragma once
// The editor program that shows a text protocol: started without waiting,
// with the protocol file as its only argument, and ended when its text no
// longer matches the model.
#include <string>

class QObject;
class QProcess;

// The program to start.  The default setting "Velto.exe" (or "Velto") means
// the Velto beside the running program; it is replaced in EditorProgram by
// that absolute path, which the settings file then keeps.  Any other setting
// is used as it stands.
std::string ResolveEditorProgram();

// Starts the editor on file (no shell is involved: program and file are
// separate arguments) and returns its process, owned by owner.  A program
// that cannot be started gets the message "Programm '%s' kann nicht
// ausgeführt werden" and the result is null.
QProcess *StartEditor(const std::string &file, QObject *owner);

// Ends the editor in slot if it still runs (one the user has closed already
// is simply forgotten) and sets the slot to null.
void KillEditor(QProcess *&slot);
