#pragma once
// The settings file: one line "key = value" for each setting of the tree
// whose value differs from its default.  Windows-1252 on disk, numbers with
// a decimal point whatever the process locale.
#include <string>
#include <string_view>

// Applies every line of the file at path whose key names a setting of the
// tree (SettingsRoot()); lines of any length are
// read, a carriage return before the line feed belongs to the line end, and
// lines that name no setting are ignored.  Returns false, changing nothing,
// when the file cannot be read (a missing file leaves the defaults).
bool ReadSettings(const std::string &path);

// Writes the settings of the tree that differ from their
// defaults to the file at path, through a new file renamed over it.
// Returns false when that fails; the previous file is then left as it was.
bool WriteSettings(const std::string &path);

// The text before, respectively after, the first "=" of a line, without
// leading and trailing blanks and control characters; empty for both when
// the line holds no "=".
std::string SettingKey(std::string_view line);
std::string SettingValue(std::string_view line);

// The path with the extension of its last name replaced by extension (given
// without the point), or given when the name has none: the file of that
// kind beside a program, "/opt/kelmor/Kelmor" and "dat" give
// "/opt/kelmor/Kelmor.dat".
std::string ChangeExtension(const std::string &path, const std::string &extension);
