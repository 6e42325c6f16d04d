#pragma once
// The texts of the protocols for the files the frame window has open.
#include <optional>
#include <string>

class TMainForm;

// The results protocol of the last analysis.  Without results it shows
// "Keine Ergebnisse sind vorhanden" ("Information") and returns nothing.
std::optional<std::string> ResultsProtocolText(const TMainForm &form);
