#include "app/BatchInterpreter.h"

#include "analysis/Drivers.h"
#include "analysis/ProtocolText.h"
#include "analysis/Solutions.h"
#include "analysis/SolveStep.h"
#include "app/BatchLine.h"
#include "app/MainForm.h"
#include "app/ProtocolCommands.h"
#include "graphics/widgets/PictureExport.h"
#include "graphics/widgets/TGraphForm.h"
#include "model/CLocale.h"
#include "model/Commonfkc.h"
#include "platform/EventGuard.h"
#include "platform/MessageBox.h"

#include <QPointer>
#include <cctype>
#include <climits>
#include <cstdlib>

namespace {

// Further iterations a SOLVEII runs at most after the first ones.
constexpr int kMaxBatchIterations = 50;

bool SameKeyword(const std::string &keyword, const char *word) {
  std::size_t i = 0;
  for (; i < keyword.size() && word[i]; ++i)
    if (std::toupper(static_cast<unsigned char>(keyword[i])) != word[i])
      return false;
  return i == keyword.size() && !word[i];
}

// The leading integer of text as the runtime reads it, 0 when there is
// none; a number beyond the range of int reads as 0 as well.
int BatchInteger(const std::string &text) {
  const long value = std::strtol(text.c_str(), nullptr, 10);
  return value >= INT_MIN && value <= INT_MAX ? static_cast<int>(value) : 0;
}

class BatchRun {
public:
  explicit BatchRun(TMainForm &form) : Form(form) {}

  // The run's graph window: layers 2, 3, 4, 7 and 12 cleared, then the tab
  // change of tab 0.  It stays open after the run.
  void OpenGraphWindow();

  // Runs one line; false when the run ends with it.
  bool Execute(const BatchLine &line);
  // Shows the frame window again when HIDE left it hidden and it was not
  // closed: a program without a window could not be ended by the user.
  void Finish();

private:
  using Command = bool (BatchRun::*)(const std::string &argument);
  struct Entry {
    const char *keyword;
    Command command;
  };
  static const Entry Commands[];

  bool OpenSystem(const std::string &path);
  bool OpenLoad(const std::string &path);
  bool SaveResult(const std::string &path);
  bool SolveI(const std::string &);
  bool SolveII(const std::string &);
  bool SolveK(const std::string &);
  bool AbbruchEps(const std::string &number);
  bool SetGraphOptions(const std::string &number);
  bool DeleteGraphOptions(const std::string &number);
  bool SetGraphTab(const std::string &number);
  bool SaveGraphFile(const std::string &path);
  // The graph window's tabs follow the analysis kind of the last solve.
  void UpdateGraphTabs();
  bool Hide(const std::string &);
  bool Close(const std::string &);

