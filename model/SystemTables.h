#pragma once
// The four tables of the structural system: nodes, beams, cross-section
// types and hinges.  References between them are 1-based row numbers.  The
// run-time fields (model node, first element, hinge node entries) are
// indices written by the model build and mean nothing outside an analysis.
#include "model/InputTable.h"
#include "model/Upcalls.h"

#include <cstdint>

struct NodeRecord {
  std::int32_t state;
  std::int32_t index;
  double x;               // column 0
  double z;               // column 1
  std::int32_t supportX;  // column 2: 1 held in x, 0 free
  std::int32_t supportZ;  // column 3: 1 held in z
  std::int32_t supportR;  // column 4: 1 rotation held
  double skew;            // column 5: rotation of the support in degrees
  std::int32_t modelNode; // node entry of the analysis model
};

struct BeamRecord {
  std::int32_t state;
  std::int32_t index;
  std::int32_t node1;        // column 0: number of the first node
  std::int32_t node2;        // column 1: number of the second node
  std::int32_t material;     // column 2: number of the cross-section type
  double thickness;          // column 3: depth, used with temperature differences
  std::int32_t intervals;    // column 4: output intervals along the beam, see OutputIntervals
  std::int32_t firstElement; // first finite element of the beam
  // column 5: the beam length, computed and read-only
};

struct MatRecord {
  std::int32_t state;
  std::int32_t index;
  double E;       // column 0: modulus of elasticity
  double I;       // column 1: moment of inertia
  double A;       // column 2: area
  double alphaT;  // column 3: coefficient of thermal expansion
  double bedding; // column 4: modulus of an elastic bedding (set from files)
};

enum HingeType : std::int32_t { kHingeNormalForce = 0, kHingeShearForce = 1, kHingeMoment = 2 };

struct HingeRecord {
  std::int32_t state;
  std::int32_t index;
  std::int32_t beam;      // column 0: number of the beam
  double position;        // column 1: 0 at node 1 .. 1 at node 2
  std::int32_t type;      // column 2: HingeType, the released force
  std::int32_t leftNode;  // node entry on the side of node 1
  std::int32_t rightNode; // node entry on the side of node 2
};

// Most output intervals of a beam; CheckSystem refuses more.
constexpr int kMaxIntervals = 1000;

// The beam's output intervals clamped to 0 .. kMaxIntervals, for the
// printouts of results, which must stay bounded whatever a table holds.
int OutputIntervals(const BeamRecord &beam);

// A table of the system: its changes are changes of the system.
template <class Record> class SystemTable : public InputTable<Record> {
public:
  using InputTable<Record>::InputTable;
  void Changed() override { Upcalls().SystemChanged(); }
};

class NodeClass : public SystemTable<NodeRecord> {
public:
  NodeClass();
  // A support other than 0 in a file counts as held and is stored as 1, so
  // the model build, the protocols and the grid all read it alike.
  void ReadItem(const char *line, int row) override;
};

class BeamClass : public SystemTable<BeamRecord> {
public:
  BeamClass();
  // Column 5 reads the beam's length (0.0 while the beam is not valid).
  void *GetField(int row, int column) override;
  // The cross-section type of the row above (1 when none), 5 intervals.
  void InitRow(int row) override;

private:
  double length = 0.0;
};

class MatClass : public SystemTable<MatRecord> {
public:
  MatClass();
  // E, I, A and alphaT of the row above.
  void InitRow(int row) override;
};

class HingesClass : public SystemTable<HingeRecord> {
public:
  HingesClass();
  // The position is clamped to 0 .. 1.
  void SetField(int row, int column, const void *value) override;
};

extern NodeClass Nodes;
extern BeamClass Beams;
extern MatClass Materials;
extern HingesClass Hinges;
