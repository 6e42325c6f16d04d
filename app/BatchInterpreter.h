#pragma once
// Unattended runs: the batch command file named on the command line is run
// line by line once the message loop has started.  The commands open a
// system and a load case, run the analyses, save the results protocol, hide
// the program and close it.
#include <string>

class TMainForm;

// Runs the batch file at path against the frame window.  Blank lines are
// skipped.  A keyword that matches no command, a results file that cannot be
// written or an unexpected exception shows its message and ends the run;
// the messages of the commands themselves (files that do not open, analysis
// errors) are shown and the run goes on.  The frame window is visible again
// after the run unless CLOSE has closed it.
void RunBatchFile(TMainForm &form, const std::string &path);
