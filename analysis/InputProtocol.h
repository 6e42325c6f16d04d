#pragma once
// The input protocol: the system and the load case as entered, one table per
// system table and load list that holds rows in use, each row under its
// 1-based number.
#include "analysis/ProtocolText.h"

// Letter of a support condition: 'N' for 0 (free), 'J' for any other value.
char SupportLetter(int value);
// Letter of a hinge type: 'N' normal force, 'Q' shear force, 'M' moment,
// '?' for a type outside 0 .. 2.
char HingeTypeLetter(int type);

// Appends the whole input protocol (UTF-8) to text.
void PrintInput(std::string &text, const ProtocolHeader &header);
