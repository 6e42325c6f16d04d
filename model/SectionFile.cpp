// The section text format of system and load files: SaveToFile writes a
// table's section, LoadFromFile reads it.
#include "model/CLocale.h"
#include "model/FileErrors.h"
#include "model/InputContainer.h"
#include "model/InputGrid.h"
#include "model/RecordFields.h"
#include "model/TextLine.h"

#include <string>

namespace {

// Row numbers outside 1 .. kMaxRows on a record line are passed over.
bool RowNumberInRange(long long n) {
  return n >= 1 && n <= kMaxRows;
}

long SectionCount(const std::string &line) {
  long count = 0;
  if (!ParseLongC(line.c_str(), count) || count < 0)
    throw FileFormatError("Ungültige Anzahl: " + line);
  return count;
}

} // namespace

void InputContainer::SaveToFile(std::FILE *file) {
  if (grid != nullptr && grid->Row() > 0 && grid->Col() > 0)
    grid->Fill(grid->Row(), grid->Col());
  WriteText(file, FormatC("%s\n", SectionName()));
  const int rows = ActiveCount();
  WriteText(file, FormatC("%d\n", rows));
  for (int n = 0; n < rows; ++n) {
    const int row = IndexOfRecord(ActiveRow(n));
    WriteText(file, FormatC("%5d", row + 1));
    WriteItem(file, row);
    WriteText(file, "\n");
  }
  WriteText(file, "\n");
}

bool InputContainer::LoadFromFile(std::FILE *file) {
  ClearRows();
  if (!FindKeyLine(file, SectionName()))
    return false;
  const long count = SectionCount(ReadTextLine(file));
  long records = 0;
  for (std::string line = ReadTextLine(file); BeginsWithInteger(line.c_str());
       line = ReadTextLine(file)) {
    if (line.find('\0') != std::string::npos)
      throw FileFormatError("Ungültiges Zeichen in Abschnitt " + std::string(SectionName()));
    ++records;
    const long long n = RowNumberOf(line.c_str());
    if (!RowNumberInRange(n))
      continue;
    const int row = static_cast<int>(n - 1);
    GetRow(row);
    ReadItem(line.c_str(), row);
    Header(row).state = 255;
  }
  if (records != count)
    throw FileFormatError(std::string("Anzahl der Zeilen stimmt nicht in Abschnitt ") +
                          SectionName());
  Refresh();
  return true;
}
