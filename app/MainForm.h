#pragma once
// The frame window of Kelmor: it holds the input forms and graph windows as
// MDI children, the menus, the names and change marks of the system and the
// load case, and it is the hub the model, the checks and the analysis call
// back into (through the upward seam installed while it exists).
#include "app/MainUpcalls.h"

#include <QMainWindow>
#include <QPointer>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

struct PageFacts;
class TCanvas;
class QAction;
class QLabel;
class QMdiArea;
class QMenu;
class QPrinter;
class QProcess;
class QStatusBar;
class QToolBar;
class TInputForm;
class TLoadInputForm;
class TSystemInputForm;
struct InputFault;
class TGraphForm;

class TMainForm : public QMainWindow {
  Q_OBJECT

public:
  // The two files the program works on.
  enum class FileKind { System, Load };

  explicit TMainForm(QWidget *parent = nullptr);
  ~TMainForm() override;

  // Marks, results and the child windows after a change of the model.
  void SystemModified();
  void LoadModified();
  void ResetResults();
  void SetSystemChanged(int flag);
  void SetLoadChanged(int flag);
  void SetResultCaption(const std::string &text);
  // Posts UM_MODELCHANGED (wParam = keepView) to every child, in creation order.
  void NotifyChildren(int keepView);
  // Ends the editors that show protocols of the model as it was.
  void KillEditors();
  void KillInputEditor();
  void KillResultsEditor();

  // File commands of the system; NewSystem answers 2 when the user cancelled
  // (or a save asked for failed), else 1; OpenSystemFile 1 when the file was
  // read; SaveSystem 1 when the file was written; SaveSystemAs 1 after a
  // confirmed dialog.
  int NewSystem();
  void OpenSystemCommand();
  int OpenSystemFile(const std::string &name);
  int SaveSystem();
  int SaveSystemAs();
  void SetSystemName(const std::string &name);
  // The same for the load case.
  int NewLoad();
  void OpenLoadCommand();
  int OpenLoadFile(const std::string &name);
  int SaveLoad();
  int SaveLoadAs();
  void SetLoadName(const std::string &name);

  // The input forms (InputCommands.cpp): made and shown on first request,
  // null again once closed.  CommitInputEdits stores what is typed but not
  // yet stored in their grids, false when a grid refused its text (which
  // stays for correction); ShowInputFault shows a check's fault at its
  // cell, then its message.
  TSystemInputForm *GetSystemInputForm();
  TLoadInputForm *GetLoadInputForm();
  bool CommitInputEdits();
  void ShowInputFault(const InputFault &fault);
  QPointer<TSystemInputForm> SystemInputWindow;
  QPointer<TLoadInputForm> LoadInputWindow;
  // A new graph window on tab of the current analysis kind (the first one
  // when there is no such tab), fitted to its drawing.
  TGraphForm *NewGraphWindow(int tab = 0);

  // The help file beside the program.
  std::string HelpFileName() const;

  // The graphics printout (PrintCommands.cpp): every graph window takes part
  // in the next printout (UM_INCLUDEPRINT) or none does (UM_EXCLUDEPRINT).
  void IncludeAllInPrint();
  void ExcludeAllFromPrint();
  // Numbers the windows taking part (UM_COUNTPRINT), runs the print dialog
  // ("Kelmor") and, when it is confirmed, prints one page: frame, title
  // block and a tile per window (UM_PRINTTILE).  A cancelled dialog prints
  // nothing; a job that cannot start or finish throws Exception.
  void PrintGraphics();
  // Its parts: the count of the windows taking part into PrintCount, and
  // the page with their tiles drawn on any canvas.
  void CountPrintWindows();
  void DrawPrintPage(TCanvas &canvas, const PageFacts &page);
  // "Grafik drucken" of the file menu: every window takes part.
  void Grafikdrucken1Click();
  // The printer of all printouts, made on first use.
  QPrinter &Printer();
  // Number of graph windows that took a tile number at the last count.
  int PrintCount = 0;

  std::string SystemFileName;
  std::string LoadFileName;
  int SystemChangedFlag = 0;
  int LoadChangedFlag = 0;
  // Names of the temporary protocol files of this run, deleted at close.
  std::vector<std::string> TempFiles;
  // The editors showing the input and the results protocol; null when none.
  QProcess *InputEditor = nullptr;
  QProcess *ResultsEditor = nullptr;

