#pragma once
// What the tests of system and load files compare: the rows in use of every
// input table, the text of a file changed in place, and the message a file
// command raises.
#include "model/Message.h"
#include "model/TableLists.h"

#include <string>
#include <utility>
#include <vector>

// The rows in use of every table: row index and the record's bytes behind
// the header, so a difference in any field or in the rows in use shows.
using Snapshot = std::vector<std::vector<std::pair<int, std::string>>>;

inline Snapshot TakeSnapshot() {
  Snapshot snapshot;
  for (InputContainer *table : AllInputTables()) {
    auto &rows = snapshot.emplace_back();
    for (int n = 0; n < table->ActiveCount(); ++n) {
      const char *record = static_cast<const char *>(table->ActiveRow(n));
      rows.emplace_back(table->IndexOfRecord(record),
                        std::string(record + sizeof(RowHeader), record + table->RecordSize()));
    }
  }
  return snapshot;
}

inline std::string ReplaceAll(std::string text, const std::string &from, const std::string &to) {
  for (std::size_t at = 0; (at = text.find(from, at)) != std::string::npos; at += to.size())
    text.replace(at, from.size(), to);
  return text;
}

// The message of the Exception that command raised on path, "read" when it
// raised none.
inline std::string FaultOf(void (*command)(const std::string &), const std::string &path) {
  try {
    command(path);
  } catch (const Exception &e) {
    return e.what();
  }
  return "read";
}
