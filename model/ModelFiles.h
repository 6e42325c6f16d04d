#pragma once
// Whole system and load files, as the file commands and the batch
// interpreter open and save them.
//
// Every function either succeeds or throws Exception; its message is the
// text to show in a message box with the caption "Fehler".  On failure the
// tables (reading) or the file on disk (writing) stay as they were.
#include <string>

inline constexpr const char *kSystemFileFault = "Fehler beim öffnen der Systemdatei";
inline constexpr const char *kLoadFileFault = "Fehler beim öffnen der Lastdatei";

// Reads the sections NODES, BEAMS, MATERIALS and HINGES into fresh tables,
// then the records of the older keyed format (model/KeyedImport.h), and,
// when the whole file reads, puts the tables in place of Nodes, Beams,
// Materials and Hinges.  A file that cannot be opened, holds neither one of
// the four sections nor a count line of the keyed system, or holds a record
// that does not read fails with kSystemFileFault; an over-long line with
// "Line to long".  Reports no change: the caller marks the system changed.
void ReadSystemFile(const std::string &path);

// The same for the seven load sections, the keyed loads and the load lists;
// kLoadFileFault.
void ReadLoadFile(const std::string &path);

// Writes the four system sections in place of the file at path (through a
// new file in its folder that is renamed over it).  Any failure fails with
// kSystemFileFault and leaves a previous file at path untouched.
void WriteSystemFile(const std::string &path);

// The same for the seven load sections; kLoadFileFault.
void WriteLoadFile(const std::string &path);
