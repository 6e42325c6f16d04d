#pragma once
// The analysis context: the finite-element model of the current analysis
// (elements, node entries, constraints), the kind of the last analysis, its
// load factor and iteration count, and the flag that results are present.
#include "analysis/Constraint.h"
#include "model/UContainer.h"

#include <cstdint>

class Matrix;
class SolElement;

// Analysis flags (the mode of PrepareAnalysis and the flags of a solve).
constexpr std::int32_t kFirstOrder = 1;
constexpr std::int32_t kSecondOrder = 2;
constexpr std::int32_t kBuckling = 8;
constexpr std::int32_t kQuietSolve = 0x10;
constexpr std::int32_t kTensionBars = 0x40;

struct NodeEntry {
  double x;
  double z;
  std::int32_t firstDof; // DOFs firstDof, + 1, + 2: x, z, rotation
  std::int32_t nodeRow;  // 0-based row of the nodes table, -1 inside a beam
};

struct DeterminantPoint {
  double loadFactor;
  double determinant;
};

class DeterminateCont : public UContainer {
public:
  DeterminateCont() : UContainer(sizeof(DeterminantPoint), 100) {}
  const DeterminantPoint &At(int i) const {
    return *static_cast<const DeterminantPoint *>(Item(i));
  }
  // Smallest and largest load factor and determinant; an empty set gives
  // the largest finite double for the minima and its negative for the maxima.
  double MinX() const;
  double MinY() const;
  double MaxX() const;
  double MaxY() const;
};

class NodeContainer : public UContainer {
public:
  NodeContainer() : UContainer(sizeof(NodeEntry), 100) {}
  NodeEntry &At(int i) const { return *static_cast<NodeEntry *>(Item(i)); }
};

// The elements of the model; owns them.
class ElementContainer : public UContainer {
public:
  ElementContainer() : UContainer(sizeof(SolElement *), 100) {}
  ~ElementContainer();
  SolElement &At(int i) const { return **static_cast<SolElement **>(Item(i)); }
  // Destroys every element.
  void Clear();
};

class SolutionsCont {
public:
  ~SolutionsCont();

  // Appends a node entry and returns its index; its first DOF is given by
  // the constraint resolution.
  std::int32_t AddNodeEntry(double x, double z, std::int32_t nodeRow);
  // Appends an element between two node entries of beam number beam (1-based),
  // from relative position x0 to x1, and returns its index.
  std::int32_t AddElement(std::int32_t node0, std::int32_t node1, std::int32_t beam, double x0,
                          double x1);

  std::int32_t Hidden = 0;        // 1 while a batch run hides the status window
  std::int32_t TensionOption = 1; // 1: tension bars by second-order theory
  DeterminateCont DeterminantPoints;
  std::int32_t ResultsPresent = 0;
  std::int32_t AnalysisFlags = 0; // mode of the current analysis: 1, 2 or 8
  std::int32_t IterationCount = 0;
  double LoadFactor = 0.0;
  ElementContainer Elements;
  NodeContainer NodeEntries;
  BCContainer Constraints;
  double ConvergenceValue = 0.0;
  // 1 while a second-order analysis may be continued by a further iteration;
  // the second-order driver sets it, ResetAnalysis ends it.
  std::int32_t IterationOpen = 0;
};

extern SolutionsCont Solutions;

// Returns the context to empty: no model, no results, empty result caption,
// iteration count 0, load factor 1, no open iteration, and no run-time links
// left in the input rows.  Analysis flags, Hidden, TensionOption, the
// determinant points, the convergence value and the DOF table stay.
void ResetAnalysis(SolutionsCont &context);

// Adds v at DOF component k of node entry e to the load vector F (through
// the DOF's expansion); with reactionFlag 1 also subtracts it from the DOF's
// reaction sum.
void AddNodalLoad(SolutionsCont &context, double v, std::int32_t e, std::int32_t k, Matrix &F,
                  std::int32_t reactionFlag);
// Adds value to the reaction sum of DOF component k of node entry e.
void AddToReaction(SolutionsCont &context, double value, std::int32_t e, std::int32_t k);
// The reaction sum of DOF component k of node entry e of the model.
double NodeReaction(std::int32_t e, std::int32_t k);
