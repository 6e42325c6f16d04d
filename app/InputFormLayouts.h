#pragma once
// What the two input forms are made of, as data: per form its caption, the
// hints and commands of its tool bar and its pages; per page the tab, the
// grid, the table it edits, the fixed rows, the column widths, the header
// cells and the column cells.  The forms (InputForms.h) build their widgets
// from these descriptions and nothing else, so that one reading of the
// tables makes both forms.
#include "model/InputFault.h"

#include <optional>
#include <vector>

class InputContainer;
class TMainForm;

// Integers: 32-bit, "%d", centred.  Reals: a double through a printf
// format.  Choices: the stored value is the index of a choice text.
enum class CellKind { Integer, Real, Choice };

struct ColumnLayout {
  CellKind kind;
  const char *format = "";  // printf format of numbers
  const char *choices = ""; // choice texts separated by '|'
  const char *filter = "";  // pairs (typed character, stored character)
  int maxTextLen = 0;
  bool centred = false;
  bool readOnly = false;
};

// A caption over the header cells of rows rowB..rowE and columns colB..colE.
struct HeaderLayout {
  const char *text;
  int rowB, rowE, colB, colE;
};

struct PageLayout {
  const char *pageName; // object name of the page and the checks' name of it
  const char *tabCaption;
  const char *gridName;
  int helpContext;
  InputContainer *table;
  int fixedRows;
  std::vector<int> widths; // of every column, "Nr" first
  std::vector<HeaderLayout> headers;
  std::vector<ColumnLayout> columns; // data columns 1, 2, ...
};

// The tool bar's buttons act on the frame window's file commands and on the
// form's check.
struct FormLayout {
  const char *objectName;
  const char *caption;     // until the first name change
  const char *titlePrefix; // before the file path afterwards
  int helpContext;
  const char *newHint, *openHint, *saveHint;
  int (TMainForm::*newFile)();
  void (TMainForm::*openFile)();
  int (TMainForm::*saveFile)();
  std::optional<InputFault> (*check)();
  std::vector<PageLayout> pages;
};

const FormLayout &SystemFormLayout();
const FormLayout &LoadFormLayout();
// The object name of the page a check reports.
const char *PageName(InputPage page);
