#include "analysis/ResultsProtocol.h"

#include "analysis/LoadRowIndex.h"
#include "analysis/ParallelText.h"
#include "analysis/ParallelWork.h"
#include "analysis/ProtocolFormat.h"
#include "analysis/ResultQueries.h"
#include "analysis/ResultSets.h"
#include "analysis/RowsInUse.h"
#include "analysis/SolElement.h"
#include "analysis/Solutions.h"
#include "analysis/ValuesAlongBeam.h"
#include "model/Commonfkc.h"
#include "model/GeometryQueries.h"
#include "model/HugePages.h"
#include "model/SystemTables.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

const char *const kDashRule84 =
    "------------------------------------------------------------------------------------\n";

// The internal forces of the last analysis: short names and kinds of the
// result set's force entries, in its order.
struct Forces {
  std::vector<const char *> names;
  std::vector<int> kinds;
  int Count() const { return static_cast<int>(kinds.size()); }
};

Forces ForcesOf(const ResultSetTable &table) {
  Forces forces;
  for (int i = 0; i < table.forceCount; ++i) {
    const ResultSetEntry &entry = table.entries[table.firstForce + i];
    forces.names.push_back(entry.shortName);
    forces.kinds.push_back(entry.component);
  }
  return forces;
}

// The element of beam number that holds the relative beam position p, and
// the position inside it.
struct ElementPoint {
  const SolElement &element;
  double u;
};
ElementPoint AtBeamPosition(int beam, double p) {
  const SolElement &e = FindSegment(beam - 1, p);
  return {e, e.x1 > e.x0 ? (p - e.x0) / (e.x1 - e.x0) : 0.0};
}

// Appends what visit(part, row, record) appends to part for each row in use
// of table, in row order, the rows shared among parallel's threads.  The
// rows' texts must not depend on each other.
template <class Record, class Visit>
void ForRowsInParallel(std::string &text, InputTable<Record> &table, ParallelText &parallel,
                       Visit visit) {
  parallel.Append(text, table.Count(), [&](std::string &part, int first, int last) {
    for (int row = first; row < last; ++row)
      if (table.IsRowValid(row))
        visit(part, row, table.At(row));
  });
}

// The tables the values along a beam read build their indexes when first
// asked: asked here, before the threads share them.
void BuildIndexesBeforeThreads() {
  RowsOnBeam(TemperatureLoads, 1);
  RowsOnBeam(Imperfections, 1);
}

// A table of the nodes that have an entry in the model and pass take: the
// heading lines, then per node its number and value(entry, k) for k = 0, 1, 2.
template <class Take>
void NodeTable(std::string &text, ParallelText &parallel, const char *title, const char *columns,
               double (*value)(std::int32_t, int), Take take) {
  text += title;
  text += columns;
  text += kDashRule84;
  ForRowsInParallel(text, Nodes, parallel, [&](std::string &part, int row, const NodeRecord &node) {
    const int number = row + 1;
    const std::int32_t e = node.modelNode;
    if (!HasNodeEntry(e) || !take(node))
      return;
    AppendF(part, "%5d", number);
    for (int k = 0; k < 3; ++k) {
      part += ' ';
      AppendAlternateG(part, value(e, k), 10, 4);
    }
    part += '\n';
  });
}

void NodeDisplacements(std::string &text, ParallelText &parallel) {
  NodeTable(
      text, parallel,
      "\n---------------------------------- Knotenverschiebung ------------------------------\n",
      "Knoten      wx         wz     Rotation\n", NodeDofValue,
      [](const NodeRecord &) { return true; });
}

