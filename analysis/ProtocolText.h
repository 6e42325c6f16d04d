#pragma once
// The parts the two text protocols share: the page header, formatted
// appending, text columns and the file they end up in.
//
// A protocol is built as UTF-8 text in a std::string (numbers formatted in
// the "C" locale, whatever the process locale) and only converted to the
// Windows-1252 code page when it is written to disk: WriteProtocolFile.  The
// writers append to the caller's string, so when one of them raises an
// Exception half-way the text written so far is still there.
//
//   ProtocolHeader header{systemFileName, loadFileName}; // stamped now
//   std::string text;
//   PrintInput(text, header);                   // or: if (!PrintResults(text, header)) ...
//   if (!WriteProtocolFile(path, text)) ...     // path: a created temporary file or a name
#include <ctime>
#include <string>
#include <string_view>

// The local time of now, for the page header.
std::tm LocalTimeNow();

// What the page header names: the current system and load file names (UTF-8,
// either may be empty) and the time the protocol is written.
struct ProtocolHeader {
  std::string systemFile;
  std::string loadFile;
  std::tm stamp = LocalTimeNow();
};

// Appends printf-style formatted text, numbers in the "C" locale, by the
// fast formatter of ProtocolFormat.h.
void AppendF(std::string &text, const char *format, ...) __attribute__((format(printf, 2, 3)));

// Appends the page header: "HH:MM:SS  DD.MM.YYYY", a rule of 82 '=', the
// system and the load file name, the rule again and an empty line.
void PrintPageHeader(std::string &text, const ProtocolHeader &header);

// Appends at most maxChars characters of a UTF-8 text (all when maxChars is
// negative), padded with blanks on the left to width characters: printf's
// "%*.*s" counted in characters instead of bytes, so a column holding an
// umlaut stays aligned.
void AppendColumn(std::string &text, std::string_view value, int width, int maxChars = -1);

// Writes the UTF-8 text as Windows-1252 to path.  An existing file, such as
// an exclusively created (and closed) temporary file, is replaced through a
// new file in the same folder and keeps its permission bits.  False when the
// file cannot be written; a previous file at path is then left as it was.
bool WriteProtocolFile(const std::string &path, std::string_view text);
