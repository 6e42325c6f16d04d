#pragma once
// One component of one distributed load on one beam as a load diagram: a
// base line beside the beam, the outline of the load's ordinates and arrows
// pointing at the base line, with the end values as labels.
#include "graphics/core/PaintContainer.h"
#include "model/LoadLists.h"

// A function along a beam: value at relative position x of a component.
class PlotValueClass {
public:
  virtual ~PlotValueClass() = default;
  // 0.0 here.
  virtual double Value(double x, int component) const;
};

// A beam load row as a function: component 0 (across / global X) or 1
// (along / global Z), linear from the start value at a to the end value at
// b and extrapolated beyond them; with a = b the start value everywhere.
class BeamLoadStruct : public PlotValueClass {
public:
  explicit BeamLoadStruct(const BeamLoadRecord &row);
  double Value(double x, int component) const override;

private:
  double q1Start, q1End, q2Start, q2End, a, b;
};

// Flags of DrawLineLoadDiagram.
enum LineLoadFlags : int {
  kLoadEndLabels = 8,        // the values at both ends as labels
  kLoadSecondComponent = 16, // along the beam or in global Z
  kLoadGlobal = 32,          // in global directions
};

// The diagram of component of value over the piece a .. b of the beam of
// row beamRow (in use and valid), ordinates s x value high, set off from
// the beam by the load gap on the side of the value at mid-span.  Nothing
// for a >= b or a diagram of height 0; at most 100 subdivisions, and at
// least one whatever the sign of s.
void DrawLineLoadDiagram(int beamRow, double textScale, const PlotValueClass &value, double a,
                         double b, int component, double L, double s, PaintContainer &display,
                         TColor colour, double width, int flags);
