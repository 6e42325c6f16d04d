#pragma once
// The document named on the command line.
#include <string>

// All arguments after the program name joined with single blanks, as they
// came (quotes and blanks kept), so that a path with blanks passed in pieces
// arrives whole.  Empty when there are none.
std::string CommandTail(int argc, char **argv);
