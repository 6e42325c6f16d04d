#include "platform/ColorDialog.h"

#include "platform/DialogAnswerer.h"
#include "platform/MessageLog.h"

#include <QApplication>
#include <QColorDialog>

QColor ToQColor(int color) {
  return QColor(color & 0xff, (color >> 8) & 0xff, (color >> 16) & 0xff);
}

int ToTColor(const QColor &color) {
  return color.blue() * 65536 + color.green() * 256 + color.red();
}

std::optional<int> ExecuteColorDialog(int color, QWidget *parent) {
  DialogRequest request;
  request.kind = DialogKind::Color;
  request.color = color;
  if (std::optional<DialogAnswer> answer = AskDialogAnswerer(request)) {
    if (answer->button != MsgResult::Ok)
      return std::nullopt;
    return answer->color;
  }
  if (MessageLogActive() || !qobject_cast<QApplication *>(QCoreApplication::instance()))
    return std::nullopt;
  const QColor chosen =
      QColorDialog::getColor(ToQColor(color), parent ? parent : QApplication::activeWindow());
  if (!chosen.isValid())
    return std::nullopt;
  return ToTColor(chosen);
}
