#pragma once
// The editor's program-wide state: the document, the settings file, the page
// margins and its two forms.
#include <array>
#include <string>

class TMainForm;
class TSiteDialog;

// The document path: the whole command tail, empty when there is none.
extern std::string FileName;
// The settings file beside the program.
extern std::string IniFileName;
// Page margins in millimetres: [0] left, [1] right, [2] top, [3] bottom.
extern std::array<int, 4> PageMargins;

extern TMainForm *MainForm;
extern TSiteDialog *SiteDialog;