void BeamDisplacements(std::string &text, ParallelText &parallel) {
  ForRowsInParallel(text, Beams, parallel, [&](std::string &text, int row, const BeamRecord &beam) {
    const int number = row + 1;
    const int n = OutputIntervals(beam);
    if (n <= 1 || !HasElements(beam))
      return;
    AppendF(text,
            "\n------------------- Verschiebung des Stabes %3d in 1/%-3d Punkten "
            "-------------------\n",
            number, n);
    text += "xi-Position      wx         wz\n";
    text += kDashRule84;
    for (int i = 1; i < n; ++i) {
      const double p = static_cast<double>(i) / n;
      const ElementPoint at = AtBeamPosition(number, p);
      const Point2D d = DisplacementAt(at.element, at.u);
      AppendAlternateG(text, p, 10, 4);
      text += ' ';
      AppendAlternateG(text, d.x, 10, 4);
      text += ' ';
      AppendAlternateG(text, d.y, 10, 4);
      text += '\n';
    }
  });
}

// One "Max" or "Min" line: the force's name, where its extreme lies and the
// values of all forces there.
void ExtremeLine(std::string &text, const char *label, const char *name, double position,
                 const std::vector<double> &values) {
  text += label;
  AppendColumn(text, name, 7, 7);
  text += "  ";
  AppendAlternateG(text, position, 10, 4);
  for (double value : values)
    AppendAlternateG(text, value, 12, 4);
  text += '\n';
}

void BeamExtremeForces(std::string &text, ParallelText &parallel, const Forces &forces) {
  text +=
      "\n\n-----------------------Zugehörige Schnittkräfte -----------------------------------\n";
  const int count = forces.Count();
  ForRowsInParallel(text, Beams, parallel, [&](std::string &text, int row, const BeamRecord &beam) {
    const int number = row + 1;
    if (!HasElements(beam))
      return;
    AppendF(text, "Stab Nr.%d\n", number);
    text += "   Schnittkraft   x-Pos";
    for (const char *name : forces.names)
      AppendColumn(text, name, 12);
    text += "\n";
    std::vector<double> maxima(count), minima(count);
    for (int i = 0; i < count; ++i) {
      double maxPosition = 0.0, minPosition = 0.0;
      BeamExtremesWithCompanions(number - 1, maxPosition, minPosition, maxima.data(), minima.data(),
                                 i, count, forces.kinds.data());
      ExtremeLine(text, "Max ", forces.names[i], maxPosition, maxima);
      ExtremeLine(text, "Min ", forces.names[i], minPosition, minima);
      text += "\n";
    }
  });
}

// The forces first .. last - 1 at the m + 1 output points of a beam.
void ForceBlock(std::string &text, int beam, int m, const Forces &forces, int first, int last) {
  text += " Xi-Pos  ";
  for (int f = first; f < last; ++f) {
    text += "  ";
    AppendColumn(text, forces.names[f], 7, 7);
    text += "  ";
  }
  text += "\n";
  for (int c = 0; c <= m; ++c) {
    const double p = static_cast<double>(c) / m;
    AppendAlternateG(text, p, 7, 4);
    const ElementPoint at = AtBeamPosition(beam, p);
    for (int f = first; f < last; ++f) {
      text += ' ';
      AppendAlternateG(text, InternalForceAt(at.element, at.u, forces.kinds[f]), 10, 4);
    }
    text += '\n';
  }
}

// Seven forces to a block, so that a line stays within the page.
void BeamForcesAtOutputPoints(std::string &text, ParallelText &parallel, const Forces &forces) {
  const int count = forces.Count();
  ForRowsInParallel(text, Beams, parallel, [&](std::string &text, int row, const BeamRecord &beam) {
    const int number = row + 1;
    if (!HasElements(beam))
      return;
    const int m = IMax(OutputIntervals(beam), 1);
    AppendF(text,
            "\n------------------ Schnittkräfte des Stabes %3d in 1/%-3d Punkten "
            "-------------------\n",
            number, m);
    for (int b = 0; b <= count / 7; ++b)
      ForceBlock(text, number, m, forces, 7 * b, std::min(7 * b + 7, count));
  });
}

