#pragma once
// Pieces shared by the plausibility checks.
#include "model/InputContainer.h"
#include "model/InputFault.h"
#include "model/InputTable.h"
#include "model/Upcalls.h"

#include <optional>
#include <string>

using CheckResult = std::optional<InputFault>;

// Form of a page.
inline InputForm FormOf(InputPage page) {
  return page <= InputPage::GelenkTab ? InputForm::System : InputForm::Loads;
}

inline CheckResult Fault(InputPage page, int row, int column, std::string message) {
  return InputFault{FormOf(page), page, row, column, std::move(message)};
}

// True when number (1-based) names a row in use of table.
inline bool InUse(InputContainer &table, int number) {
  return number >= 1 && table.IsRowValid(number - 1) == 1;
}

// Runs test(k) for k = from .. to and returns its first fault.  Every test
// begins by asking InUse, so the loop ends at the first number beyond the
// table however large to is.
template <class Test> CheckResult FirstFaultInRange(int from, int to, Test test) {
  for (long long k = from; k <= to; ++k)
    if (CheckResult fault = test(static_cast<int>(k)))
      return fault;
  return std::nullopt;
}

// Runs test(record, row) over the rows in use of table, in row order, and
// returns its first fault.
template <class Record, class Test>
CheckResult FirstFaultInRows(InputTable<Record> &table, Test test) {
  for (int n = 0; n < table.ActiveCount(); ++n) {
    Record &record = table.Active(n);
    if (CheckResult fault = test(record, table.IndexOfRecord(&record)))
      return fault;
  }
  return std::nullopt;
}

// Shows a fault through the upward seam and passes it on.
inline CheckResult Reported(CheckResult fault) {
  if (fault)
    Upcalls().ShowInputFault(*fault);
  return fault;
}
