#include "model/KeyedImport.h"

#include "model/Codepage1252.h"
#include "model/FileErrors.h"
#include "model/LoadLists.h"
#include "model/RecordFields.h"
#include "model/SystemTables.h"
#include "model/TextLine.h"

#include <cstddef>
#include <cstring>
#include <span>

namespace {

using Words = std::vector<std::string>;

constexpr std::size_t kKeyLength = 2;
constexpr std::size_t kFlagPosition = 2;
constexpr std::size_t kDataPosition = 4;

// Reads one data word into the field at its address; an empty word is a
// missing one.
using WordReader = void (*)(const std::string &word, char *field);

void StoreInteger(char *field, std::int32_t value) {
  std::memcpy(field, &value, sizeof value);
}

void IntegerWord(const std::string &word, char *field) {
  ReadFieldWord(word.empty() ? "0" : word, {0, sizeof(std::int32_t)}, field);
}
void RealWord(const std::string &word, char *field) {
  ReadFieldWord(word.empty() ? "0" : word, {0, sizeof(double)}, field);
}
// "J..." held (1), any other word free (0).
void HeldWord(const std::string &word, char *field) {
  StoreInteger(field, word.starts_with('J') ? 1 : 0);
}
// "L..." local axes, any other word global ones.
void AxesWord(const std::string &word, char *field) {
  StoreInteger(field, word.starts_with('L') ? kLocalAxes : kGlobalAxes);
}
// A release word: read from the words by AppendReleases.
void ReleaseWord(const std::string &, char *) {}

// One data word of a record line and the record field it fills.
struct KeyedField {
  std::size_t offset;
  WordReader read;
};

// Runs after a record line filled row: what the line means beyond its fields.
using Finish = void (*)(TableList tables, char *record, int row, const Words &words);

// One table of the keyed format: its count key, its record key, the section
// of the table it fills and the data words of a record line, in order.
struct KeyedTable {
  const char *countKey;
  const char *recordKey;
  const char *section;
  std::span<const KeyedField> fields;
  Finish finish;
};

InputContainer &TableNamed(TableList tables, const char *section) {
  for (InputContainer *table : tables)
    if (std::strcmp(table->SectionName(), section) == 0)
      return *table;
  throw Exception(std::string("Tabelle fehlt: ") + section);
}

// Beam words 3 .. 5 release the start of the beam, words 6 .. 8 its end; in
// each triple the normal force, the shear force and the moment.  One hinge
// row is appended per "J", in word order.
constexpr std::size_t kFirstRelease = 3;
constexpr std::size_t kReleases = 6;

void AppendReleases(TableList tables, char *, int row, const Words &words) {
  InputContainer &hinges = TableNamed(tables, "HINGES");
  for (std::size_t j = 0; j < kReleases; ++j) {
    const std::size_t at = kFirstRelease + j;
    if (at >= words.size() || !words[at].starts_with('J'))
      continue;
    if (hinges.Count() >= kMaxRows)
      throw FileFormatError("Zu viele Gelenke");
    HingeRecord &hinge = *static_cast<HingeRecord *>(hinges.GetRow(hinges.Count()));
    hinge.state = 1;
    hinge.beam = row + 1;
    hinge.position = j < 3 ? 0.0 : 1.0;
    hinge.type = static_cast<std::int32_t>(j % 3);
  }
  hinges.Refresh();
}

void WholeBeam(TableList, char *record, int, const Words &) {
  BeamLoadRecord &load = *reinterpret_cast<BeamLoadRecord *>(record);
  load.partialStart = 0.0;
  load.partialEnd = 1.0;
}

constexpr KeyedField kNodeFields[] = {{offsetof(NodeRecord, x), RealWord},
                                      {offsetof(NodeRecord, z), RealWord},
                                      {offsetof(NodeRecord, supportX), HeldWord},
                                      {offsetof(NodeRecord, supportZ), HeldWord},
                                      {offsetof(NodeRecord, supportR), HeldWord}};
constexpr KeyedField kBeamFields[] = {{offsetof(BeamRecord, node1), IntegerWord},
                                      {offsetof(BeamRecord, node2), IntegerWord},
                                      {offsetof(BeamRecord, material), IntegerWord},
                                      {0, ReleaseWord},
                                      {0, ReleaseWord},
                                      {0, ReleaseWord},
                                      {0, ReleaseWord},
                                      {0, ReleaseWord},
                                      {0, ReleaseWord},
                                      {offsetof(BeamRecord, thickness), RealWord}};
// Area before moment of inertia.
constexpr KeyedField kMatFields[] = {{offsetof(MatRecord, E), RealWord},
                                     {offsetof(MatRecord, A), RealWord},
                                     {offsetof(MatRecord, I), RealWord},
                                     {offsetof(MatRecord, alphaT), RealWord}};

constexpr KeyedTable kSystemKeys[] = {{"KN", "KO", "NODES", kNodeFields, nullptr},
                                      {"SN", "ST", "BEAMS", kBeamFields, AppendReleases},
                                      {"QN", "QT", "MATERIALS", kMatFields, nullptr}};

constexpr KeyedField kNodeLoadFields[] = {{offsetof(NodeLoadRecord, from), IntegerWord},
                                          {offsetof(NodeLoadRecord, to), IntegerWord},
                                          {offsetof(NodeLoadRecord, px), RealWord},
                                          {offsetof(NodeLoadRecord, pz), RealWord},
                                          {offsetof(NodeLoadRecord, m), RealWord}};
constexpr KeyedField kImposedFields[] = {{offsetof(ZwvRecord, from), IntegerWord},
                                         {offsetof(ZwvRecord, to), IntegerWord},
                                         {offsetof(ZwvRecord, dx), RealWord},
                                         {offsetof(ZwvRecord, dz), RealWord},
                                         {offsetof(ZwvRecord, rotation), RealWord}};
constexpr KeyedField kBeamLoadFields[] = {
    {offsetof(BeamLoadRecord, from), IntegerWord}, {offsetof(BeamLoadRecord, to), IntegerWord},
    {offsetof(BeamLoadRecord, system), AxesWord},  {offsetof(BeamLoadRecord, q1Start), RealWord},
    {offsetof(BeamLoadRecord, q1End), RealWord},   {offsetof(BeamLoadRecord, q2Start), RealWord},
    {offsetof(BeamLoadRecord, q2End), RealWord}};
constexpr KeyedField kTemperatureFields[] = {{offsetof(TempLoadRecord, from), IntegerWord},
                                             {offsetof(TempLoadRecord, to), IntegerWord},
                                             {offsetof(TempLoadRecord, t), RealWord},
                                             {offsetof(TempLoadRecord, dT), RealWord}};
constexpr KeyedField kPointLoadFields[] = {{offsetof(PointLoadRecord, beam), IntegerWord},
                                           {offsetof(PointLoadRecord, position), RealWord},
                                           {offsetof(PointLoadRecord, n), RealWord},
                                           {offsetof(PointLoadRecord, q), RealWord},
                                           {offsetof(PointLoadRecord, m), RealWord}};
constexpr KeyedField kImperfectionFields[] = {{offsetof(ImperfectionRecord, from), IntegerWord},
                                              {offsetof(ImperfectionRecord, to), IntegerWord},
                                              {offsetof(ImperfectionRecord, sway), RealWord},
                                              {offsetof(ImperfectionRecord, bow), RealWord}};

constexpr KeyedTable kLoadKeys[] = {{"KL", "KK", "NODELOAD", kNodeLoadFields, nullptr},
                                    {"ZL", "ZZ", "CONSTRAINTLOAD", kImposedFields, nullptr},
                                    {"SL", "SS", "BEAMLOAD", kBeamLoadFields, WholeBeam},
                                    {"TL", "TT", "TEMPERATURELOAD", kTemperatureFields, nullptr},
                                    {"GL", "GG", "POINTLOAD", kPointLoadFields, nullptr},
                                    {"VL", "VV", "IMPERFECTION", kImperfectionFields, nullptr}};

std::string UpperKey(const std::string &line) {
  std::string key = line.substr(0, kKeyLength);
  for (char &c : key)
    if (c >= 'a' && c <= 'z')
      c = static_cast<char>(c - 'a' + 'A');
  return key;
}

// Reads the whole file from its beginning, once, and keeps the lines of the
// keys of tables.  The lines are kept in the file's code page, one byte a
// character, so that the flag and the data stand at their positions whatever
// characters come before them.
KeyedLines ReadKeyedLines(std::FILE *file, std::span<const KeyedTable> tables) {
  KeyedLines lines;
  for (const KeyedTable &table : tables) {
    lines[table.countKey];
    lines[table.recordKey];
  }
  std::rewind(file);
  while (!std::feof(file) && !std::ferror(file)) {
    std::string line = Utf8ToCp1252(ReadTextLine(file));
    if (line.find('\0') != std::string::npos)
      throw FileFormatError("Ungültiges Zeichen in der Datei");
    const auto group = lines.find(UpperKey(line));
    if (group != lines.end())
      group->second.push_back(std::move(line));
  }
  return lines;
}

const std::vector<std::string> &LinesOf(const KeyedLines &lines, const std::string &key) {
  static const std::vector<std::string> none;
  const auto group = lines.find(key);
  return group == lines.end() ? none : group->second;
}

// The flag is the integer read from position 2 on, blanks skipped first;
// only 1 (also written +1 or 01) takes the record.
bool FlagIsOne(const std::string &line) {
  std::size_t at = line.find_first_not_of(' ', kFlagPosition);
  if (at == std::string::npos)
    return false;
  if (line[at] == '+')
    ++at;
  at = line.find_first_not_of('0', at);
  return at != std::string::npos && line[at] == '1' &&
         (at + 1 == line.size() || line[at + 1] < '0' || line[at + 1] > '9');
}

Words DataWords(const std::string &line) {
  Words words;
  if (line.size() <= kDataPosition)
    return words;
  const char *p = line.c_str() + kDataPosition;
  for (std::string word = NextWord(p); !word.empty(); word = NextWord(p))
    words.push_back(std::move(word));
  return words;
}

void ImportRecords(const KeyedTable &keyed, int count, const std::vector<std::string> &lines,
                   TableList tables) {
  InputContainer &table = TableNamed(tables, keyed.section);
  if (count > 0)
    table.GrowTo(count);
  for (int i = 0; i < count; ++i) {
    if (!FlagIsOne(lines[i]))
      continue;
    const Words words = DataWords(lines[i]);
    char *record = static_cast<char *>(table.GetRow(i));
    for (std::size_t j = 0; j < keyed.fields.size(); ++j)
      keyed.fields[j].read(j < words.size() ? words[j] : std::string(),
                           record + keyed.fields[j].offset);
    table.Header(i).state = 1;
    if (keyed.finish != nullptr)
      keyed.finish(tables, record, i, words);
  }
  table.Refresh();
}

// Every count is read and checked against the lines of its key before a
// single row is touched.
bool Import(std::FILE *file, std::span<const KeyedTable> keys, TableList tables) {
  const KeyedLines lines = ReadKeyedLines(file, keys);
  std::vector<int> counts;
  bool found = false;
  for (const KeyedTable &keyed : keys) {
    const std::optional<int> count = FindKey(lines, keyed.countKey);
    found = found || count.has_value();
    counts.push_back(count.value_or(0));
    if (static_cast<std::size_t>(counts.back()) > LinesOf(lines, keyed.recordKey).size())
      throw FileFormatError(std::string("Zu wenige Zeilen mit ") + keyed.recordKey);
  }
  for (std::size_t k = 0; k < keys.size(); ++k)
    ImportRecords(keys[k], counts[k], LinesOf(lines, keys[k].recordKey), tables);
  return found;
}

} // namespace

std::optional<int> FindKey(const KeyedLines &lines, const std::string &key) {
  const std::vector<std::string> &found = LinesOf(lines, key);
  if (found.empty())
    return std::nullopt;
  const char *p = found.front().c_str() + kKeyLength;
  const std::string word = NextWord(p);
  std::int32_t count = 0;
  ReadFieldWord(word, {0, sizeof count}, &count);
  if (count < 0 || count > kMaxRows || !NextWord(p).empty())
    throw FileFormatError("Ungültige Anzahl: " + found.front());
  return count;
}

bool ImportOldSystem(std::FILE *file, TableList tables) {
  return Import(file, kSystemKeys, tables);
}

bool ImportOldLoads(std::FILE *file, TableList tables) {
  return Import(file, kLoadKeys, tables);
}
