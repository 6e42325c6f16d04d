#include "platform/PrintDialog.h"

#include "platform/DialogAnswerer.h"
#include "platform/MessageLog.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

namespace {
void PrintIntoPdf(QPrinter &printer, const QString &fileName) {
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(fileName);
}

QString DefaultPdfName(const std::string &title) {
  QString base = QFileInfo(QString::fromStdString(title)).completeBaseName();
  if (base.isEmpty())
    base = QCoreApplication::applicationName();
  return QDir::home().filePath(base + ".pdf");
}
} // namespace

bool ExecutePrintDialog(QPrinter &printer, const std::string &title, QWidget *parent) {
  printer.setDocName(QString::fromStdString(title));
  DialogRequest request;
  request.kind = DialogKind::Print;
  request.caption = "Drucken";
  request.text = title;
  if (std::optional<DialogAnswer> answer = AskDialogAnswerer(request)) {
    if (answer->button != MsgResult::Ok)
      return false;
    if (!answer->fileName.empty())
      PrintIntoPdf(printer, QString::fromStdString(answer->fileName));
    return true;
  }
  if (MessageLogActive() || !qobject_cast<QApplication *>(QCoreApplication::instance()))
    return false;
  if (QPrinterInfo::availablePrinters().isEmpty())
    PrintIntoPdf(printer, DefaultPdfName(title));
  QPrintDialog dialog(&printer, parent ? parent : QApplication::activeWindow());
  dialog.setWindowTitle(QString::fromStdString(request.caption));
  return dialog.exec() == QDialog::Accepted;
}
