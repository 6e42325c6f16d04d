#pragma once
// The small modal value dialog of the grid's block and row commands: one
// numeric edit, "Ok" and "Cancel".  Enter confirms, Escape cancels.  It
// asks the dialog answerer first, so tests and unattended runs never wait.
#include "platform/DialogAnswerer.h"

#include <QDialog>

class QPushButton;
class TMyEdit;

class TCellDialog1 : public QDialog {
  Q_OBJECT

public:
  explicit TCellDialog1(QWidget *owner = nullptr);

  // Shows the dialog modally (the caption is the window title) and returns
  // Ok or Cancel.  An answerer's answer puts its text into MyEdit1; an
  // unattended run counts as cancelled.
  MsgResult Execute();

  TMyEdit *MyEdit1;
  QPushButton *Button1;
  QPushButton *Button2;
};
