#pragma once
// Unattended runs: when the environment variable KELMOR_MESSAGE_LOG names a
// file, message boxes are not shown.  Each appends one line
// "caption<TAB>text" (UTF-8, a line break inside the text written as the two
// characters \n) to that file and is answered at once with its default
// button; open, save and print dialogs count as cancelled.  Several processes
// (Kelmor and the Velto it starts) may append to the same file.
#include <string>

// True when KELMOR_MESSAGE_LOG is set and not empty.
bool MessageLogActive();

// The log line for one box, ended by a line feed.
std::string MessageLogLine(const std::string &caption, const std::string &text);

// Appends the box's line to the log file; a log that cannot be written is
// reported on standard error only.
void AppendMessageLog(const std::string &caption, const std::string &text);
