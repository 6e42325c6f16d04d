#pragma once
// The editor's settings file: six lines (font name, font size, left, right,
// top and bottom margin in millimetres), Windows-1252 on disk.
#include <array>
#include <string>

constexpr int kMinFontSize = 1;
constexpr int kMaxFontSize = 1638;
constexpr int kMinMargin = 0;
constexpr int kMaxMargin = 100;

struct VeltoSettings {
  std::string FontName = "Courier New";
  int FontSize = 9;
  std::array<int, 4> PageMargins{5, 5, 5, 5}; // left, right, top, bottom
};

// The settings file of a program: its folder, its name without extension,
// ".ini".
std::string SettingsPathFor(const std::string &programPath);

// Reads the lines of the file's text (UTF-8) over the defaults in settings.
// A missing or empty line keeps its default; so does a number line that is no
// whole number.  Sizes and margins are clamped to their ranges.  Returns the
// number (1-based) of the first line that is no whole number, 0 when none.
int ParseSettings(const std::string &text, VeltoSettings &settings);

// Reads the file over the defaults in settings; a missing file keeps them
// all.  Returns what ParseSettings returns.
int ReadSettings(const std::string &path, VeltoSettings &settings);

// The file's six lines, each ended by a line feed (UTF-8).
std::string FormatSettings(const VeltoSettings &settings);

// Writes the file whole through a temporary file in the same folder that
// replaces it only when everything was written; false when that failed, and
// then the previous file is untouched.
bool WriteSettings(const std::string &path, const VeltoSettings &settings);