  TMainForm &Form;
  // The user may close the window while a message box of the run waits.
  QPointer<TGraphForm> Graph;
  float IterationLimit = 0.01f;
  // Whether the line being run holds an "=": SAVEGRAPHFILE without one
  // names no file at all, "SAVEGRAPHFILE =" an empty name.
  bool LineHasArgument = false;
  bool HiddenByRun = false;
  bool Closed = false;
};

const BatchRun::Entry BatchRun::Commands[] = {
    {"OPENSYSTEM", &BatchRun::OpenSystem},
    {"OPENLOAD", &BatchRun::OpenLoad},
    {"SAVERESULT", &BatchRun::SaveResult},
    {"SOLVEI", &BatchRun::SolveI},
    {"SOLVEII", &BatchRun::SolveII},
    {"SOLVEK", &BatchRun::SolveK},
    {"ABBRUCHEPS", &BatchRun::AbbruchEps},
    {"SETGRAPHOPTIONS", &BatchRun::SetGraphOptions},
    {"DELETEGRAPHOPTIONS", &BatchRun::DeleteGraphOptions},
    {"SETGRAPHTAB", &BatchRun::SetGraphTab},
    {"HIDE", &BatchRun::Hide},
    {"CLOSE", &BatchRun::Close},
    {"SAVEGRAPHFILE", &BatchRun::SaveGraphFile},
};

bool BatchRun::Execute(const BatchLine &line) {
  for (const Entry &entry : Commands) {
    if (!SameKeyword(line.keyword, entry.keyword))
      continue;
    bool goOn = false;
    LineHasArgument = line.hasArgument;
    Guarded([&] { goOn = (this->*entry.command)(line.argument); });
    return goOn;
  }
  MessageBox(FormatString("Batchbefehl '%s' nicht bekannt", line.keyword.c_str()), "Fehler",
             MsgButtons::Ok, MsgIcon::Error);
  return false;
}

// The tab change of tab 0 follows, as in a new window: the window shows the
// structure with its loads, and the layer and tab commands act on that.
void BatchRun::OpenGraphWindow() {
  Graph = Form.NewGraphWindow();
  for (int layer : {kLayerUnused, kLayerGeometry, kLayerDeformed, kLayerLoads, kLayerDeterminant})
    Graph->State().SetLayer(layer, false);
  Graph->State().SelectTab(0);
  Graph->TabControl2Change();
}

void BatchRun::UpdateGraphTabs() {
  if (Graph)
    Graph->UpdateTabs();
}

void BatchRun::Finish() {
  if (!HiddenByRun || Closed)
    return;
  Solutions.Hidden = 0;
  Form.show();
}

// A file that does not read has shown its message and left the model as it
// was; the run goes on.
bool BatchRun::OpenSystem(const std::string &path) {
  Form.OpenSystemFile(path);
  return true;
}

bool BatchRun::OpenLoad(const std::string &path) {
  Form.OpenLoadFile(path);
  return true;
}

// The protocol replaces the file only when it was written whole.
bool BatchRun::SaveResult(const std::string &path) {
  const std::optional<std::string> text = ResultsProtocolText(Form);
  if (!text || WriteProtocolFile(path, *text))
    return true;
  MessageBox(FormatString("Ergebnissdatei %s kann nicht geöffnet werden", path.c_str()),
             "Fehler Batchdatei", MsgButtons::Ok, MsgIcon::Error);
  return false;
}

bool BatchRun::SolveI(const std::string &) {
  Form.ThIOrdnung1Click();
  UpdateGraphTabs();
  return true;
}

// After the first iterations of the menu command, iterates until the
// convergence value reaches the limit; stops at once when the analysis
// could not be prepared or an iteration failed.
bool BatchRun::SolveII(const std::string &) {
  Form.ThIIOrdnung1Click();
  for (int i = 0; i < kMaxBatchIterations; ++i) {
    if (!Solutions.IterationOpen || !Solutions.ResultsPresent)
      break;
    if (NextIteration(Solutions) != kSolved || Solutions.ConvergenceValue <= IterationLimit)
      break;
  }
  UpdateGraphTabs();
  return true;
}

bool BatchRun::SolveK(const std::string &) {
  Form.Knickuntersuchung1Click();
  UpdateGraphTabs();
  return true;
}

// A decimal comma counts as a point, as in the input grids.
bool BatchRun::AbbruchEps(const std::string &number) {
  IterationLimit = static_cast<float>(AtofC(WithDecimalPoint(number).c_str()));
  return true;
}

// Layers 1 to 13; any other number does nothing.
bool BatchRun::SetGraphOptions(const std::string &number) {
  if (Graph)
    Graph->State().SetLayer(BatchInteger(number), true);
  return true;
}

bool BatchRun::DeleteGraphOptions(const std::string &number) {
  if (Graph)
    Graph->State().SetLayer(BatchInteger(number), false);
  return true;
}

// A tab outside the window's tabs does nothing.
bool BatchRun::SetGraphTab(const std::string &number) {
  if (Graph && Graph->State().SelectTab(BatchInteger(number)))
    Graph->TabControl2Change();
  return true;
}

// The graph window's picture, rebuilt and fitted to the whole drawing, goes
// to the clipboard and, with "=", to the named file; an empty name fails
// with the message of the export.  A failed export does not end the run.
// The picture is the view box, whatever the screen shows around it, so
// that a batch file writes the same picture on every screen and without
// one.
bool BatchRun::SaveGraphFile(const std::string &path) {
  if (!Graph)
    return true;
  Graph->Rebuild();
  const GraphWindow &state = Graph->State();
  Graph->SetViewBox(state.Display.BoundingBox());
  CopyPicture(state.Display, state.ViewBox, LineHasArgument ? &path : nullptr);
  return true;
}

bool BatchRun::Hide(const std::string &) {
  Form.hide();
  Solutions.Hidden = 1;
  HiddenByRun = true;
  return true;
}

// The program ends once the run is over; the remaining lines still run.
bool BatchRun::Close(const std::string &) {
  Closed = Form.close() || Closed;
  return true;
}

} // namespace

void RunBatchFile(TMainForm &form, const std::string &path) {
  const std::optional<std::vector<std::string>> lines = ReadBatchLines(path);
  if (!lines) {
    MessageBox(FormatString("Batchdatei %s kann nicht geöffnet werden", path.c_str()), "Fehler",
               MsgButtons::Ok, MsgIcon::Error);
    return;
  }
  BatchRun run(form);
  run.OpenGraphWindow();
  for (const std::string &text : *lines) {
    const std::string line = TrimBlanks(text);
    if (!line.empty() && !run.Execute(ParseBatchLine(line)))
      break;
  }
  run.Finish();
}
