#pragma once
// The print dialog.  A test's answerer (DialogAnswerer.h) confirms it and
// names a PDF file to print into; in unattended runs (MessageLog.h) it counts
// as cancelled.
#include <string>

class QPrinter;
class QWidget;

// Runs the print dialog for printer and returns true when the user confirmed
// it.  title becomes the job title.  With no printer installed the printer
// writes a PDF file instead: the dialog offers <home>/<title's base name>.pdf.
bool ExecutePrintDialog(QPrinter &printer, const std::string &title, QWidget *parent = nullptr);
