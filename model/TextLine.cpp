#include "model/TextLine.h"

#include "model/Codepage1252.h"
#include "model/FileErrors.h"
#include "model/Message.h"

namespace {

constexpr int kTabStop = 8;

// Appends one character read from a file, tabs expanded.
void AppendExpanded(std::string &line, int c) {
  if (c != '\t') {
    line.push_back(static_cast<char>(c));
    return;
  }
  const std::size_t target = (line.size() / kTabStop + 1) * kTabStop;
  line.resize(target, ' ');
}

char AsciiLower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool StartsWithKey(const std::string &line, const std::string &key) {
  if (line.size() < key.size())
    return false;
  for (std::size_t i = 0; i < key.size(); ++i)
    if (AsciiLower(line[i]) != AsciiLower(key[i]))
      return false;
  return true;
}

} // namespace

std::string ReadTextLine(std::FILE *file) {
  std::string line;
  // One character beyond the limit may still be the carriage return of the
  // line end; anything longer is over-long whatever follows.
  const std::size_t hardLimit = kMaxTextLine + 1;
  int c;
  // Files are read on one thread only: no lock per character.
  while ((c = getc_unlocked(file)) != EOF && c != '\n') {
    AppendExpanded(line, c);
    if (line.size() > hardLimit)
      Error("Line to long");
  }
  if (c == '\n' && !line.empty() && line.back() == '\r')
    line.pop_back();
  if (line.size() > static_cast<std::size_t>(kMaxTextLine))
    Error("Line to long");
  while (!line.empty() && line.back() == ' ')
    line.pop_back();
  return Cp1252ToUtf8(line);
}

bool FindKeyLine(std::FILE *file, const std::string &key, std::string *copy) {
  int rewinds = 0;
  for (;;) {
    if (std::ferror(file))
      return false;
    if (std::feof(file)) {
      std::rewind(file);
      if (++rewinds == 2)
        return false;
    }
    std::string line = ReadTextLine(file);
    if (StartsWithKey(line, key)) {
      if (copy != nullptr)
        *copy = std::move(line);
      return true;
    }
  }
}

void WriteText(std::FILE *file, const std::string &text) {
  const std::string bytes = Utf8ToCp1252(text);
  if (std::fwrite(bytes.data(), 1, bytes.size(), file) != bytes.size())
    throw FileWriteError("Fehler beim Schreiben der Datei");
}
