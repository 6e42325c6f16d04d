#include "graphics/core/SettingsFile.h"

#include "graphics/core/Settings.h"
#include "graphics/core/TreeClass.h"
#include "model/Codepage1252.h"
#include "model/ReplaceFile.h"

#include <cstdio>
#include <string_view>

namespace {

bool IsBlankOrControl(char c) {
  return static_cast<unsigned char>(c) <= ' ';
}

std::string Trimmed(std::string_view text) {
  while (!text.empty() && IsBlankOrControl(text.front()))
    text.remove_prefix(1);
  while (!text.empty() && IsBlankOrControl(text.back()))
    text.remove_suffix(1);
  return std::string(text);
}

// The whole file, or false when it cannot be opened or read.
bool ReadWholeFile(const std::string &path, std::string &bytes) {
  std::FILE *file = std::fopen(path.c_str(), "rb");
  if (file == nullptr)
    return false;
  char block[4096];
  std::size_t n;
  while ((n = std::fread(block, 1, sizeof block, file)) > 0)
    bytes.append(block, n);
  const bool ok = !std::ferror(file);
  std::fclose(file);
  return ok;
}

// A carriage return before the line feed is trimmed with the value.
void ApplyLine(std::string_view line) {
  if (TreeClass *node = SettingsRoot().FindByPath(SettingKey(line), ""))
    node->SetFromText(SettingValue(line));
}

} // namespace

bool ReadSettings(const std::string &path) {
  std::string bytes;
  if (!ReadWholeFile(path, bytes))
    return false;
  const std::string text = Cp1252ToUtf8(bytes);
  std::string_view rest = text;
  while (!rest.empty()) {
    const std::size_t end = rest.find('\n');
    ApplyLine(rest.substr(0, end));
    rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
  }
  return true;
}

bool WriteSettings(const std::string &path) {
  std::string text;
  SettingsRoot().Write(text, "");
  return ReplaceFile(path, Utf8ToCp1252(text));
}

std::string SettingKey(std::string_view line) {
  const std::size_t equals = line.find('=');
  return equals == std::string_view::npos ? std::string() : Trimmed(line.substr(0, equals));
}

std::string SettingValue(std::string_view line) {
  const std::size_t equals = line.find('=');
  return equals == std::string_view::npos ? std::string() : Trimmed(line.substr(equals + 1));
}

std::string ChangeExtension(const std::string &path, const std::string &extension) {
  const std::size_t nameStart = path.find_last_of("/\\") + 1;
  const std::size_t dot = path.rfind('.');
  const bool hasExtension = dot != std::string::npos && dot > nameStart;
  return (hasExtension ? path.substr(0, dot) : path) + "." + extension;
}
