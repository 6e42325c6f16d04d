#pragma once
// Where a plausibility check found a fault: the input form and its tab page,
// the 0-based row of the faulty row in that page's table, the grid column
// (data column + 1) and the message.
#include <string>

enum class InputForm { System, Loads };

enum class InputPage {
  // system input form
  StabTab,
  Querschnittstab,
  GelenkTab,
  // load input form
  Knotenlastentab,
  Streckenlastentab,
  Einzellastentab,
  Temperaturtab,
  Zwangsverformungentab,
  Vorverformungentab,
  Gelenklastentab,
};

struct InputFault {
  InputForm form;
  InputPage page;
  int row;
  int column;
  std::string message;
};
