#pragma once
// The lines of a batch command file and the two parts of a line: the keyword
// (the text before the first "(" or "=") and the argument (the text after the
// first "=").  Batch files are Windows-1252, or UTF-8 as Linux editors write
// them; the lines come back as UTF-8.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct BatchLine {
  std::string keyword;
  std::string argument; // empty when the line holds no "="
  // Whether the line holds an "=", so "SAVEGRAPHFILE =" (an empty name) is
  // told from "SAVEGRAPHFILE" (no name at all).
  bool hasArgument = false;
};

// The lines of the file at path without their line ends (a line feed and a
// carriage return before it), or nothing when the file cannot be read.
// A leading UTF-8 byte-order mark is dropped; a file that is valid UTF-8
// (with or without the mark) is read as UTF-8, any other as Windows-1252.
// A file of ASCII alone reads the same either way.
std::optional<std::vector<std::string>> ReadBatchLines(const std::string &path);

// The text without blanks and tabs at either end.
std::string TrimBlanks(std::string_view text);

// Keyword and argument of a line, each trimmed.  Text from a "(" on in the
// keyword part is ignored, so "SolveI()" has the keyword "SolveI"; the
// argument keeps its inner blanks and may itself hold "(" and "=".
BatchLine ParseBatchLine(std::string_view line);
