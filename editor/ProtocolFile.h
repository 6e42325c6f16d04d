#pragma once
// Reading the document shown by the editor: a Windows-1252 text file.
#include <string>

// The file's text in UTF-8, a carriage return before a line feed dropped and
// the line end of the last line too (a list of lines, not a byte image).
// Throws Exception with a message naming the file when it cannot be read.
std::string ReadProtocolFile(const std::string &path);
