#include "platform/MessageBox.h"

#include "platform/MessageLog.h"
#include "platform/WaitCursor.h"

#include <QApplication>
#include <QMessageBox>
#include <cstdio>

namespace {
MsgResult FirstButton(MsgButtons buttons) {
  return buttons == MsgButtons::YesNo || buttons == MsgButtons::YesNoCancel ? MsgResult::Yes
                                                                            : MsgResult::Ok;
}

QMessageBox::StandardButtons QtButtons(MsgButtons buttons) {
  switch (buttons) {
  case MsgButtons::Ok:
    return QMessageBox::Ok;
  case MsgButtons::OkCancel:
    return QMessageBox::Ok | QMessageBox::Cancel;
  case MsgButtons::YesNo:
    return QMessageBox::Yes | QMessageBox::No;
  case MsgButtons::YesNoCancel:
    return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
  }
  return QMessageBox::Ok;
}

QMessageBox::StandardButton QtButton(MsgResult result) {
  switch (result) {
  case MsgResult::Ok:
    return QMessageBox::Ok;
  case MsgResult::Yes:
    return QMessageBox::Yes;
  case MsgResult::No:
    return QMessageBox::No;
  case MsgResult::Cancel:
    return QMessageBox::Cancel;
  }
  return QMessageBox::Ok;
}

QMessageBox::Icon QtIcon(MsgIcon icon) {
  switch (icon) {
  case MsgIcon::None:
    return QMessageBox::NoIcon;
  case MsgIcon::Information:
    return QMessageBox::Information;
  case MsgIcon::Warning:
    return QMessageBox::Warning;
  case MsgIcon::Error:
    return QMessageBox::Critical;
  case MsgIcon::Question:
    return QMessageBox::Question;
  }
  return QMessageBox::NoIcon;
}

// The answer when the box was closed without one of its buttons.
MsgResult ClosedAnswer(MsgButtons buttons) {
  switch (buttons) {
  case MsgButtons::Ok:
    return MsgResult::Ok;
  case MsgButtons::YesNo:
    return MsgResult::No;
  default:
    return MsgResult::Cancel;
  }
}

MsgResult ShowQtBox(const DialogRequest &request, QWidget *parent) {
  QMessageBox box(QtIcon(request.icon), QString::fromStdString(request.caption),
                  QString::fromStdString(request.text), QtButtons(request.buttons),
                  parent ? parent : QApplication::activeWindow());
  box.setTextFormat(Qt::PlainText);
  box.setDefaultButton(QtButton(request.defaultButton));
  const NormalCursor normal;
  switch (box.exec()) {
  case QMessageBox::Ok:
    return MsgResult::Ok;
  case QMessageBox::Yes:
    return MsgResult::Yes;
  case QMessageBox::No:
    return MsgResult::No;
  case QMessageBox::Cancel:
    return MsgResult::Cancel;
  default:
    return ClosedAnswer(request.buttons);
  }
}
} // namespace

MsgResult MessageBox(const std::string &text, const std::string &caption, MsgButtons buttons,
                     MsgIcon icon, std::optional<MsgResult> defaultButton, QWidget *parent) {
  DialogRequest request;
  request.kind = DialogKind::Message;
  request.caption = caption;
  request.text = text;
  request.buttons = buttons;
  request.icon = icon;
  request.defaultButton = defaultButton.value_or(FirstButton(buttons));
  if (std::optional<DialogAnswer> answer = AskDialogAnswerer(request))
    return answer->button;
  if (MessageLogActive()) {
    AppendMessageLog(caption, text);
    return request.defaultButton;
  }
  if (!qobject_cast<QApplication *>(QCoreApplication::instance())) {
    // No window system to show it on: say it on standard error instead.
    std::fprintf(stderr, "%s", MessageLogLine(caption, text).c_str());
    return request.defaultButton;
  }
  return ShowQtBox(request, parent);
}

void ShowMessage(const std::string &text) {
  MessageBox(text, QCoreApplication::applicationName().toStdString());
}
