#pragma once
// The page set-up dialog: four page margins in millimetres.
#include <QDialog>

class QLabel;
class QPushButton;
class QSpinBox;

class TSiteDialog : public QDialog {
  Q_OBJECT
public:
  explicit TSiteDialog(QWidget *parent = nullptr);

  QLabel *Label1;
  QSpinBox *EditTop;
  QSpinBox *EditLeft;
  QSpinBox *EditRight;
  QSpinBox *EditBottom;
  QPushButton *Button1; // "Ok"
  QPushButton *Button2; // "Abbruch"
};
