#pragma once
// The program's forms for one window test, on an empty model.  At the end
// the model counts as saved, so nothing asks; the tables are emptied again,
// and the settings file written at the close and the temporary protocols
// (which only a close would delete) are removed.
#include "app/Application.h"
#include "app/TempFiles.h"
#include "tests/support/ModelTables.h"

#include <QFile>
#include <memory>

class FormsSession {
public:
  FormsSession() : forms_((ClearModelTables(), std::make_unique<AutoCreatedForms>())) {}
  ~FormsSession() {
    forms_->mainForm.SetSystemChanged(0);
    forms_->mainForm.SetLoadChanged(0);
    RemoveTempFiles(forms_->mainForm.TempFiles);
    forms_.reset();
    ClearModelTables();
    QFile::remove(QString::fromStdString(SettingsFileName));
  }
  FormsSession(const FormsSession &) = delete;
  FormsSession &operator=(const FormsSession &) = delete;

  TMainForm &Form() { return forms_->mainForm; }

private:
  std::unique_ptr<AutoCreatedForms> forms_;
};
