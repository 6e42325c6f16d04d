#pragma once
// The results protocol: the node displacements, the displacements at the
// output points of the beams, the extreme internal forces of each beam with
// the forces that belong to them, the internal forces at the output points,
// the support reactions and the relative displacements at the hinges, all
// of the last analysis held in Solutions.
#include "analysis/ProtocolText.h"

// Appends the whole results protocol (UTF-8) to text and returns true.
// Without results present (before any analysis, after a failed one or after
// a change of the model) it appends nothing and returns false: the caller
// then writes no file and says "Keine Ergebnisse sind vorhanden".
// An element missing under a beam position raises "Schale nicht gefunden";
// text then holds the protocol as far as it was written.
// The tables of nodes, beams and hinges are formatted on AnalysisThreads()
// threads; the bytes do not depend on the count.
bool PrintResults(std::string &text, const ProtocolHeader &header);
// The same on up to threads threads (one: on the calling thread alone).
bool PrintResults(std::string &text, const ProtocolHeader &header, int threads);
