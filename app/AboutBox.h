#pragma once
// "Info": the program's logo, its maker, its version and where to reach the
// makers, on a white panel, with "OK".
#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;

class TAboutBox : public QDialog {
  Q_OBJECT

public:
  explicit TAboutBox(QWidget *parent = nullptr);
  ~TAboutBox() override;

  QFrame *Panel1;
  QLabel *ProgramIcon, *Maker, *Version, *Contact;
  QPushButton *OKButton;
};

// The one information box, created hidden at program start.
extern TAboutBox *AboutBox;
