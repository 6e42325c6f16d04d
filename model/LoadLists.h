#pragma once
// The seven lists of a load case.  Most rows apply one load to a range of
// nodes or beams, from .. to; node, beam and hinge numbers are 1-based rows
// of Nodes, Beams and Hinges.  The ranges and references are checked by
// CheckLoads, not here.
#include "model/InputTable.h"
#include "model/Upcalls.h"

#include <cstdint>

struct NodeLoadRecord {
  std::int32_t state;
  std::int32_t index;
  std::int32_t from; // column 0: first node
  std::int32_t to;   // column 1: last node
  double px;         // column 2: force in x
  double pz;         // column 3: force in z
  double m;          // column 4: moment
};

enum LoadAxes : std::int32_t { kLocalAxes = 0, kGlobalAxes = 1 };

struct BeamLoadRecord {
  std::int32_t state;
  std::int32_t index;
  std::int32_t from;   // column 0: first beam
  std::int32_t to;     // column 1: last beam
  std::int32_t system; // column 2: LoadAxes
  double q1Start;      // column 3: across the beam (local) or in x (global), start
  double q1End;        // column 4: the same at the end of the loaded piece
  double q2Start;      // column 5: along the beam (local) or in z (global), start
  double q2End;        // column 6: the same at the end
  double partialStart; // column 7: relative start of the loaded piece, 0 <= s < 1
  double partialEnd;   // column 8: relative end, s <= e, 0 < e <= 1
};

struct PointLoadRecord {
  std::int32_t state;
  std::int32_t index;
  std::int32_t beam;      // column 0
  double position;        // column 1: relative position on the beam, 0 .. 1
  double n;               // column 2: force along the beam
  double q;               // column 3: force across the beam
  double m;               // column 4: moment
  std::int32_t modelNode; // node entry of the analysis model at the load
};

struct ZwvRecord {
  std::int32_t state;
  std::int32_t index;
  std::int32_t from; // column 0: first node
  std::int32_t to;   // column 1: last node
  double dx;         // column 2: displacement in x
  double dz;         // column 3: displacement in z
  double rotation;   // column 4
};

struct TempLoadRecord {
  std::int32_t state;
  std::int32_t index;
  std::int32_t from; // column 0: first beam
  std::int32_t to;   // column 1: last beam
  double t;          // column 2: temperature at the centroid
  double dT;         // column 3: difference bottom minus top
};

struct ImperfectionRecord {
  std::int32_t state;
  std::int32_t index;
  std::int32_t from; // column 0: first beam
  std::int32_t to;   // column 1: last beam
  double sway;       // column 2: inclination w0/l
  double bow;        // column 3: pre-curvature, mid-span ordinate over length wf/l
};

enum HingeLoadKind : std::int32_t { kHingeLoad = 0, kHingeDeformation = 1 };

struct HingeLoadRecord {
  std::int32_t state;
  std::int32_t index;
  std::int32_t hinge; // column 0
  std::int32_t kind;  // column 1: HingeLoadKind
  double value;       // column 2
};

// A list of the load case: its changes are changes of the load case.
template <class Record> class LoadList : public InputTable<Record> {
public:
  using InputTable<Record>::InputTable;
  void Changed() override { Upcalls().LoadChanged(); }
};

// A load list whose rows name the range from .. to in columns 0 and 1: a
// from stored above to moves to along.  A to stored below from stays.
template <class Record> class RangeLoadList : public LoadList<Record> {
public:
  using LoadList<Record>::LoadList;
  void SetField(int row, int column, const void *value) override {
    LoadList<Record>::SetField(row, column, value);
    if (column != 0 || row < 0 || value == nullptr)
      return;
    Record &record = this->At(row);
    if (record.to < record.from)
      record.to = record.from;
  }
};

class NodeLoadClass : public RangeLoadList<NodeLoadRecord> {
public:
  NodeLoadClass();
};

class BeamLoadClass : public RangeLoadList<BeamLoadRecord> {
public:
  BeamLoadClass();
  // Partial start outside 0 <= s < 1 becomes 0; partial end outside
  // 0 < e <= 1, or below the start, becomes 1.
  void SetField(int row, int column, const void *value) override;
  // A new row loads the whole beam: a partial end of 0 becomes 1.
  void InitRow(int row) override;
};

class PointLoadClass : public LoadList<PointLoadRecord> {
public:
  PointLoadClass();
  // The position is clamped to 0 .. 1.
  void SetField(int row, int column, const void *value) override;
};

class ZwvClass : public RangeLoadList<ZwvRecord> {
public:
  ZwvClass();
};

class TempLoadClass : public RangeLoadList<TempLoadRecord> {
public:
  TempLoadClass();
};

class ImperfectionClass : public RangeLoadList<ImperfectionRecord> {
public:
  ImperfectionClass();
};

class HingeLoadClass : public LoadList<HingeLoadRecord> {
public:
  HingeLoadClass();
  // A kind other than 0 in a file is an imposed deformation and is stored as
  // 1, so the protocols, the analysis and the drawings all read it alike.
  void ReadItem(const char *line, int row) override;
};

extern NodeLoadClass NodeLoads;
extern BeamLoadClass BeamLoads;
extern PointLoadClass PointLoads;
extern ZwvClass ImposedDisplacements;
extern TempLoadClass TemperatureLoads;
extern ImperfectionClass Imperfections;
extern HingeLoadClass HingeLoads;
