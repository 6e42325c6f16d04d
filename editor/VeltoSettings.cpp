#include "editor/VeltoSettings.h"

#include "model/CLocale.h"
#include "model/Codepage1252.h"

#include <QByteArray>
#include <QFile>
#include <QSaveFile>
#include <QString>
#include <algorithm>
#include <vector>

namespace {
std::vector<std::string> SplitLines(const std::string &text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos)
      end = text.size();
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r')
      line.pop_back();
    lines.push_back(line);
    start = end + 1;
  }
  return lines;
}

// Reads a whole-number line into value clamped to [low, high]; false (value
// untouched) when the line is no whole number.
bool ReadNumber(const std::string &line, int low, int high, int &value) {
  long number = 0;
  if (!ParseLongC(line.c_str(), number))
    return false;
  value = static_cast<int>(std::clamp<long>(number, low, high));
  return true;
}
} // namespace

std::string SettingsPathFor(const std::string &programPath) {
  const std::size_t slash = programPath.find_last_of('/');
  const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
  const std::size_t dot = programPath.rfind('.');
  const bool hasExtension = dot != std::string::npos && dot > nameStart;
  return programPath.substr(0, hasExtension ? dot : programPath.size()) + ".ini";
}

int ParseSettings(const std::string &text, VeltoSettings &settings) {
  const std::vector<std::string> lines = SplitLines(text);
  if (!lines.empty() && !lines[0].empty())
    settings.FontName = lines[0];
  int firstBad = 0;
  auto number = [&](std::size_t index, int low, int high, int &value) {
    if (index < lines.size() && !lines[index].empty() &&
        !ReadNumber(lines[index], low, high, value) && firstBad == 0)
      firstBad = static_cast<int>(index) + 1;
  };
  number(1, kMinFontSize, kMaxFontSize, settings.FontSize);
  for (std::size_t m = 0; m < settings.PageMargins.size(); ++m)
    number(2 + m, kMinMargin, kMaxMargin, settings.PageMargins[m]);
  return firstBad;
}

int ReadSettings(const std::string &path, VeltoSettings &settings) {
  QFile file(QString::fromStdString(path));
  if (!file.open(QIODevice::ReadOnly))
    return 0;
  const QByteArray bytes = file.readAll();
  return ParseSettings(Cp1252ToUtf8(std::string_view(bytes.constData(), bytes.size())), settings);
}

std::string FormatSettings(const VeltoSettings &settings) {
  const std::array<int, 4> &m = settings.PageMargins;
  return settings.FontName + "\n" +
         FormatC("%d\n%d\n%d\n%d\n%d\n", settings.FontSize, m[0], m[1], m[2], m[3]);
}

bool WriteSettings(const std::string &path, const VeltoSettings &settings) {
  const std::string bytes = Utf8ToCp1252(FormatSettings(settings));
  QSaveFile file(QString::fromStdString(path));
  if (!file.open(QIODevice::WriteOnly))
    return false;
  // A failed write is remembered and makes commit() fail, which leaves the
  // previous file in place and removes the temporary one.
  file.write(bytes.data(), static_cast<qint64>(bytes.size()));
  return file.commit();
}
