#pragma once
// Generates a plane frame of storeys x bays directly into the tables: fixed
// feet, columns and girders of steel sections in kN and m, moment hinges,
// point loads, distributed and partial loads, and wind at the facade.
struct FrameSpec {
  int storeys = 100;
  int bays = 100;
  double storeyHeight = 3.5;
  double bayWidth = 6.0;
  // Every n-th girder gets a moment hinge at mid-span (0: none); the first
  // column always gets one, so the first beam is divided.
  int hingeEvery = 5;
  // Every n-th girder carries a point load at 0.3 of its span (0: none).
  int pointLoadEvery = 3;
  // Every n-th girder carries a load on its middle half (0: none).
  int partialLoadEvery = 5;
};

struct FrameSize {
  int nodes = 0;
  int beams = 0;
  int hinges = 0;
  int pointLoads = 0;
  int beamLoads = 0;
};

// Empties the system tables and load lists and fills them with the frame.
// Node number level x (bays + 1) + column + 1, level 0 at the feet; beams:
// the columns storey by storey, then the girders.
FrameSize GenerateFrame(const FrameSpec &spec);

// The default frame with storeys from argv[1] and bays from argv[2] where
// given (at least 1 each).
FrameSpec FrameSpecFromArguments(int argc, char **argv);
