#include "editor/VeltoGlobals.h"

std::string FileName;
std::string IniFileName;
std::array<int, 4> PageMargins{5, 5, 5, 5};

TMainForm *MainForm = nullptr;
TSiteDialog *SiteDialog = nullptr;
