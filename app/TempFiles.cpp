#include "app/TempFiles.h"

#include "analysis/ProtocolText.h"
#include "model/Message.h"

#include <QDir>
#include <cstdlib>
#include <unistd.h>

namespace {

std::string CreateTempFile() {
  std::string name = QDir::tempPath().toStdString() + "/StabXXXXXX";
  const int fd = mkstemp(name.data());
  if (fd < 0)
    Error("Fehler bei Erzeugung einer Temporären Dateiname");
  close(fd);
  return name;
}

} // namespace

std::string WriteTempProtocol(std::vector<std::string> &tempFiles, std::string_view text) {
  const std::string name = CreateTempFile();
  tempFiles.push_back(name);
  if (!WriteProtocolFile(name, text))
    Error("Fehler bei öffnen der Ausdruckdatei");
  return name;
}
