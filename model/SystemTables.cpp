#include "model/SystemTables.h"

#include "model/Commonfkc.h"
#include "model/GeometryQueries.h"

#include <algorithm>

namespace {

constexpr FieldColumn kNodeColumns[] = {
    {offsetof(NodeRecord, x), 8},        {offsetof(NodeRecord, z), 8},
    {offsetof(NodeRecord, supportX), 4}, {offsetof(NodeRecord, supportZ), 4},
    {offsetof(NodeRecord, supportR), 4}, {offsetof(NodeRecord, skew), 8}};

constexpr FieldColumn kBeamColumns[] = {{offsetof(BeamRecord, node1), 4},
                                        {offsetof(BeamRecord, node2), 4},
                                        {offsetof(BeamRecord, material), 4},
                                        {offsetof(BeamRecord, thickness), 8},
                                        {offsetof(BeamRecord, intervals), 4}};

constexpr FieldColumn kMatColumns[] = {{offsetof(MatRecord, E), 8},
                                       {offsetof(MatRecord, I), 8},
                                       {offsetof(MatRecord, A), 8},
                                       {offsetof(MatRecord, alphaT), 8},
                                       {offsetof(MatRecord, bedding), 8}};

constexpr FieldColumn kHingeColumns[] = {{offsetof(HingeRecord, beam), 4},
                                         {offsetof(HingeRecord, position), 8},
                                         {offsetof(HingeRecord, type), 4}};

constexpr int kLengthColumn = 5;
constexpr int kPositionColumn = 1;

} // namespace

int OutputIntervals(const BeamRecord &beam) {
  return std::clamp(beam.intervals, 0, kMaxIntervals);
}

// Built in this order at start-up and destroyed in the reverse order at exit.
NodeClass Nodes;
BeamClass Beams;
MatClass Materials;
HingesClass Hinges;

NodeClass::NodeClass() : SystemTable("NODES", kNodeColumns) {}

void NodeClass::ReadItem(const char *line, int row) {
  SystemTable::ReadItem(line, row);
  NodeRecord &node = At(row);
  for (std::int32_t *support : {&node.supportX, &node.supportZ, &node.supportR})
    *support = *support != 0 ? 1 : 0;
}

BeamClass::BeamClass() : SystemTable("BEAMS", kBeamColumns) {}

void *BeamClass::GetField(int row, int column) {
  if (column != kLengthColumn || row < 0)
    return SystemTable::GetField(row, column);
  length = 0.0;
  if (BeamIsValid(At(row)))
    length = BeamLength(At(row));
  return &length;
}

void BeamClass::InitRow(int row) {
  BeamRecord &beam = At(row);
  if (row > 0)
    beam.material = At(row - 1).material;
  if (beam.material == 0)
    beam.material = 1;
  if (beam.intervals == 0)
    beam.intervals = 5;
}

MatClass::MatClass() : SystemTable("MATERIALS", kMatColumns) {}

void MatClass::InitRow(int row) {
  if (row <= 0)
    return;
  MatRecord &mat = At(row);
  const MatRecord &above = At(row - 1);
  mat.E = above.E;
  mat.I = above.I;
  mat.A = above.A;
  mat.alphaT = above.alphaT;
}

HingesClass::HingesClass() : SystemTable("HINGES", kHingeColumns) {}

void HingesClass::SetField(int row, int column, const void *value) {
  SystemTable::SetField(row, column, value);
  if (column != kPositionColumn || row < 0 || value == nullptr)
    return;
  At(row).position = ClampToUnit(At(row).position);
}
