#pragma once
// The plausibility checks run before an analysis and on the check buttons of
// the input forms.  Each runs its tests in a fixed order and stops at the
// first fault, which it reports through Upcalls().ShowInputFault (the input
// form opens at the faulty cell and shows the message) and returns.  No test
// changes a table.
#include "model/InputFault.h"

#include <optional>

// Beams, their nodes and cross-section types, and the hinges.
std::optional<InputFault> CheckSystem();
// The seven load lists against the system tables.
std::optional<InputFault> CheckLoads();
