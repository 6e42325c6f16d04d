// The section text format of system and load files: SaveToFile writes a
// table's section, LoadFromFile reads it.  The format itself is built with
// the file commands; until then both refuse, so no file is half written or
// half read.
#include "model/InputContainer.h"
#include "model/Message.h"

void InputContainer::SaveToFile(std::FILE *) {
  Error("Abschnitt %s: das Dateiformat ist nicht verfügbar", SectionName());
}

void InputContainer::LoadFromFile(std::FILE *) {
  Error("Abschnitt %s: das Dateiformat ist nicht verfügbar", SectionName());
}
