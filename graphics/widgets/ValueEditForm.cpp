#include "graphics/widgets/ValueEditForm.h"

#include "model/Message.h"
#include "platform/EventGuard.h"
#include "platform/FixedForm.h"
#include "platform/FloatToStrF.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QToolButton>
#include <cmath>

TValueEditForm *ValueEditForm = nullptr;

namespace {

constexpr int kClientWidth = 325;
constexpr int kClientHeight = 83;
constexpr int kEditLeft = 8;
constexpr int kEditTop = 12;
constexpr int kEditWidth = 289;
constexpr int kEditHeight = 22;
constexpr int kArrowWidth = 17;
constexpr int kButtonTop = 48;
constexpr int kButtonHeight = 26;
constexpr int kOkWidth = 90;
constexpr int kDefaultWidth = 120;
constexpr int kShowPrecision = 10;

// The user's locale, refusing group separators: a German one would read
// "0.005" as 5.
QLocale UserNumbers() {
  QLocale locale;
  locale.setNumberOptions(QLocale::RejectGroupSeparator);
  return locale;
}

// The value in the general format of the numeric edits, with the user's
// decimal separator.
QString GeneralFloatText(double value, int precision) {
  const QString separator = QLocale().decimalPoint();
  return QString::fromStdString(
      FloatToStrF(value, precision, separator.size() == 1 ? separator[0].toLatin1() : '.'));
}

// The text read as a finite number in the user's notation.  "inf", "nan"
// and numbers beyond the range of a double are refused like any other text
// that is no number: they would put non-finite sizes into every drawing and
// into the settings file.
double ReadReal(const QString &text) {
  bool ok = false;
  const double value = UserNumbers().toDouble(text.trimmed(), &ok);
  if (!ok || !std::isfinite(value))
    throw Exception("\"" + text.toStdString() + "\" ist keine gültige Zahl.");
  return value;
}

QToolButton *NewArrow(QWidget *parent, const char *name, Qt::ArrowType arrow, const QRect &place) {
  auto *button = new QToolButton(parent);
  button->setObjectName(name);
  button->setArrowType(arrow);
  button->setGeometry(place);
  button->setFocusPolicy(Qt::NoFocus);
  return button;
}

} // namespace

TValueEditForm::TValueEditForm(QWidget *parent) : QDialog(parent, kDialogBorder) {
  ValueEditForm = this;
  SetUpFixedForm(*this, "ValueEditForm", "Wertänderung", kClientWidth, kClientHeight);
  Edit1 = new QLineEdit(this);
  Edit1->setObjectName("Edit1");
  Edit1->setGeometry(kEditLeft, kEditTop, kEditWidth, kEditHeight);
  UpDown1 = new QWidget(this);
  UpDown1->setObjectName("UpDown1");
  UpDown1->setGeometry(kEditLeft + kEditWidth, kEditTop, kArrowWidth, kEditHeight);
  const int half = kEditHeight / 2;
  UpButton = NewArrow(UpDown1, "UpButton", Qt::UpArrow, QRect(0, 0, kArrowWidth, half));
  DownButton = NewArrow(UpDown1, "DownButton", Qt::DownArrow,
                        QRect(0, half, kArrowWidth, kEditHeight - half));
  Button1 =
      NewButton(this, "Button1", "&Ok", QRect(kEditLeft, kButtonTop, kOkWidth, kButtonHeight));
  Button2 = NewButton(this, "Button2", "Voreinstellung",
                      QRect(kEditLeft + kEditWidth + kArrowWidth - kDefaultWidth, kButtonTop,
                            kDefaultWidth, kButtonHeight));
  Button1->setDefault(true);
  connect(Button1, &QPushButton::clicked, this, [this] { Guarded([this] { Button1Click(); }); });
  connect(Button2, &QPushButton::clicked, this, [this] { Guarded([this] { Button2Click(); }); });
  connect(UpButton, &QToolButton::clicked, this,
          [this] { Guarded([this] { UpDown1Click(true); }); });
  connect(DownButton, &QToolButton::clicked, this,
          [this] { Guarded([this] { UpDown1Click(false); }); });
}

TValueEditForm::~TValueEditForm() {
  if (ValueEditForm == this)
    ValueEditForm = nullptr;
}

void TValueEditForm::EditReal(double &variable, const double &defaultValue) {
  UpDown1->show();
  EditMode = Mode::Real;
  RealVariable = &variable;
  RealDefault = &defaultValue;
  ShowReal();
  Edit1->setFocus();
}

void TValueEditForm::EditText(std::string &variable, const std::string &defaultValue) {
  UpDown1->hide();
  EditMode = Mode::Text;
  TextVariable = &variable;
  TextDefault = &defaultValue;
  Edit1->setText(QString::fromStdString(variable));
  Edit1->setFocus();
}

void TValueEditForm::ShowReal() {
  Edit1->setText(GeneralFloatText(*RealVariable, kShowPrecision));
}

void TValueEditForm::Button1Click() {
  if (EditMode == Mode::Real)
    *RealVariable = ReadReal(Edit1->text());
  else
    *TextVariable = Edit1->text().toStdString();
  accept();
}

void TValueEditForm::Button2Click() {
  if (EditMode == Mode::Real) {
    *RealVariable = *RealDefault;
    ShowReal();
  } else {
    *TextVariable = *TextDefault;
    Edit1->setText(QString::fromStdString(*TextVariable));
  }
}

void TValueEditForm::UpDown1Click(bool up) {
  const double step = 0.1 * *RealDefault;
  *RealVariable += up ? step : -step;
  ShowReal();
}

// Esc takes over the typed text as "&Ok" does; only the close box leaves it.
void TValueEditForm::keyPressEvent(QKeyEvent *event) {
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier)
    Button1->click();
  else
    QDialog::keyPressEvent(event);
}
