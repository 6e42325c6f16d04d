#pragma once
// Line-level reading and writing of the program's text files (system, load
// and settings files).  On disk the files are Windows-1252; in memory the
// lines are UTF-8.
#include <cstdio>
#include <string>

// Longest line, in visible characters after tab expansion and without the
// line end, that ReadTextLine accepts.
constexpr int kMaxTextLine = 196;

// Reads one line: tabs become blanks up to the next multiple of 8, the line
// end (a line feed and a carriage return before it) is dropped, trailing
// blanks are cut.  At the end of the file the rest of the last line, or an
// empty text, is returned and the file's end indicator is set.  A line longer
// than kMaxTextLine raises Exception "Line to long"; the file then stands
// somewhere inside that line.
std::string ReadTextLine(std::FILE *file);

// Positions file after the first line that begins with key (compared without
// regard to ASCII case) and returns true.  The search starts at the current
// position and wraps around to the beginning once.  Not found: false, the
// file stands at its beginning.  A read error: false, with the file's error
// indicator left set for the caller.  When copy is given, the found line is
// stored there.
bool FindKeyLine(std::FILE *file, const std::string &key, std::string *copy = nullptr);

// Writes UTF-8 text as Windows-1252; raises FileWriteError when the write
// fails.
void WriteText(std::FILE *file, const std::string &text);
