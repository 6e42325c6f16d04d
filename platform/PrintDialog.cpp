#include "platform/PrintDialog.h"

#include "platform/DialogAnswerer.h"
#include "platform/MessageLog.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include <map>

namespace {
void PrintIntoPdf(QPrinter &printer, const QString &fileName) {
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(fileName);
}

// The PDF file each job title was printed into last while the program runs.
std::map<std::string, QString> &ChosenPdfNames() {
  static std::map<std::string, QString> names;
  return names;
}

// The file chosen last for title, else <home>/<title's base name>.pdf.
QString OfferedPdfName(const std::string &title) {
  const auto chosen = ChosenPdfNames().find(title);
  if (chosen != ChosenPdfNames().end())
    return chosen->second;
  QString base = QFileInfo(QString::fromStdString(title)).completeBaseName();
  if (base.isEmpty())
    base = QCoreApplication::applicationName();
  return QDir::home().filePath(base + ".pdf");
}

// A confirmed printer that writes a file keeps that file for title.
void RememberPdfName(const std::string &title, const QPrinter &printer) {
  if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty())
    ChosenPdfNames()[title] = printer.outputFileName();
}
} // namespace

bool ExecutePrintDialog(QPrinter &printer, const std::string &title, QWidget *parent) {
  printer.setDocName(QString::fromStdString(title));
  DialogRequest request;
  request.kind = DialogKind::Print;
  request.caption = "Drucken";
  request.text = title;
  request.fileName = OfferedPdfName(title).toStdString();
  if (std::optional<DialogAnswer> answer = AskDialogAnswerer(request)) {
    if (answer->button != MsgResult::Ok)
      return false;
    if (!answer->fileName.empty())
      PrintIntoPdf(printer, QString::fromStdString(answer->fileName));
    RememberPdfName(title, printer);
    return true;
  }
  if (MessageLogActive() || !qobject_cast<QApplication *>(QCoreApplication::instance()))
    return false;
  if (QPrinterInfo::availablePrinters().isEmpty())
    PrintIntoPdf(printer, QString::fromStdString(request.fileName));
  QPrintDialog dialog(&printer, parent ? parent : QApplication::activeWindow());
  dialog.setWindowTitle(QString::fromStdString(request.caption));
  if (dialog.exec() != QDialog::Accepted)
    return false;
  RememberPdfName(title, printer);
  return true;
}
