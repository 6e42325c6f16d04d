#include "grid/MyEdit.h"

#include "model/CLocale.h"
#include "platform/FloatToStrF.h"
#include "platform/MessageBeep.h"

#include <QKeyEvent>
#include <QLocale>
#include <algorithm>

namespace {
constexpr int kPrecision = 6;
} // namespace

TMyEdit::TMyEdit(QWidget *parent) : QLineEdit(parent) {
  connect(this, &QLineEdit::textChanged, this, [this] {
    if (notify == 1)
      entered = this->text().toStdString();
    if (parentWidget() != nullptr && notify == 1)
      emit EditChanged();
  });
}

double TMyEdit::FormatNumber(std::string &text) {
  std::string number = text;
  std::replace(number.begin(), number.end(), ',', '.');
  const double value = AtofC(number.c_str());
  const QString separator = QLocale().decimalPoint();
  const std::string formatted =
      FloatToStrF(value, kPrecision, separator.isEmpty() ? '.' : separator[0].toLatin1());
  if (formatted != text)
    text = formatted;
  return value;
}

double TMyEdit::GetValue() {
  std::string text = entered;
  const double value = FormatNumber(text);
  notify = 0;
  if (this->text().toStdString() != text)
    setText(QString::fromStdString(text));
  notify = 1;
  return value;
}

bool TMyEdit::ReadsInFull() const {
  double value = 0;
  return ParseDoubleC(WithDecimalPoint(entered).c_str(), value);
}

QChar TMyEdit::FilterChar(QChar ch) {
  if (ch == QChar(','))
    return QChar('.');
  if (ch == QChar('e'))
    return QChar('E');
  const ushort code = ch.unicode();
  const bool letter = (code >= 'A' && code <= 'Z') || (code >= 'a' && code <= 'z');
  if (letter && ch != QChar('E')) {
    MessageBeep(BeepKind::Default);
    return QChar();
  }
  return ch;
}

void TMyEdit::keyPressEvent(QKeyEvent *event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    if (QWidget *next = nextInFocusChain(); next != nullptr && next != this)
      next->setFocus(Qt::TabFocusReason);
    event->ignore(); // the dialog's default button still sees it
    return;
  }
  const QString typed = event->text();
  if (typed.size() != 1 || !typed[0].isPrint() ||
      (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
    QLineEdit::keyPressEvent(event);
    return;
  }
  const QChar ch = FilterChar(typed[0]);
  if (!ch.isNull())
    insert(QString(ch));
}

void TMyEdit::focusOutEvent(QFocusEvent *event) {
  if (event->reason() != Qt::PopupFocusReason)
    GetValue();
  QLineEdit::focusOutEvent(event);
}
