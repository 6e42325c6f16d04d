#include "platform/MessageBox.h"

#include "platform/MessageLog.h"
#include "platform/WaitCursor.h"

#include <QApplication>
#include <QMessageBox>
#include <algorithm>
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

bool VisibleOnTop(const QWidget *window) {
  return window && window->isVisible() && window->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
}

// The window a box belongs to: the one given, else a visible window that
// stays on top of the others (the status window of an analysis; a box
// beneath it could be neither read nor answered), else the active window.
QWidget *BoxOwner(QWidget *parent) {
  if (parent)
    return parent;
  QWidget *active = QApplication::activeWindow();
  if (VisibleOnTop(active))
    return active;
  const QWidgetList windows = QApplication::topLevelWidgets();
  const auto onTop = std::find_if(windows.begin(), windows.end(), VisibleOnTop);
  return onTop != windows.end() ? *onTop : active;
}

MsgResult ShowQtBox(const DialogRequest &request) {
  QMessageBox box(QtIcon(request.icon), QString::fromStdString(request.caption),
                  QString::fromStdString(request.text), QtButtons(request.buttons), request.owner);
  // A box of a window that stays on top must stay on top too.
  if (request.owner && VisibleOnTop(request.owner->window()))
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
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
  const bool windows = qobject_cast<QApplication *>(QCoreApplication::instance()) != nullptr;
  request.owner = windows ? BoxOwner(parent) : nullptr;
  if (std::optional<DialogAnswer> answer = AskDialogAnswerer(request))
    return answer->button;
  if (MessageLogActive()) {
    AppendMessageLog(caption, text);
    return request.defaultButton;
  }
  if (!windows) {
    // No window system to show it on: say it on standard error instead.
    std::fprintf(stderr, "%s", MessageLogLine(caption, text).c_str());
    return request.defaultButton;
  }
  return ShowQtBox(request);
}

void ShowMessage(const std::string &text) {
  MessageBox(text, QCoreApplication::applicationName().toStdString());
}
