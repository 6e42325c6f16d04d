#include "app/DruckerForm.h"

#include "graphics/core/Settings.h"
#include "platform/EventGuard.h"
#include "platform/FileDialogs.h"
#include "platform/FixedForm.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>
#include <algorithm>

TDruckerForm *DruckerForm = nullptr;

namespace {

constexpr int kClientWidth = 360;
constexpr int kClientHeight = 262;
constexpr int kMarginMax = 50;
constexpr int kSpinWidth = 60;
constexpr int kSpinHeight = 24;
// Middle of the cross of the four margins.
constexpr int kCrossX = 180;
constexpr int kCrossY = 156;
constexpr int kButtonTop = 224;
constexpr int kButtonWidth = 88;
constexpr int kButtonHeight = 28;

QSpinBox *NewMarginEdit(QWidget *parent, const char *name, int centreX, int centreY) {
  auto *spin = new QSpinBox(parent);
  spin->setObjectName(name);
  spin->setRange(0, kMarginMax);
  spin->setGeometry(centreX - kSpinWidth / 2, centreY - kSpinHeight / 2, kSpinWidth, kSpinHeight);
  return spin;
}

} // namespace

TDruckerForm::TDruckerForm(QWidget *parent) : QDialog(parent, kDialogBorder) {
  DruckerForm = this;
  SetUpFixedForm(*this, "DruckerForm", "Editor und Seitenränder", kClientWidth, kClientHeight);
  CreateEditorControls();
  CreateMarginControls();
  const int middle = kClientWidth / 2;
  Button1 = NewButton(this, "Button1", "Ok",
                      QRect(middle - 8 - kButtonWidth, kButtonTop, kButtonWidth, kButtonHeight));
  Button2 = NewButton(this, "Button2", "Abbruch",
                      QRect(middle + 8, kButtonTop, kButtonWidth, kButtonHeight));
  Button1->setDefault(true);
  connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
  connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
}

TDruckerForm::~TDruckerForm() {
  if (DruckerForm == this)
    DruckerForm = nullptr;
}

void TDruckerForm::CreateEditorControls() {
  Label2 = NewLabel(this, "Label2", "Editor zur Darstellung der Protokolle", QRect(8, 8, 344, 20));
  Label1 = NewLabel(this, "Label1", "Programmname", QRect(8, 34, 344, 18));
  MaskEdit1 = new QLineEdit(this);
  MaskEdit1->setObjectName("MaskEdit1");
  MaskEdit1->setGeometry(8, 54, 312, 24);
  SpeedButton1 = new QToolButton(this);
  SpeedButton1->setObjectName("SpeedButton1");
  SpeedButton1->setText(QStringLiteral("..."));
  SpeedButton1->setGeometry(324, 54, 28, 24);
  connect(SpeedButton1, &QToolButton::clicked, this,
          [this] { Guarded([this] { SpeedButton1Click(); }); });
}

void TDruckerForm::CreateMarginControls() {
  Label3 =
      NewLabel(this, "Label3", "Seintenräder in mm (Nur für die Grafik)", QRect(8, 92, 344, 20));
  const int dx = kSpinWidth / 2 + 16;
  const int dy = kSpinHeight + 4;
  Top = NewMarginEdit(this, "Top", kCrossX, kCrossY - dy);
  Left = NewMarginEdit(this, "Left", kCrossX - dx, kCrossY);
  Right = NewMarginEdit(this, "Right", kCrossX + dx, kCrossY);
  Bottom = NewMarginEdit(this, "Bottom", kCrossX, kCrossY + dy);
}

int TDruckerForm::MarginValue(double millimetres) {
  // Limited in double before the cut, so that no value overflows the int.
  if (!(millimetres > 0))
    return 0;
  return static_cast<int>(std::min(millimetres, static_cast<double>(kMarginMax)));
}

void TDruckerForm::ShowSettings() {
  MaskEdit1->setText(QString::fromStdString(EditorProgram));
  Left->setValue(MarginValue(PrintPage.Links));
  Right->setValue(MarginValue(PrintPage.Rechts));
  Top->setValue(MarginValue(PrintPage.Oben));
  Bottom->setValue(MarginValue(PrintPage.Unten));
}

void TDruckerForm::TakeSettings() const {
  EditorProgram = MaskEdit1->text().toStdString();
  PrintPage.Links = Left->value();
  PrintPage.Rechts = Right->value();
  PrintPage.Oben = Top->value();
  PrintPage.Unten = Bottom->value();
}

// Programs on this platform have no extension: the filter shows every file
// and no extension is added to the one chosen.
void TDruckerForm::SpeedButton1Click() {
  FileDialogOptions options;
  options.title = "Öffnen";
  options.filter = "Ausführbare Datei|*";
  options.fileName = MaskEdit1->text().toStdString();
  if (std::optional<std::string> chosen = OpenFileDialog(options, this))
    MaskEdit1->setText(QString::fromStdString(*chosen));
}
