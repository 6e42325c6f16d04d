#include "model/ReplaceFile.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int kMaxLinks = 40;

// The folder part of path with its trailing '/', empty when path has none.
std::string FolderOf(const std::string &path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// The text a symbolic link holds; nothing when it cannot be read.
std::optional<std::string> LinkText(const std::string &link, std::size_t size) {
  std::string text(size + 1, '\0');
  const ssize_t n = readlink(link.c_str(), text.data(), text.size());
  if (n < 0 || static_cast<std::size_t>(n) > size)
    return std::nullopt;
  text.resize(static_cast<std::size_t>(n));
  return text;
}

// The path a chain of symbolic links starting at path ends in (path itself
// when it is no link); a relative link counts from the link's own folder.
// Nothing when a link cannot be read or the chain is too long.
std::optional<std::string> FinalTarget(std::string path) {
  for (int depth = 0; depth <= kMaxLinks; ++depth) {
    struct stat entry {};
    if (lstat(path.c_str(), &entry) != 0 || !S_ISLNK(entry.st_mode))
      return path;
    const std::optional<std::string> text =
        LinkText(path, entry.st_size > 0 ? static_cast<std::size_t>(entry.st_size) : 4096);
    if (!text || text->empty())
      return std::nullopt;
    path = (*text)[0] == '/' ? *text : FolderOf(path) + *text;
  }
  return std::nullopt;
}

// Creates a file that did not exist in the folder of path; returns its
// descriptor and name, or -1.  The name is short and does not grow with the
// target's, so a target whose name is as long as the file system allows can
// still be written.
int CreateTemporaryBeside(const std::string &path, std::string &name) {
  static unsigned counter = 0;
  for (int attempt = 0; attempt < 100; ++attempt) {
    name =
        FolderOf(path) + "." + std::to_string(getpid()) + "." + std::to_string(++counter) + ".tmp";
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

// Owner and group first (a change of owner clears the set-id bits), then
// the permission bits.  Only root may give a file away and only a member may
// give it a group: what this user may not set stays his own.
bool KeepOwnerAndMode(const struct stat &target, int fd) {
  if (fchown(fd, target.st_uid, target.st_gid) != 0 &&
      fchown(fd, static_cast<uid_t>(-1), target.st_gid) != 0) {
    // The new file keeps this user's owner and group.
  }
  return fchmod(fd, target.st_mode & 07777) == 0;
}

// Writes bytes in pieces and has the system start writing each piece to
// disk at once, so that the flush at the end waits for the last pieces only.
bool WriteAndStartFlush(int fd, std::string_view bytes) {
  constexpr std::size_t kPiece = std::size_t{8} << 20;
  for (std::size_t offset = 0; offset < bytes.size(); offset += kPiece) {
    const std::size_t length = std::min(kPiece, bytes.size() - offset);
    if (!WriteAll(fd, bytes.substr(offset, length)))
      return false;
#ifdef SYNC_FILE_RANGE_WRITE
    // Only a start: the fsync that follows waits for it and reports failures.
    sync_file_range(fd, static_cast<off_t>(offset), static_cast<off_t>(length),
                    SYNC_FILE_RANGE_WRITE);
#endif
  }
  return true;
}

// The crash-safe way for a regular file or a new one: a temporary file
// beside the target, renamed over it once written and flushed.
bool ReplaceBeside(const std::string &target, const struct stat *existing, std::string_view bytes) {
  std::string temporary;
  const int fd = CreateTemporaryBeside(target, temporary);
  if (fd < 0)
    return false;
  bool ok = (!existing || KeepOwnerAndMode(*existing, fd)) && WriteAndStartFlush(fd, bytes) &&
            fsync(fd) == 0;
  ok = close(fd) == 0 && ok;
  ok = ok && std::rename(temporary.c_str(), target.c_str()) == 0;
  if (!ok)
    unlink(temporary.c_str());
  return ok;
}

// A device or a FIFO: never replaced, written where it is.  The open does
// not wait for a reader of a FIFO; the writes then block as usual.
bool WriteInPlace(const std::string &target, std::string_view bytes) {
  const int fd = open(target.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0)
    return false;
  const int flags = fcntl(fd, F_GETFL);
  bool ok = flags >= 0 && fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) == 0 && WriteAll(fd, bytes);
  ok = close(fd) == 0 && ok;
  return ok;
}

} // namespace

bool ReplaceFile(const std::string &path, std::string_view bytes) {
  const std::optional<std::string> target = FinalTarget(path);
  if (!target)
    return false;
  struct stat existing {};
  if (stat(target->c_str(), &existing) != 0)
    return errno == ENOENT && ReplaceBeside(*target, nullptr, bytes);
  if (access(target->c_str(), W_OK) != 0)
    return false;
  if (!S_ISREG(existing.st_mode))
    return WriteInPlace(*target, bytes);
  return ReplaceBeside(*target, &existing, bytes);
}
