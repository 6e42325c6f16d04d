#include "platform/DesktopOpener.h"

#include <QDesktopServices>
#include <QPointer>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

void OpenWithDesktop(const QString &path, QObject *receiver, std::function<void()> failed) {
  const QString opener = QStandardPaths::findExecutable("xdg-open");
  if (opener.isEmpty()) {
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(path)))
      failed();
    return;
  }
  // No parent: the process object goes when the opener ends, not with the
  // window, whose end would kill the opener.  Its channels lead nowhere, so
  // a browser it runs never writes into a closed pipe.
  auto *process = new QProcess;
  process->setStandardInputFile(QProcess::nullDevice());
  process->setStandardOutputFile(QProcess::nullDevice());
  process->setStandardErrorFile(QProcess::nullDevice());
  const auto end = [process, alive = QPointer<QObject>(receiver), failed](bool opened) {
    if (!opened && alive)
      failed();
    process->deleteLater();
  };
  QObject::connect(process, &QProcess::finished, process,
                   [end](int status, QProcess::ExitStatus exit) {
                     end(exit == QProcess::NormalExit && status == 0);
                   });
  QObject::connect(process, &QProcess::errorOccurred, process, [end](QProcess::ProcessError error) {
    if (error == QProcess::FailedToStart)
      end(false);
  });
  process->start(opener, {path});
}
