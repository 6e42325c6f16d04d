#pragma once
// What the program entry does before its message loop runs.
#include "app/AboutBox.h"
#include "app/DruckerForm.h"
#include "app/MainForm.h"
#include "app/OptionenForm.h"
#include "app/SolForm.h"
#include "graphics/widgets/TreeForm.h"
#include "graphics/widgets/ValueEditForm.h"

class QApplication;

// Names the application and sets the C library's numeric locale back to "C",
// which the application object has just taken from the environment: files,
// settings and protocols always use a decimal point.  Qt's own texts (the
// standard buttons and dialogs) are German when Qt's translation is there.
void PrepareApplication(QApplication &application);

// The forms made at start, in this order, all hidden; the frame window ends
// the program when it closes.
struct AutoCreatedForms {
  AutoCreatedForms();
  TMainForm mainForm;
  TValueEditForm valueEditForm;
  TTreeForm treeForm;
  TOptionenForm optionenForm;
  TDruckerForm druckerForm;
  TSolForm solForm;
  TAboutBox aboutBox;
};
