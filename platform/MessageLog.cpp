#include "platform/MessageLog.h"

#include <cstdio>
#include <cstdlib>

namespace {
const char *LogPath() {
  const char *path = std::getenv("KELMOR_MESSAGE_LOG");
  return path && *path ? path : nullptr;
}

// Every line break (LF, CR LF or a lone CR) becomes the two characters "\n".
std::string EscapeLineBreaks(const std::string &text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
      continue;
    if (text[i] == '\n' || text[i] == '\r')
      out += "\\n";
    else
      out += text[i];
  }
  return out;
}
} // namespace

bool MessageLogActive() {
  return LogPath() != nullptr;
}

std::string MessageLogLine(const std::string &caption, const std::string &text) {
  return EscapeLineBreaks(caption) + '\t' + EscapeLineBreaks(text) + '\n';
}

void AppendMessageLog(const std::string &caption, const std::string &text) {
  const char *path = LogPath();
  if (!path)
    return;
  const std::string line = MessageLogLine(caption, text);
  std::FILE *file = std::fopen(path, "ab");
  bool written = file && std::fwrite(line.data(), 1, line.size(), file) == line.size();
  if (file && std::fclose(file) != 0)
    written = false;
  if (!written)
    std::fprintf(stderr, "message log %s not writable: %s", path, line.c_str());
}
