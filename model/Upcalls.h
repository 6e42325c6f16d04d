#pragma once
// The one seam through which the core calls upward into the application:
// change reports of the tables and message boxes.  The application installs
// its implementation at start-up; tests install a recording fake.  Every
// method has a harmless default, used while nothing is installed.
#include "model/InputFault.h"

#include <string>

enum class MessageButtons { OK, YesNo, YesNoCancel };
enum class MessageAnswer { OK, Yes, No, Cancel };
// Button states of the analysis status window: "Fertig"; "Weiter" and
// "Beenden"; "Fehler".
enum class StatusWindowState { Finished, Iteration, Error };

class UpcallInterface {
public:
  virtual ~UpcallInterface() = default;

  // A system table changed: mark the system changed, drop the results,
  // notify the graph windows.
  virtual void SystemChanged() {}
  // A load list changed: the same for the load case.
  virtual void LoadChanged() {}
  // Shows a message box and returns the button chosen.  The default answers
  // without asking: OK, No for Yes/No and Cancel for Yes/No/Cancel, so an
  // unattended caller never saves, deletes or overwrites anything.
  virtual MessageAnswer ShowMessage(const std::string &caption, const std::string &text,
                                    MessageButtons buttons);

  // The main window's result caption.
  virtual void SetResultCaption(const std::string &) {}
  // The status window of the analysis: marks the current stage (1
  // "Elementverteilung", 2 "Freiheitsgradverteilung", 3
  // "Freiheitsgradoptimierung", 4 "Steifigkeitsmatrix", 5 "Belastungsvektor",
  // 6 "Gleichungslösung", 7 "Auswertung", any other value none) and shows
  // the numbers of node entries, elements, DOFs and dependent DOFs.
  virtual void SetStep(int) {}
  virtual void SetNodeNb(int) {}
  virtual void SetElNb(int) {}
  virtual void SetFGNb(int) {}
  virtual void SetBCNb(int) {}
  // Shows the status window (non-modal) at the start of an analysis.
  virtual void ShowStatusWindow() {}
  // Stored size of the stiffness matrix in bytes and its bandwidth.
  virtual void SetMemory(long long) {}
  virtual void SetBandbreite(int) {}
  // Texts of the labels Iter and Norm, shown and repainted at once.
  virtual void ShowIterationText(const std::string &) {}
  virtual void ShowNormText(const std::string &) {}
  virtual void SetStatusState(StatusWindowState) {}
  // Tells every graph window to rebuild its drawing (UM_MODELCHANGED with
  // wParam keepView): 0 after a change of the model or the results, which
  // refits each view to its new drawing; 1 after a change of the drawing
  // settings only, which keeps each window's current view.
  virtual void NotifyChildren(int /*keepView*/ = 0) {}
  // A plausibility check found a fault: show the input form at its page,
  // put the grid cursor on its row and column and show its message with the
  // caption "Eingabefehler".
  virtual void ShowInputFault(const InputFault &) {}
  // The graphics printout: every graph window leaves the next printout
  // (UM_EXCLUDEPRINT); then the printout of the windows taking part, after
  // the print dialog.
  virtual void ExcludeAllFromPrint() {}
  virtual void PrintGraphics() {}
};

// The installed implementation, or the defaults when none is installed.
UpcallInterface &Upcalls();
// Installs an implementation (null restores the defaults) and returns the
// previous one (null when the defaults were in force).  The caller keeps it
// alive while it is installed.
UpcallInterface *InstallUpcalls(UpcallInterface *upcalls);
