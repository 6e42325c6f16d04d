#include "model/ReplaceFile.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Creates a file that did not exist, beside path; returns its descriptor
// and name, or -1.
int CreateTemporaryBeside(const std::string &path, std::string &name) {
  static unsigned counter = 0;
  for (int attempt = 0; attempt < 100; ++attempt) {
    name = path + "." + std::to_string(getpid()) + "." + std::to_string(++counter) + ".tmp";
    const int fd = open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST)
      return fd;
  }
  return -1;
}

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = write(fd, bytes.data(), bytes.size());
    if (n < 0 && errno == EINTR)
      continue;
    if (n <= 0)
      return false;
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

bool KeepModeOf(const std::string &path, int fd) {
  struct stat target;
  if (stat(path.c_str(), &target) != 0)
    return errno == ENOENT;
  return fchmod(fd, target.st_mode & 07777) == 0;
}

} // namespace

bool ReplaceFile(const std::string &path, std::string_view bytes) {
  std::string temporary;
  const int fd = CreateTemporaryBeside(path, temporary);
  if (fd < 0)
    return false;
  bool ok = KeepModeOf(path, fd) && WriteAll(fd, bytes) && fsync(fd) == 0;
  ok = close(fd) == 0 && ok;
  ok = ok && std::rename(temporary.c_str(), path.c_str()) == 0;
  if (!ok)
    unlink(temporary.c_str());
  return ok;
}
