#include "app/TempFiles.h"

#include "analysis/ProtocolText.h"
#include "model/Message.h"

#include <cstdio>
#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// TMPDIR (without trailing '/') when it names a folder this user may create
// files in, else /tmp.
std::string TempFolder() {
  const char *variable = std::getenv("TMPDIR");
  std::string folder = variable ? variable : "";
  struct stat entry {};
  if (folder.empty() || stat(folder.c_str(), &entry) != 0 || !S_ISDIR(entry.st_mode) ||
      access(folder.c_str(), W_OK | X_OK) != 0)
    return "/tmp";
  while (folder.size() > 1 && folder.back() == '/')
    folder.pop_back();
  return folder;
}

std::string CreateTempFile() {
  std::string name = TempFolder() + "/StabXXXXXX";
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

void RemoveTempFiles(std::vector<std::string> &tempFiles) {
  for (const std::string &name : tempFiles)
    std::remove(name.c_str());
  tempFiles.clear();
}
