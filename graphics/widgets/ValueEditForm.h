#pragma once
// "Wertänderung": the modal dialog that edits one real or text setting of the
// settings tree.  It works on the bound variable itself: each step of the
// arrows and "Voreinstellung" change the variable at once and stay in force
// when the dialog is then closed by its close box; "&Ok", Enter and Esc also
// take over the typed text.  Reals are shown and read with the decimal
// separator of the user's locale (QLocale()).
#include <QDialog>
#include <string>

class QLineEdit;
class QPushButton;
class QToolButton;

class TValueEditForm : public QDialog {
  Q_OBJECT

public:
  explicit TValueEditForm(QWidget *parent = nullptr);
  ~TValueEditForm() override;

  // Edits the real variable, whose default is given: the arrows show, the
  // text shows the value and takes the focus.  Both stay referenced until
  // the next edit.
  void EditReal(double &variable, const double &defaultValue);
  // Edits the text variable: the arrows hide, the text shows the value and
  // takes the focus.
  void EditText(std::string &variable, const std::string &defaultValue);
  // Edit1 shows the real variable (general format, ten significant digits).
  void ShowReal();

  QLineEdit *Edit1;
  QWidget *UpDown1;
  QToolButton *UpButton, *DownButton;
  QPushButton *Button1, *Button2;

public slots:
  // Takes over the text, then closes.  A real that is not a finite number
  // in the user's notation raises an Exception naming the text; the variable
  // keeps its value and the dialog stays open.
  void Button1Click();
  // The variable = its default, shown at once; the dialog stays open.
  void Button2Click();
  // The variable +/- a tenth of its default (0 for a default of 0), shown.
  void UpDown1Click(bool up);

protected:
  void keyPressEvent(QKeyEvent *event) override;

private:
  enum class Mode { Real = 1, Text = 2 };

  Mode EditMode = Mode::Real;
  double *RealVariable = nullptr;
  const double *RealDefault = nullptr;
  std::string *TextVariable = nullptr;
  const std::string *TextDefault = nullptr;
};

// The one value dialog, created hidden at program start.
extern TValueEditForm *ValueEditForm;
