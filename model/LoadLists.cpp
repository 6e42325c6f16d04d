#include "model/LoadLists.h"

#include "model/Commonfkc.h"

namespace {

constexpr FieldColumn kNodeLoadColumns[] = {{offsetof(NodeLoadRecord, from), 4},
                                            {offsetof(NodeLoadRecord, to), 4},
                                            {offsetof(NodeLoadRecord, px), 8},
                                            {offsetof(NodeLoadRecord, pz), 8},
                                            {offsetof(NodeLoadRecord, m), 8}};

constexpr FieldColumn kBeamLoadColumns[] = {
    {offsetof(BeamLoadRecord, from), 4},      {offsetof(BeamLoadRecord, to), 4},
    {offsetof(BeamLoadRecord, system), 4},    {offsetof(BeamLoadRecord, q1Start), 8},
    {offsetof(BeamLoadRecord, q1End), 8},     {offsetof(BeamLoadRecord, q2Start), 8},
    {offsetof(BeamLoadRecord, q2End), 8},     {offsetof(BeamLoadRecord, partialStart), 8},
    {offsetof(BeamLoadRecord, partialEnd), 8}};

constexpr FieldColumn kPointLoadColumns[] = {{offsetof(PointLoadRecord, beam), 4},
                                             {offsetof(PointLoadRecord, position), 8},
                                             {offsetof(PointLoadRecord, n), 8},
                                             {offsetof(PointLoadRecord, q), 8},
                                             {offsetof(PointLoadRecord, m), 8}};

constexpr FieldColumn kZwvColumns[] = {{offsetof(ZwvRecord, from), 4},
                                       {offsetof(ZwvRecord, to), 4},
                                       {offsetof(ZwvRecord, dx), 8},
                                       {offsetof(ZwvRecord, dz), 8},
                                       {offsetof(ZwvRecord, rotation), 8}};

constexpr FieldColumn kTempLoadColumns[] = {{offsetof(TempLoadRecord, from), 4},
                                            {offsetof(TempLoadRecord, to), 4},
                                            {offsetof(TempLoadRecord, t), 8},
                                            {offsetof(TempLoadRecord, dT), 8}};

constexpr FieldColumn kImperfectionColumns[] = {{offsetof(ImperfectionRecord, from), 4},
                                                {offsetof(ImperfectionRecord, to), 4},
                                                {offsetof(ImperfectionRecord, sway), 8},
                                                {offsetof(ImperfectionRecord, bow), 8}};

constexpr FieldColumn kHingeLoadColumns[] = {{offsetof(HingeLoadRecord, hinge), 4},
                                             {offsetof(HingeLoadRecord, kind), 4},
                                             {offsetof(HingeLoadRecord, value), 8}};

// Node and hinge load lines align their integers in five places.
constexpr int kAlignedIntegers = 5;

constexpr int kPartialStartColumn = 7;
constexpr int kPartialEndColumn = 8;
constexpr int kPositionColumn = 1;

} // namespace

// Built in this order at start-up and destroyed in the reverse order at exit.
NodeLoadClass NodeLoads;
BeamLoadClass BeamLoads;
PointLoadClass PointLoads;
ZwvClass ImposedDisplacements;
TempLoadClass TemperatureLoads;
ImperfectionClass Imperfections;
HingeLoadClass HingeLoads;

NodeLoadClass::NodeLoadClass() : RangeLoadList("NODELOAD", kNodeLoadColumns, kAlignedIntegers) {}

BeamLoadClass::BeamLoadClass() : RangeLoadList("BEAMLOAD", kBeamLoadColumns) {}

void BeamLoadClass::SetField(int row, int column, const void *value) {
  RangeLoadList::SetField(row, column, value);
  if (row < 0 || value == nullptr)
    return;
  BeamLoadRecord &load = At(row);
  if (column == kPartialStartColumn && !(load.partialStart >= 0.0 && load.partialStart < 1.0))
    load.partialStart = 0.0;
  if (column == kPartialEndColumn &&
      (!(load.partialEnd > 0.0 && load.partialEnd <= 1.0) || load.partialEnd < load.partialStart))
    load.partialEnd = 1.0;
}

void BeamLoadClass::InitRow(int row) {
  BeamLoadRecord &load = At(row);
  if (load.partialEnd == 0.0)
    load.partialEnd = 1.0;
}

PointLoadClass::PointLoadClass() : LoadList("POINTLOAD", kPointLoadColumns) {}

void PointLoadClass::SetField(int row, int column, const void *value) {
  LoadList::SetField(row, column, value);
  if (column != kPositionColumn || row < 0 || value == nullptr)
    return;
  At(row).position = ClampToUnit(At(row).position);
}

ZwvClass::ZwvClass() : RangeLoadList("CONSTRAINTLOAD", kZwvColumns) {}

TempLoadClass::TempLoadClass() : RangeLoadList("TEMPERATURELOAD", kTempLoadColumns) {}

ImperfectionClass::ImperfectionClass() : RangeLoadList("IMPERFECTION", kImperfectionColumns) {}

HingeLoadClass::HingeLoadClass() : LoadList("HINGELOAD", kHingeLoadColumns, kAlignedIntegers) {}

void HingeLoadClass::ReadItem(const char *line, int row) {
  LoadList::ReadItem(line, row);
  HingeLoadRecord &load = At(row);
  load.kind = load.kind != kHingeLoad ? kHingeDeformation : kHingeLoad;
}
