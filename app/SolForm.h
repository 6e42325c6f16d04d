#pragma once
// "Status der Berechnung": the stay-on-top window that shows the sizes of the
// model and the current stage while an analysis runs, and afterwards the
// buttons that close it or continue a second-order iteration.  The message
// loop does not run during an analysis, so every setter repaints the control
// it changed at once.
#include <QWidget>
#include <string>

class QFrame;
class QLabel;
class QPushButton;

class TSolForm : public QWidget {
  Q_OBJECT

public:
  explicit TSolForm(QWidget *parent = nullptr);
  ~TSolForm() override;

  // The six counts, each formatted with "%d".
  void SetNodeNb(int n);
  void SetElNb(int n);
  void SetFGNb(int n);
  void SetBCNb(int n);
  void SetMemory(long long bytes);
  void SetBandbreite(int n);
  // Marks stage 1..7; any other value removes the marker.
  void SetStep(int step);

  // Shows the window at the start of an analysis and paints it at once.
  void ShowForAnalysis();
  // The button states the analysis leaves behind; a shown window is
  // activated with the button that waits focused.
  void ShowFinishedState();
  void ShowIterationState();
  void ShowErrorState();
  // The two status lines of the iteration.
  void ShowIterationText(const std::string &text);
  void ShowNormText(const std::string &text);
  // Ends a waiting second-order iteration as "Beenden" does; nothing when none
  // waits.
  void EndIteration();
  bool IterationWaiting() const;

  QFrame *Bevel1, *Bevel2, *Bevel3, *Bevel4, *Bevel5, *Bevel6, *Bevel7, *Bevel8, *Bevel9;
  QLabel *Label1, *Label2, *Label3, *Label4, *Label5, *Label12, *Label14;
  QLabel *Label6, *Label7, *Label8, *Label9, *Label10, *Label11, *Label13;
  QLabel *NodeNb, *ElNb, *FGNb, *BCNb, *Memory, *Bandbreite;
  QLabel *Iter, *Norm;
  QPushButton *BitBtn1, *BitBtn2, *NextButton, *CancelButton;

public slots:
  void BitBtn1Click();
  void BitBtn2Click();
  void CancelButtonClick();
  void NextButtonClick();

protected:
  void showEvent(QShowEvent *event) override;
  void closeEvent(QCloseEvent *event) override;
  void keyPressEvent(QKeyEvent *event) override;

private:
  void FormShow();
  void CreateStages();
  void CreateCounts();
  void CreateButtons();
  void SetCount(QLabel *label, int n);
  void SetButtons(bool finished, bool error, bool iterating);
  void WaitFor(QPushButton *button);
  QFrame *StepFrame(int step) const;

  QFrame *CurrentStep = nullptr;
};

// The one status window, created hidden at program start.
extern TSolForm *SolForm;
