#pragma once
// "Berechnungsoptionen": chooses whether second-order analysis and the
// buckling analysis also treat tension bars by second-order theory.  A click
// on a button sets the option of the analysis context at once, so it holds
// for the next analysis however the dialog is closed.  The option is not
// kept in the settings file: each run starts with tension bars by second-
// order theory.
#include <QDialog>

class QGroupBox;
class QPushButton;
class QRadioButton;

class TOptionenForm : public QDialog {
  Q_OBJECT

public:
  explicit TOptionenForm(QWidget *parent = nullptr);
  ~TOptionenForm() override;

  QGroupBox *RadioGroup1;
  QRadioButton *RadioButton1, *RadioButton2;
  QPushButton *Button1;

public slots:
  void RadioButton1Click();
  void RadioButton2Click();
};

// The one options dialog, created hidden at program start.
extern TOptionenForm *OptionenForm;
