#include "app/AboutBox.h"

#include "graphics/core/Settings.h"
#include "graphics/widgets/ProgramIcon.h"
#include "platform/FixedForm.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

TAboutBox *AboutBox = nullptr;

namespace {

constexpr int kClientWidth = 340;
constexpr int kClientHeight = 250;
constexpr QRect kPanelPlace(8, 8, 324, 192);
constexpr QRect kIconPlace(12, 10, 300, 100);
constexpr int kLineLeft = 12;
constexpr int kLineWidth = 300;
constexpr QRect kOkPlace(126, 212, 88, 28);

} // namespace

TAboutBox::TAboutBox(QWidget *parent) : QDialog(parent, kDialogBorder) {
  AboutBox = this;
  SetUpFixedForm(*this, "AboutBox", "Info", kClientWidth, kClientHeight);
  Panel1 = new QFrame(this);
  Panel1->setObjectName("Panel1");
  Panel1->setGeometry(kPanelPlace);
  Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  Panel1->setAutoFillBackground(true);
  QPalette white = Panel1->palette();
  white.setColor(QPalette::Window, Qt::white);
  white.setColor(QPalette::WindowText, Qt::black);
  Panel1->setPalette(white);
  ProgramIcon = NewLabel(Panel1, "ProgramIcon", "", kIconPlace);
  ProgramIcon->setPixmap(::ProgramIcon(kIconPlace.size() * devicePixelRatio()));
  ProgramIcon->setScaledContents(true);
  Maker = NewLabel(Panel1, "Maker", "Ein Programm des Kelmor-Projekts",
                   QRect(kLineLeft, 118, kLineWidth, 20));
  Version = NewLabel(Panel1, "Version", ("Version " + PrintPage.Version).c_str(),
                     QRect(kLineLeft, 140, kLineWidth, 20));
  Contact = NewLabel(Panel1, "Contact", "Fragen und Hinweise: kelmor@example.org",
                     QRect(kLineLeft, 162, kLineWidth, 20));
  OKButton = NewButton(this, "OKButton", "OK", kOkPlace);
  OKButton->setDefault(true);
  connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
}

TAboutBox::~TAboutBox() {
  if (AboutBox == this)
    AboutBox = nullptr;
}
