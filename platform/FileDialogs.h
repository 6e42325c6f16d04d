#pragma once
// Open and save dialogs.  A test's answerer (DialogAnswerer.h) picks the file;
// in unattended runs (MessageLog.h) the dialogs count as cancelled.
#include <optional>
#include <string>

class QWidget;

struct FileDialogOptions {
  std::string title;      // window title, e.g. "System öffnen"
  std::string filter;     // pairs "description|patterns", patterns separated
                          // by ';': "Kelmor System|*.ssy;*.sys|Alle|*.*"
  std::string defaultExt; // appended as ".ext" to a chosen name without one
  std::string fileName;   // file or folder offered first
};

// The chosen file, or nothing when the dialog was cancelled.  The open
// dialog accepts existing files only; the save dialog asks before it
// replaces an existing file.
std::optional<std::string> OpenFileDialog(const FileDialogOptions &options,
                                          QWidget *parent = nullptr);
std::optional<std::string> SaveFileDialog(const FileDialogOptions &options,
                                          QWidget *parent = nullptr);

// The filter in the dialog's own notation: "Kelmor System (*.ssy *.sys)",
// one line per pair, separated by ";;".
std::string QtFileFilter(const std::string &filter);

// The name with ".ext" appended when its last path component has no
// extension; unchanged when ext is empty.
std::string WithDefaultExtension(const std::string &fileName, const std::string &ext);