  QMdiArea *MdiArea;
  QStatusBar *StatusBar;
  QToolBar *ToolBar1;
  QLabel *Image2, *StaticTextSystem, *Image1, *StaticTextLoad, *StaticText1, *Ergebnisse;
  QMenu *PopupMenu1;
  QMenu *WindowMenu;

  QAction *FileNewItem, *Systemffnen1, *Belastungffnen1, *Speichern1, *System2, *Belstung1,
      *Grafikdrucken1, *FileOpenItem;
  QAction *System1, *Belastung1;
  QAction *ThIOrdnung1, *ThIIOrdnung1, *Knickuntersuchung1;
  QAction *Grafik1, *Eingabeprotocoll1, *Ergebnisse1;
  QAction *Berechnungsoptionen1, *DruckerundAusgabeeditor1, *Konfiguration1;
  QAction *WindowCascadeItem, *WindowTileItem, *WindowArrangeItem, *WindowMinimizeItem;
  QAction *Inhalt1, *Suche1, *HelpAboutItem;

  // No menu of the bars: hiding the tool bar would hide the file names and
  // change marks with no way back.  The client area has PopupMenu1.
  QMenu *createPopupMenu() override;

signals:
  // The close was allowed and handled: the program ends.
  void FormClosed();

public slots:
  void FileNewItemClick();
  void Systemffnen1Click();
  void Belastungffnen1Click();
  void Speichern1Click();
  void System2Click();
  void Belstung1Click();
  void FileOpenItemClick();
  void System1Click();
  void Belastung1Click();
  void ThIOrdnung1Click();
  void ThIIOrdnung1Click();
  void Knickuntersuchung1Click();
  void WindowCascadeItemClick();
  void WindowTileItemClick();
  void WindowArrangeItemClick();
  void WindowMinimizeItemClick();
  void Inhalt1Click();
  void Suche1Click();
  void Eingabeprotocoll1Click();
  void Ergebnisse1Click();
  void Berechnungsoptionen1Click();
  void DruckerundAusgabeeditor1Click();
  void Konfiguration1Click();
  void HelpAboutItemClick();
  void PopupMenu1Popup();
  void Grafik1Click();
  void ResultViewClick(QAction *item);

protected:
  bool event(QEvent *event) override;
  void closeEvent(QCloseEvent *event) override;

private:
  std::string &FileName(FileKind kind);
  int ChangedFlag(FileKind kind) const;
  void SetChanged(FileKind kind, int flag);
  void Modified(FileKind kind);
  bool AskSave(FileKind kind);
  int NewFile(FileKind kind);
  void OpenCommand(FileKind kind);
  int OpenFile(FileKind kind, const std::string &name);
  int Save(FileKind kind);
  int SaveAs(FileKind kind);
  std::optional<std::string> ChooseSaveName(FileKind kind);
  // Stores what the kind's input form holds; false when a grid refused it.
  bool EditsStored(FileKind kind);
  int Write(FileKind kind, const std::string &name);
  void SetName(FileKind kind, const std::string &name);
  TInputForm *InputWindow(FileKind kind) const;

  void CreateComponents();
  void CreateToolBar();
  void CreateMenus();
  void CreateFileMenu();
  void CreateOtherMenus();
  void CreateWindowMenu();
  QAction *AddItem(QMenu *menu, const char *name, const char *caption, const char *hint = "",
                   const QKeySequence &key = {}, void (TMainForm::*handler)() = nullptr);
  void WindowMenuAboutToShow();
  void ShowHelp();
  void LoadSettings();
  void Startup();
  bool FormCloseQuery();
  void FormClose();

  // Sends a message to every child window, in creation order.
  void SendToChildren(int message, std::intptr_t wParam, std::intptr_t lParam);
  std::shared_ptr<QPrinter> PrintPrinter;

  std::vector<QAction *> ChildWindowItems;
  // Children with a model-change notice still on its way, and the wParam it
  // will carry: further notices merge into it (0, rebuild the view, wins).
  std::map<const QObject *, int> PendingNotices;
  TMainUpcalls Callbacks{*this};
  UpcallInterface *PreviousUpcalls = nullptr;
};

// The one frame window.
extern TMainForm *MainForm;
// The settings file beside the program, named when the frame window is made.
extern std::string SettingsFileName;

// The part of a path after its last '/' or '\'; the whole text when it holds
// neither.
std::string StripPath(const std::string &path);
