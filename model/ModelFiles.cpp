#include "model/ModelFiles.h"

#include "model/FileErrors.h"
#include "model/KeyedImport.h"
#include "model/LoadLists.h"
#include "model/Message.h"
#include "model/ReplaceFile.h"
#include "model/SystemTables.h"
#include "model/TableLists.h"

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <span>

namespace {

struct FileCloser {
  void operator()(std::FILE *file) const { std::fclose(file); }
};
using InputFile = std::unique_ptr<std::FILE, FileCloser>;

// Reads the keyed records of a file kind into its tables; true when the file
// holds a count line of that kind (model/KeyedImport.h).
using KeyedImport = bool (*)(std::FILE *file, TableList tables);

// Reads every section of tables from path, then the keyed records of the
// same kind; true when the file held at least one section or count line.
bool ReadSections(const std::string &path, TableList tables, KeyedImport importKeyed) {
  InputFile file(std::fopen(path.c_str(), "rb"));
  if (!file)
    return false;
  bool found = false;
  for (InputContainer *table : tables)
    found = table->LoadFromFile(file.get()) || found;
  // The import starts by rewinding, which would clear a read error.
  if (std::ferror(file.get()))
    return false;
  found = importKeyed(file.get(), tables) || found;
  return found && !std::ferror(file.get());
}

// Reads into fresh, then swaps fresh and live row blocks in one step that
// cannot fail, so the live tables change only when the whole file read.
void ReadTables(const std::string &path, TableList fresh, TableList live, KeyedImport importKeyed,
                const char *fault) {
  bool read = false;
  try {
    read = ReadSections(path, fresh, importKeyed);
  } catch (const FileFormatError &) {
    read = false;
  }
  if (!read)
    throw Exception(fault);
  for (std::size_t i = 0; i < live.size(); ++i)
    live[i]->SwapRows(*fresh[i]);
}

// The sections of tables as the bytes of a file.  False when a write into
// memory failed.
bool WriteSections(TableList tables, std::string &bytes) {
  char *buffer = nullptr;
  std::size_t size = 0;
  std::FILE *memory = open_memstream(&buffer, &size);
  if (memory == nullptr)
    return false;
  bool written = true;
  try {
    for (InputContainer *table : tables)
      table->SaveToFile(memory);
  } catch (const FileWriteError &) {
    written = false;
  } catch (...) {
    std::fclose(memory);
    std::free(buffer);
    throw;
  }
  written = std::fclose(memory) == 0 && written;
  if (written)
    bytes.assign(buffer, size);
  std::free(buffer);
  return written;
}

void WriteTables(const std::string &path, TableList tables, const char *fault) {
  std::string bytes;
  if (!WriteSections(tables, bytes) || !ReplaceFile(path, bytes))
    throw Exception(fault);
}

} // namespace

void ReadSystemFile(const std::string &path) {
  NodeClass nodes;
  BeamClass beams;
  MatClass materials;
  HingesClass hinges;
  InputContainer *const fresh[] = {&nodes, &beams, &materials, &hinges};
  ReadTables(path, fresh, SystemTableList(), ImportOldSystem, kSystemFileFault);
}

void ReadLoadFile(const std::string &path) {
  NodeLoadClass nodeLoads;
  BeamLoadClass beamLoads;
  PointLoadClass pointLoads;
  ZwvClass imposed;
  TempLoadClass temperature;
  ImperfectionClass imperfections;
  HingeLoadClass hingeLoads;
  InputContainer *const fresh[] = {&nodeLoads,   &beamLoads,     &pointLoads, &imposed,
                                   &temperature, &imperfections, &hingeLoads};
  ReadTables(path, fresh, LoadTableList(), ImportOldLoads, kLoadFileFault);
}

void WriteSystemFile(const std::string &path) {
  WriteTables(path, SystemTableList(), kSystemFileFault);
}

void WriteLoadFile(const std::string &path) {
  WriteTables(path, LoadTableList(), kLoadFileFault);
}
