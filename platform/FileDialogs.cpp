#include "platform/FileDialogs.h"

#include "platform/DialogAnswerer.h"
#include "platform/MessageLog.h"

#include <QApplication>
#include <QFileDialog>
#include <vector>

namespace {
std::vector<std::string> SplitAt(const std::string &text, char separator) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find(separator, start)) != std::string::npos; start = end + 1)
    parts.push_back(text.substr(start, end - start));
  parts.push_back(text.substr(start));
  return parts;
}

std::string JoinPatterns(const std::string &patterns) {
  std::string joined;
  for (const std::string &pattern : SplitAt(patterns, ';'))
    joined += (joined.empty() ? "" : " ") + pattern;
  return joined;
}

std::optional<std::string> ShowQtDialog(const DialogRequest &request, const std::string &ext,
                                        QWidget *parent) {
  QFileDialog dialog(parent ? parent : QApplication::activeWindow(),
                     QString::fromStdString(request.caption),
                     QString::fromStdString(request.fileName),
                     QString::fromStdString(QtFileFilter(request.filter)));
  const bool open = request.kind == DialogKind::OpenFile;
  dialog.setAcceptMode(open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
  dialog.setFileMode(open ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
  dialog.setDefaultSuffix(QString::fromStdString(ext));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
    return std::nullopt;
  return dialog.selectedFiles().front().toStdString();
}

std::optional<std::string> RunFileDialog(DialogKind kind, const FileDialogOptions &options,
                                         QWidget *parent) {
  DialogRequest request;
  request.kind = kind;
  request.caption = options.title;
  request.filter = options.filter;
  request.fileName = options.fileName;
  if (std::optional<DialogAnswer> answer = AskDialogAnswerer(request)) {
    if (answer->button != MsgResult::Ok || answer->fileName.empty())
      return std::nullopt;
    return WithDefaultExtension(answer->fileName, options.defaultExt);
  }
  if (MessageLogActive() || !qobject_cast<QApplication *>(QCoreApplication::instance()))
    return std::nullopt;
  return ShowQtDialog(request, options.defaultExt, parent);
}
} // namespace

std::string QtFileFilter(const std::string &filter) {
  if (filter.empty())
    return {};
  const std::vector<std::string> parts = SplitAt(filter, '|');
  std::string result;
  for (std::size_t i = 0; i < parts.size(); i += 2) {
    const std::string patterns = i + 1 < parts.size() ? parts[i + 1] : "*";
    result += (result.empty() ? "" : ";;") + parts[i] + " (" + JoinPatterns(patterns) + ")";
  }
  return result;
}

std::string WithDefaultExtension(const std::string &fileName, const std::string &ext) {
  const std::size_t nameStart = fileName.find_last_of("/\\");
  const std::size_t dot = fileName.rfind('.');
  const bool hasExtension =
      dot != std::string::npos && (nameStart == std::string::npos || dot > nameStart);
  return ext.empty() || hasExtension ? fileName : fileName + "." + ext;
}

std::optional<std::string> OpenFileDialog(const FileDialogOptions &options, QWidget *parent) {
  return RunFileDialog(DialogKind::OpenFile, options, parent);
}

std::optional<std::string> SaveFileDialog(const FileDialogOptions &options, QWidget *parent) {
  return RunFileDialog(DialogKind::SaveFile, options, parent);
}
