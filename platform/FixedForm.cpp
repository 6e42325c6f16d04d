#include "platform/FixedForm.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

void SetUpFixedForm(QWidget &form, const char *name, const char *caption, int clientWidth,
                    int clientHeight) {
  form.setObjectName(name);
  form.setWindowTitle(QString::fromUtf8(caption));
  form.setFixedSize(clientWidth, clientHeight);
  CenterOnScreen(form);
}

void CenterOnScreen(QWidget &window) {
  if (QScreen *screen = QGuiApplication::primaryScreen())
    window.move(screen->availableGeometry().center() - window.rect().center());
}

QLabel *NewLabel(QWidget *parent, const char *name, const char *text, const QRect &place) {
  auto *label = new QLabel(QString::fromUtf8(text), parent);
  label->setObjectName(name);
  label->setGeometry(place);
  return label;
}

QPushButton *NewButton(QWidget *parent, const char *name, const char *text, const QRect &place) {
  auto *button = new QPushButton(QString::fromUtf8(text), parent);
  button->setObjectName(name);
  button->setGeometry(place);
  return button;
}
