#include "app/BatchLine.h"

#include "model/Codepage1252.h"

#include <cstdio>

namespace {

std::optional<std::string> ReadFileBytes(const std::string &path) {
  std::FILE *file = std::fopen(path.c_str(), "rb");
  if (!file)
    return std::nullopt;
  std::string bytes;
  char buffer[8192];
  std::size_t count;
  while ((count = std::fread(buffer, 1, sizeof buffer, file)) > 0)
    bytes.append(buffer, count);
  // A folder opens but does not read.
  const bool failed = std::ferror(file) != 0;
  std::fclose(file);
  if (failed)
    return std::nullopt;
  return bytes;
}

// The file's text in UTF-8: its bytes as they are when they are valid
// UTF-8, otherwise decoded from 1252.  A 1252 text with letters beyond ASCII
// is valid UTF-8 only when they come in pairs such as "Ã¼", which no German
// text holds.
std::string BatchText(std::string_view bytes) {
  constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
  if (bytes.starts_with(kByteOrderMark))
    bytes.remove_prefix(kByteOrderMark.size());
  return IsUtf8(bytes) ? std::string(bytes) : Cp1252ToUtf8(bytes);
}

} // namespace

std::optional<std::vector<std::string>> ReadBatchLines(const std::string &path) {
  const std::optional<std::string> bytes = ReadFileBytes(path);
  if (!bytes)
    return std::nullopt;
  const std::string text = BatchText(*bytes);
  std::vector<std::string> lines;
  std::string_view rest = text;
  while (!rest.empty()) {
    const std::size_t end = rest.find('\n');
    std::string_view line = rest.substr(0, end);
    rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    // A carriage return before the line feed, or before the end of the file
    // in a last line without one, belongs to the line end.
    if (!line.empty() && line.back() == '\r')
      line.remove_suffix(1);
    lines.emplace_back(line);
  }
  return lines;
}

std::string TrimBlanks(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos)
    return {};
  return std::string(text.substr(first, text.find_last_not_of(" \t") - first + 1));
}

BatchLine ParseBatchLine(std::string_view line) {
  BatchLine parsed;
  const std::size_t equals = line.find('=');
  if (equals != std::string_view::npos) {
    parsed.argument = TrimBlanks(line.substr(equals + 1));
    parsed.hasArgument = true;
    line = line.substr(0, equals);
  }
  parsed.keyword = TrimBlanks(line.substr(0, line.find('(')));
  return parsed;
}
