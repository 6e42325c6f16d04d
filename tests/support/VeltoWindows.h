#pragma once
// Helpers for the editor's window tests: the two forms built the way the
// program builds them, and the settings file beside the test program.
#include "editor/MainForm.h"
#include "editor/SiteDialog.h"
#include "editor/VeltoGlobals.h"
#include "editor/VeltoSettings.h"
#include "tests/support/FileBytes.h"

#include <QCoreApplication>
#include <memory>
#include <string>

// Both forms on the document path, as the program starts them.
struct VeltoWindows {
  explicit VeltoWindows(const std::string &document) {
    FileName = document;
    form = std::make_unique<TMainForm>();
    site = std::make_unique<TSiteDialog>(form.get());
    MainForm = form.get();
    SiteDialog = site.get();
  }
  ~VeltoWindows() {
    MainForm = nullptr;
    SiteDialog = nullptr;
  }
  std::unique_ptr<TMainForm> form;
  std::unique_ptr<TSiteDialog> site; // destroyed before its parent
};

inline QString TestSettingsPath() {
  return QString::fromStdString(
      SettingsPathFor(QCoreApplication::applicationFilePath().toStdString()));
}
