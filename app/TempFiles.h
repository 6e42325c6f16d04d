#pragma once
// The temporary files the text protocols are written to before an editor
// shows them.  Each is created exclusively in the temp folder, so no other
// user or program can have placed it there first: TMPDIR when it names a
// folder this user may create files in, else /tmp.
#include <string>
#include <string_view>
#include <vector>

// Creates a new empty file "Stab......" in the temp folder, appends its name
// to tempFiles and writes the UTF-8 text into it as Windows-1252.  Raises
// Exception "Fehler bei Erzeugung einer Temporären Dateiname" when no file
// can be created, "Fehler bei öffnen der Ausdruckdatei" when the text cannot
// be written (the name then stays recorded, so the file goes at close).
std::string WriteTempProtocol(std::vector<std::string> &tempFiles, std::string_view text);

// Deletes every file named in tempFiles (those already gone are passed over)
// and empties the list.
void RemoveTempFiles(std::vector<std::string> &tempFiles);
