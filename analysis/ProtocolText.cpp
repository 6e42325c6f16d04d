#include "analysis/ProtocolText.h"

#include "analysis/ParallelWork.h"
#include "analysis/ProtocolFormat.h"
#include "model/Codepage1252.h"
#include "model/HugePages.h"
#include "model/ReplaceFile.h"

#include <cstdarg>
#include <memory>
#include <vector>

namespace {

// From this length on a protocol is converted to 1252 on several threads.
constexpr std::size_t kParallelBytes = std::size_t{1} << 20;

const char *const kDoubleRule =
    "==================================================================================\n";

// Byte length of the first maxChars characters of a UTF-8 text.
std::size_t PrefixBytes(std::string_view value, std::size_t maxChars) {
  std::size_t bytes = 0;
  for (std::size_t chars = 0; bytes < value.size(); ++bytes) {
    const bool startsCharacter = (static_cast<unsigned char>(value[bytes]) & 0xC0) != 0x80;
    if (startsCharacter && chars++ == maxChars)
      break;
  }
  return bytes;
}

} // namespace

std::tm LocalTimeNow() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return local;
}

void AppendF(std::string &text, const char *format, ...) {
  va_list args;
  va_start(args, format);
  AppendFormatted(text, format, args);
  va_end(args);
}

void PrintPageHeader(std::string &text, const ProtocolHeader &header) {
  const std::tm &t = header.stamp;
  AppendF(text, "%02d:%02d:%02d  %02d.%02d.%04d\n", t.tm_hour, t.tm_min, t.tm_sec, t.tm_mday,
          t.tm_mon + 1, t.tm_year + 1900);
  text += kDoubleRule;
  text += "System  : " + header.systemFile + "\n";
  text += "Lastfall: " + header.loadFile + "\n";
  text += kDoubleRule;
  text += "\n";
}

void AppendColumn(std::string &text, std::string_view value, int width, int maxChars) {
  if (maxChars >= 0)
    value = value.substr(0, PrefixBytes(value, static_cast<std::size_t>(maxChars)));
  const std::size_t chars = Utf8Length(value);
  if (width > 0 && chars < static_cast<std::size_t>(width))
    text.append(static_cast<std::size_t>(width) - chars, ' ');
  text += value;
}

bool WriteProtocolFile(const std::string &path, std::string_view text) {
  // A long text is converted in pieces on several threads, each piece cut
  // where a character starts, into one block (not zeroed first, on huge
  // pages): the page faults of a fresh block of many megabytes would take
  // longer than the conversion itself.
  const int pieces = text.size() < kParallelBytes ? 1 : AnalysisThreads();
  std::vector<std::size_t> starts(static_cast<std::size_t>(pieces) + 1, text.size());
  starts[0] = 0;
  for (int p = 1; p < pieces; ++p)
    starts[p] = Utf8CharacterStart(text, text.size() / pieces * p);
  auto piece = [&](int p) { return text.substr(starts[p], starts[p + 1] - starts[p]); };
  std::vector<std::size_t> offsets(static_cast<std::size_t>(pieces) + 1, 0);
  ForEachInParallel(pieces, pieces, [&](int p, int) { offsets[p + 1] = Cp1252Length(piece(p)); });
  for (int p = 0; p < pieces; ++p)
    offsets[p + 1] += offsets[p];
  const auto bytes = std::make_unique_for_overwrite<char[]>(offsets[pieces] + 1);
  PreferHugePages(bytes.get(), offsets[pieces]);
  ForEachInParallel(pieces, pieces,
                    [&](int p, int) { EncodeCp1252(piece(p), bytes.get() + offsets[p]); });
  return ReplaceFile(path, std::string_view(bytes.get(), offsets[pieces]));
}
