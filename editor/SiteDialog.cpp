#include "editor/SiteDialog.h"

#include "editor/VeltoSettings.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {
QSpinBox *MarginEdit(QWidget *parent, const char *name) {
  auto *edit = new QSpinBox(parent);
  edit->setObjectName(name);
  edit->setRange(kMinMargin, kMaxMargin);
  return edit;
}

QPushButton *DialogButton(QWidget *parent, const char *name, const char *text) {
  auto *button = new QPushButton(QString::fromUtf8(text), parent);
  button->setObjectName(name);
  return button;
}
} // namespace

TSiteDialog::TSiteDialog(QWidget *parent) : QDialog(parent) {
  setObjectName("SiteDialog");
  setWindowTitle("Seiteneinstellung");
  Label1 = new QLabel(QString::fromUtf8("Seitenrämder:"), this);
  Label1->setObjectName("Label1");
  EditTop = MarginEdit(this, "EditTop");
  EditLeft = MarginEdit(this, "EditLeft");
  EditRight = MarginEdit(this, "EditRight");
  EditBottom = MarginEdit(this, "EditBottom");
  Button1 = DialogButton(this, "Button1", "Ok");
  Button2 = DialogButton(this, "Button2", "Abbruch");
  Button1->setDefault(true);
  connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
  connect(Button2, &QPushButton::clicked, this, &QDialog::reject);

  // Top above, left and right side by side, bottom below.
  auto *margins = new QGridLayout;
  margins->addWidget(EditTop, 0, 1);
  margins->addWidget(EditLeft, 1, 0);
  margins->addWidget(EditRight, 1, 2);
  margins->addWidget(EditBottom, 2, 1);
  auto *buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(Button1);
  buttons->addWidget(Button2);
  auto *layout = new QVBoxLayout(this);
  layout->addWidget(Label1);
  layout->addLayout(margins);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}