void SupportReactions(std::string &text, ParallelText &parallel) {
  NodeTable(
      text, parallel,
      "\n------------------------------------- Auflagerkräfte -------------------------------\n",
      "Knoten       x          z     Rotation\n", NodeReaction, [](const NodeRecord &node) {
        return node.supportX != 0 || node.supportZ != 0 || node.supportR != 0;
      });
}

// The displacement of node entry e that a hinge of type releases: along the
// beam (normal force), across it (shear force) or the rotation (moment).
double ReleasedDisplacement(std::int32_t e, int type, double phi) {
  if (type == kHingeMoment)
    return NodeDofValue(e, 2);
  if (type == kHingeShearForce)
    phi += 1.5707963267948966;
  return NodeDofValue(e, 0) * std::cos(phi) + NodeDofValue(e, 1) * std::sin(phi);
}

void HingeDisplacements(std::string &text, ParallelText &parallel) {
  text +=
      "\n---------------------------------- Gelenkverschiebung ------------------------------\n";
  text += "Gelenk linke Seite  rechte Seite Gesamt\n";
  text += kDashRule84;
  ForRowsInParallel(
      text, Hinges, parallel, [&](std::string &text, int row, const HingeRecord &hinge) {
        const int number = row + 1;
        const BeamRecord *beam = Beams.Find(hinge.beam - 1);
        if (!HasNodeEntry(hinge.leftNode) || !HasNodeEntry(hinge.rightNode) || beam == nullptr)
          return;
        const double phi = BeamAngle(*beam);
        const double left = ReleasedDisplacement(hinge.leftNode, hinge.type, phi);
        const double right = ReleasedDisplacement(hinge.rightNode, hinge.type, phi);
        AppendF(text, "%5d %#10.4lg %#10.4lg %#10.4lg\n", number, left, right, left - right);
      });
}

// A bound, near enough, on the bytes PrintResults appends, so that the text
// is reserved once: a protocol of many megabytes would otherwise be copied
// to new memory each time it doubles.  Lines are counted at their widest
// (a number of %#10.4lg takes at most 11 characters, one of %#12.4lg 12).
std::size_t ProtocolSizeBound(const Forces &forces) {
  const std::size_t count = static_cast<std::size_t>(forces.Count());
  const std::size_t blocks = count / 7 + 1;
  std::size_t bytes = 4096 + static_cast<std::size_t>(2 * Nodes.Count() + Hinges.Count()) * 48;
  ForRowsInUse(Beams, [&](int, const BeamRecord &beam) {
    const auto points = static_cast<std::size_t>(IMax(OutputIntervals(beam), 1)) + 1;
    bytes += 400 + points * 36;                                            // displacements
    bytes += 40 + count * (13 + 2 * (30 + 13 * count) + 1);                // extremes
    bytes += blocks * (100 + 11 * 7) + points * (blocks * 9 + count * 12); // forces
  });
  return bytes;
}

} // namespace

bool PrintResults(std::string &text, const ProtocolHeader &header) {
  return PrintResults(text, header, AnalysisThreads());
}

bool PrintResults(std::string &text, const ProtocolHeader &header, int threads) {
  if (!Solutions.ResultsPresent)
    return false;
  BuildIndexesBeforeThreads();
  const Forces forces = ForcesOf(ResultDescriptor(Solutions));
  const std::size_t start = text.size();
  const std::size_t bound = ProtocolSizeBound(forces);
  text.reserve(start + bound);
  PreferHugePages(text.data() + start, text.capacity() - start);
  ParallelText parallel(threads, bound);
  text += "Kelmor - Ausdruck der Ergebnisse\n\n";
  PrintPageHeader(text, header);
  text += "Ergebnisse: " + ResultCaption(Solutions) + "\n\n";
  NodeDisplacements(text, parallel);
  BeamDisplacements(text, parallel);
  BeamExtremeForces(text, parallel, forces);
  BeamForcesAtOutputPoints(text, parallel, forces);
  SupportReactions(text, parallel);
  HingeDisplacements(text, parallel);
  return true;
}
