#pragma once
// The global input tables, grouped as the files hold them.
#include "model/InputContainer.h"

#include <span>

using TableList = std::span<InputContainer *const>;

// Nodes, Beams, Materials, Hinges: the sections of a system file, in order.
TableList SystemTableList();
// The seven load lists: the sections of a load file, in order.
TableList LoadTableList();
// All eleven: the system tables, then the load lists.
TableList AllInputTables();
