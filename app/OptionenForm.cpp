#include "app/OptionenForm.h"

#include "analysis/Solutions.h"
#include "platform/FixedForm.h"

#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

TOptionenForm *OptionenForm = nullptr;

namespace {

constexpr int kClientWidth = 330;
constexpr int kClientHeight = 150;
constexpr QRect kGroupPlace(8, 8, 314, 90);
constexpr QRect kButton1Place(8, 36, 290, 20);
constexpr QRect kButton2Place(8, 60, 290, 20);
constexpr QRect kOkPlace(121, 112, 88, 28);

QRadioButton *NewRadioButton(QWidget *parent, const char *name, const char *text,
                             const QRect &place) {
  auto *button = new QRadioButton(QString::fromUtf8(text), parent);
  button->setObjectName(name);
  button->setGeometry(place);
  return button;
}

} // namespace

TOptionenForm::TOptionenForm(QWidget *parent) : QDialog(parent, kDialogBorder) {
  OptionenForm = this;
  SetUpFixedForm(*this, "OptionenForm", "Berechnungsoptionen", kClientWidth, kClientHeight);
  RadioGroup1 =
      new QGroupBox(QString::fromUtf8(" Theorie II. Ordnung und Stabilitätsuntersuchung "), this);
  RadioGroup1->setObjectName("RadioGroup1");
  RadioGroup1->setGeometry(kGroupPlace);
  RadioButton1 = NewRadioButton(RadioGroup1, "RadioButton1", "Auch Zugstäbe nach Theorie II. O.",
                                kButton1Place);
  RadioButton2 =
      NewRadioButton(RadioGroup1, "RadioButton2", "Zugstäbe nach Theorie I. O.", kButton2Place);
  RadioButton1->setChecked(true);
  // Enter presses "&Ok"; Esc closes the dialog too, which changes nothing more.
  Button1 = NewButton(this, "Button1", "&Ok", kOkPlace);
  Button1->setDefault(true);
  connect(RadioButton1, &QRadioButton::clicked, this, &TOptionenForm::RadioButton1Click);
  connect(RadioButton2, &QRadioButton::clicked, this, &TOptionenForm::RadioButton2Click);
  connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
}

TOptionenForm::~TOptionenForm() {
  if (OptionenForm == this)
    OptionenForm = nullptr;
}

void TOptionenForm::RadioButton1Click() {
  Solutions.TensionOption = 1;
}

void TOptionenForm::RadioButton2Click() {
  Solutions.TensionOption = 0;
}
