#pragma once
// "Editor und Seitenränder": the editor program the protocols are shown with
// and the page margins of the graphics printout.  The dialog shows the
// current settings and takes them over only when it ends with "Ok";
// "Abbruch", Esc and the close box leave both unchanged.  Margins are whole
// millimetres from 0 to 50.
#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QToolButton;

class TDruckerForm : public QDialog {
  Q_OBJECT

public:
  explicit TDruckerForm(QWidget *parent = nullptr);
  ~TDruckerForm() override;

  // Fills the controls from EditorProgram and the margins of PrintPage.
  void ShowSettings();
  // EditorProgram and the margins = the controls.
  void TakeSettings() const;

  // A margin in millimetres as the spin edits show it: limited to 0..50 and
  // cut to a whole number; a value that is no number shows as 0.
  static int MarginValue(double millimetres);

  QLabel *Label1, *Label2, *Label3;
  QLineEdit *MaskEdit1;
  QToolButton *SpeedButton1;
  QSpinBox *Left, *Top, *Right, *Bottom;
  QPushButton *Button1, *Button2;

public slots:
  // Chooses an existing program; a confirmed choice replaces the text.
  void SpeedButton1Click();

private:
  void CreateEditorControls();
  void CreateMarginControls();
};

// The one editor and margins dialog, created hidden at program start.
extern TDruckerForm *DruckerForm;
