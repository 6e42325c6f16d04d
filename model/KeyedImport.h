#pragma once
// The older keyed format of system and load files, read only (saving writes
// the section format).  Every line begins with a two-letter key, matched
// without regard to case:
// - a count line: the key and a decimal integer, "KN4" (four nodes);
// - a record line: the key, from position 2 an integer flag that must be 1
//   for the record to be taken, the data from position 4 on, white-space
//   separated, "KO1 0.0 -4.0 J J N".
// The i-th record line of a key fills row i of its table in state 1; a
// record with another flag leaves its row free.  A word counts by its first
// character, and only the upper-case letters J (held, released) and L (local
// axes) count; a missing word or number reads as "not J", "not L" or 0.
// Hinges come from the six release words of a beam line (three for its
// start, three for its end); the format holds no hinge loads, skew angles,
// output intervals, bedding moduli or partial beam loads, so those fields
// keep what the row held (0 in a fresh table; beam loads cover the whole
// beam).
//
// The file readers (model/ModelFiles.h) run an import after the section
// readers on the same open file and into the same fresh tables, so a file
// with both reads the keyed records after the sections, and a refused file
// changes nothing.  Each import reads only its own kind's keys and passes
// every other line over.
#include "model/TableLists.h"

#include <cstdio>
#include <map>
#include <optional>
#include <string>
#include <vector>

// The lines of a file that begin with one of the keys asked for, grouped by
// their key in upper case, each group in file order; in the file's code page
// (Windows-1252), so that a position in a line is the file's own.
using KeyedLines = std::map<std::string, std::vector<std::string>>;

// The count of key: the integer after the key on the first line with that
// key; nothing when the file has no such line.  A count that is no integer,
// is negative or exceeds kMaxRows raises FileFormatError.
std::optional<int> FindKey(const KeyedLines &lines, const std::string &key);

// Reads the system keys (counts KN, SN, QN; records KO, ST, QT) of the whole
// file into tables, which are the system tables in the order of
// SystemTableList().  Returns true when the file holds a count line of the
// system.  Raises FileFormatError, and may have changed tables, when a count
// is bad or exceeds the record lines of its key, when a number on a record
// line does not read (the rules of ReadFieldWord), when a line holds a NUL
// or when the hinges would exceed kMaxRows; Exception "Line to long" for an
// over-long line.
bool ImportOldSystem(std::FILE *file, TableList tables);

// The same for the load keys (counts KL, ZL, SL, TL, GL, VL; records KK, ZZ,
// SS, TT, GG, VV) into the load lists in the order of LoadTableList().
bool ImportOldLoads(std::FILE *file, TableList tables);
