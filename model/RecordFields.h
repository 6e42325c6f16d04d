#pragma once
// The data fields of a record, in the order of its data columns, which is
// also their order on a record line of a section file.  One writer and one
// reader serve every table; the word and field readers also serve the keyed
// format.
#include <cstddef>
#include <cstdio>
#include <span>
#include <string>

// Where the value of one data column lies in a record, and its size in bytes
// (4 for a 32-bit integer, 8 for a double).
struct FieldColumn {
  std::size_t offset;
  std::size_t size;
};

// Writes the fields of record, each after one blank: integers with "%*d" in
// integerWidth places (0: as wide as they are), reals with "%.14le".
void WriteFields(std::FILE *file, const void *record, std::span<const FieldColumn> fields,
                 int integerWidth);

// Parses a record line into record: the first white-space separated word is
// the row number and is passed over, the following words fill the fields in
// order.  A line with fewer words leaves the remaining fields as they are;
// words beyond the last field are ignored.  A word that is no number of its
// field's kind (a real that is not finite, an integer out of 32-bit range)
// raises FileFormatError.
void ReadFields(const char *line, void *record, std::span<const FieldColumn> fields);

// The next white-space separated word from p on; empty at the end of the
// line.  p is left behind the word.
std::string NextWord(const char *&p);

// Parses one word into its field of record: a real must be a finite number,
// an integer an optional sign and digits within 32 bits.  Anything else (an
// empty word too) raises FileFormatError and leaves the field as it was.
void ReadFieldWord(const std::string &word, const FieldColumn &field, void *record);

// True when text, after blanks, begins with an optional sign and a digit.
bool BeginsWithInteger(const char *text);

// The row number at the start of a record line.  A number beyond the range
// of long comes back as the largest or smallest value; a first word that is
// no integer raises FileFormatError.
long long RowNumberOf(const char *line);
