#include "editor/ProtocolFile.h"

#include "model/Codepage1252.h"
#include "model/Message.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

namespace {
[[noreturn]] void CannotRead(const std::string &path, int error) {
  throw Exception("Cannot open file \"" + path + "\": " + std::strerror(error) + ".");
}

std::string WithoutCarriageReturns(const std::string &bytes) {
  std::string text;
  text.reserve(bytes.size());
  for (std::size_t i = 0; i < bytes.size(); ++i)
    if (bytes[i] != '\r' || i + 1 >= bytes.size() || bytes[i + 1] != '\n')
      text += bytes[i];
  if (!text.empty() && text.back() == '\n')
    text.pop_back();
  return text;
}
} // namespace

std::string ReadProtocolFile(const std::string &path) {
  std::unique_ptr<std::FILE, int (*)(std::FILE *)> file(std::fopen(path.c_str(), "rb"),
                                                        &std::fclose);
  if (!file)
    CannotRead(path, errno);
  std::string bytes;
  char buffer[65536];
  std::size_t count;
  while ((count = std::fread(buffer, 1, sizeof buffer, file.get())) > 0)
    bytes.append(buffer, count);
  if (std::ferror(file.get()))
    CannotRead(path, errno);
  return Cp1252ToUtf8(WithoutCarriageReturns(bytes));
}
