#include "grid/CellDialog.h"

#include "grid/MyEdit.h"
#include "platform/MessageLog.h"

#include <QPushButton>

namespace {
constexpr int kClientWidth = 197;
constexpr int kClientHeight = 95;
const QPoint kScreenPlace(382, 158);
const QRect kEditPlace(8, 16, 177, 21);
const QRect kOkPlace(8, 56, 81, 25);
const QRect kCancelPlace(104, 56, 81, 25);
} // namespace

TCellDialog1::TCellDialog1(QWidget *owner)
    : QDialog(owner), MyEdit1(new TMyEdit(this)), Button1(new QPushButton("Ok", this)),
      Button2(new QPushButton("Cancel", this)) {
  setObjectName("CellDialog1");
  setWindowTitle("Wert");
  setFixedSize(kClientWidth, kClientHeight);
  move(kScreenPlace);
  MyEdit1->setObjectName("MyEdit1");
  MyEdit1->setGeometry(kEditPlace);
  Button1->setObjectName("Button1");
  Button1->setGeometry(kOkPlace);
  Button1->setDefault(true);
  Button2->setObjectName("Button2");
  Button2->setGeometry(kCancelPlace);
  connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
  connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
  setTabOrder(MyEdit1, Button1);
  setTabOrder(Button1, Button2);
  MyEdit1->setFocus();
}

MsgResult TCellDialog1::Execute() {
  DialogRequest request;
  request.kind = DialogKind::Value;
  request.caption = windowTitle().toStdString();
  request.text = MyEdit1->text().toStdString();
  if (std::optional<DialogAnswer> answer = AskDialogAnswerer(request)) {
    MyEdit1->setText(QString::fromStdString(answer->text));
    return answer->button == MsgResult::Ok ? MsgResult::Ok : MsgResult::Cancel;
  }
  if (MessageLogActive())
    return MsgResult::Cancel;
  return exec() == QDialog::Accepted ? MsgResult::Ok : MsgResult::Cancel;
}
