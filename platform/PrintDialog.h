#pragma once
// The print dialog.  A test's answerer (DialogAnswerer.h) confirms it and
// names a PDF file to print into; in unattended runs (MessageLog.h) it counts
// as cancelled.
#include <string>

class QPrinter;
class QWidget;

// Runs the print dialog for printer and returns true when the user confirmed
// it.  title becomes the job title.  With no printer installed the printer
// writes a PDF file instead: the dialog offers the file a confirmed dialog
// of the same title printed into last while the program runs, at first
// <home>/<title's base name>.pdf.  The answerer's request names that file.
bool ExecutePrintDialog(QPrinter &printer, const std::string &title, QWidget *parent = nullptr);
