#pragma once
// The one-line numeric edit of the value dialogs: it filters typed
// characters (',' becomes '.', 'e' becomes 'E', other letters are refused
// with a beep), moves the focus on with Enter, reformats its text as a
// number when it loses the focus and gives its value.
#include <QLineEdit>
#include <string>

class TMyEdit : public QLineEdit {
  Q_OBJECT

public:
  explicit TMyEdit(QWidget *parent = nullptr);

  // The value of the text as entered (typed or set), in full precision
  // even after the text was shown reformatted; the text is reformatted
  // (without EditChanged).
  double GetValue();
  // Whether the text as entered reads in full as a number (',' as '.').
  bool ReadsInFull() const;
  // Reads text (',' as '.'; no number reads 0) and replaces it by the
  // value in the general format, 6 significant digits, with the user's
  // decimal separator.
  double FormatNumber(std::string &text);
  // The character as accepted, or a null character when dropped.
  QChar FilterChar(QChar ch);

signals:
  // The text changed (UM_EDITCHANGED).
  void EditChanged();

protected:
  void keyPressEvent(QKeyEvent *event) override;
  void focusOutEvent(QFocusEvent *event) override;

private:
  int notify = 1;
  // The text as last entered; reformatting leaves it.
  std::string entered;
};
