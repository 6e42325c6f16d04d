#pragma once
// A test case that builds a plane frame in the global tables, runs the
// analyses on the global context and reads results by beam position.  The
// tables and the context start and end empty, the context's settings as at
// start-up; the upward seam is a recording fake.
#include "analysis/FGTab.h"
#include "analysis/ResultQueries.h"
#include "analysis/SolElement.h"
#include "analysis/Solutions.h"
#include "analysis/ValuesAlongBeam.h"
#include "tests/support/ModelTablesFixture.h"

#include <array>

class FrameTest : public ModelTablesTest {
protected:
  // E I = 1e4 and E A = 1e6 (kN, m).
  static constexpr double kE = 1e7, kI = 1e-3, kA = 0.1, kEI = 1e4, kEA = 1e6;

  void SetUp() override {
    ModelTablesTest::SetUp();
    ResetAnalysis(Solutions);
    ResetOptions();
  }
  void TearDown() override { ClearAll(); }
  // The context's settings as at start-up.
  static void ResetOptions() {
    Solutions.AnalysisFlags = 0;
    Solutions.TensionOption = 1;
    Solutions.Hidden = 0;
    Solutions.ConvergenceValue = 0.0;
  }
  // Starts a new structure within a test.
  static void ClearAll() {
    ResetAnalysis(Solutions);
    FGTab.Clear();
    ResetOptions();
    ClearModelTables();
  }

  static void Material(int number, double E = kE, double I = kI, double A = kA,
                       double alphaT = 0.0) {
    MatRecord &m = Use(Materials, number);
    m.E = E;
    m.I = I;
    m.A = A;
    m.alphaT = alphaT;
  }
  // Supports: 1 held.  Skew in degrees.
  static void Node(int number, double x, double z, int sx = 0, int sz = 0, int sr = 0,
                   double skew = 0.0) {
    NodeRecord &n = Use(Nodes, number);
    n.x = x;
    n.z = z;
    n.supportX = sx;
    n.supportZ = sz;
    n.supportR = sr;
    n.skew = skew;
  }
  static void Beam(int number, int node1, int node2, int material = 1, double thickness = 0.0) {
    BeamRecord &b = Use(Beams, number);
    b.node1 = node1;
    b.node2 = node2;
    b.material = material;
    b.thickness = thickness;
    b.intervals = 5;
  }
  // Beam 1 on cross-section 1 from node 1 at (0, 0) to node 2 at (span, 0),
  // with the supports (x, z, rotation) of both ends.
  static void Span(double span, std::array<int, 3> start, std::array<int, 3> end) {
    Material(1);
    Node(1, 0, 0, start[0], start[1], start[2]);
    Node(2, span, 0, end[0], end[1], end[2]);
    Beam(1, 1, 2);
  }
  static void SimpleSpan(double span) { Span(span, {1, 1, 0}, {0, 1, 0}); }
  static void ClampedSpan(double span) { Span(span, {1, 1, 1}, {1, 1, 1}); }
  static void CantileverSpan(double span) { Span(span, {1, 1, 1}, {0, 0, 0}); }
  // Thermal expansion of cross-section 1 and depth of beam 1.
  static void Warmable(double alphaT, double thickness) {
    Materials.At(0).alphaT = alphaT;
    Beams.At(0).thickness = thickness;
  }
  static void NodeLoad(int number, int from, int to, double px, double pz, double m) {
    NodeLoadRecord &r = Use(NodeLoads, number);
    r.from = from;
    r.to = to;
    r.px = px;
    r.pz = pz;
    r.m = m;
  }
  static void BeamLoad(int number, int from, int to, int system, double q1a, double q1b, double q2a,
                       double q2b, double start = 0.0, double end = 1.0) {
    BeamLoadRecord &r = Use(BeamLoads, number);
    r.from = from;
    r.to = to;
    r.system = system;
    r.q1Start = q1a;
    r.q1End = q1b;
    r.q2Start = q2a;
    r.q2End = q2b;
    r.partialStart = start;
    r.partialEnd = end;
  }
  static void PointLoad(int number, int beam, double position, double n, double q, double m) {
    PointLoadRecord &r = Use(PointLoads, number);
    r.beam = beam;
    r.position = position;
    r.n = n;
    r.q = q;
    r.m = m;
  }
  static void Imposed(int number, int from, int to, double dx, double dz, double rotation) {
    ZwvRecord &r = Use(ImposedDisplacements, number);
    r.from = from;
    r.to = to;
    r.dx = dx;
    r.dz = dz;
    r.rotation = rotation;
  }
  static void Temperature(int number, int from, int to, double t, double dT) {
    TempLoadRecord &r = Use(TemperatureLoads, number);
    r.from = from;
    r.to = to;
    r.t = t;
    r.dT = dT;
  }
  static void Imperfection(int number, int from, int to, double sway, double bow) {
    ImperfectionRecord &r = Use(Imperfections, number);
    r.from = from;
    r.to = to;
    r.sway = sway;
    r.bow = bow;
  }
  static HingeRecord &AddHinge(int number, int beam, double position, int type) {
    HingeRecord &hinge = Use(Hinges, number);
    hinge.beam = beam;
    hinge.position = position;
    hinge.type = type;
    return hinge;
  }
  static void HingeLoad(int number, int hinge, int kind, double value) {
    HingeLoadRecord &r = Use(HingeLoads, number);
    r.hinge = hinge;
    r.kind = kind;
    r.value = value;
  }

  // Internal force of kind at relative position x of a beam (1-based).
  static double Force(int beam, double x, int kind) {
    const SolElement &e = FindSegment(beam - 1, x);
    return InternalForceAt(e, (x - e.x0) / (e.x1 - e.x0), kind);
  }
  static Point2D Displacement(int beam, double x) {
    const SolElement &e = FindSegment(beam - 1, x);
    return DisplacementAt(e, (x - e.x0) / (e.x1 - e.x0));
  }
  // DOF value and reaction sum of component k of a node (1-based).
  static double NodeValue(int node, int k) { return NodeDofValue(Nodes.At(node - 1).modelNode, k); }
  static double Reaction(int node, int k) { return NodeReaction(Nodes.At(node - 1).modelNode, k); }
};
