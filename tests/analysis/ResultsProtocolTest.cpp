// The results protocol read back and checked against closed forms of
// structural mechanics and against the analysis' own queries.  E I = 1e4,
// E A = 1e6; z points down, so a load +10 in z is a downward load.
#include "analysis/ResultsProtocol.h"
#include "analysis/Drivers.h"
#include "analysis/LoadRowIndex.h"
#include "analysis/ResultSets.h"
#include "analysis/SolveStep.h"
#include "model/Codepage1252.h"
#include "model/Message.h"
#include "model/ModelFiles.h"
#include "tests/support/FrameFixture.h"
#include "tests/support/GermanLocale.h"
#include "tests/support/ResultsReader.h"

#include <climits>
#include <cmath>
#include <sstream>

namespace {

// A printed value agrees with the exact one to the four digits printed.
void ExpectPrinted(double printed, double exact, double slack = 1e-9) {
  EXPECT_NEAR(printed, exact, 5.001e-4 * std::fabs(exact) + slack);
}
void ExpectPrinted(const ResultsTables::Triple &printed, const ResultsTables::Triple &exact) {
  for (int k = 0; k < 3; ++k)
    ExpectPrinted(printed[k], exact[k]);
}

} // namespace

class ResultsProtocol : public FrameTest {
protected:
  static ResultsTables PrintAndRead() {
    std::string text;
    EXPECT_TRUE(PrintResults(text, ProtocolHeader{"rahmen.ssy", "lasten.sla"}));
    return ReadResults(text);
  }
};

TEST_F(ResultsProtocol, NothingWithoutResultsAndPartTextWhenAPositionIsUncovered) {
  std::string text = "kept";
  EXPECT_FALSE(PrintResults(text, {})); // before any analysis
  EXPECT_EQ(text, "kept");

  CantileverSpan(4);
  NodeLoad(1, 2, 2, 0, 10, 0);
  ASSERT_EQ(RunFirstOrder(Solutions), kSolved);
  ResetAnalysis(Solutions); // what every change of the model does
  EXPECT_FALSE(PrintResults(text, {}));
  EXPECT_EQ(text, "kept");

  // A failed analysis of a beam that can slide away on two rollers.
  ClearAll();
  Material(1);
  Node(1, 0, 0, 0, 1, 0);
  Node(2, 6, 0, 0, 1, 0);
  Beam(1, 1, 2);
  EXPECT_EQ(RunFirstOrder(Solutions), kFailed);
  EXPECT_FALSE(PrintResults(text, {}));

  // A second-order analysis that can no longer be continued.
  ClearAll();
  CantileverSpan(4);
  NodeLoad(1, 2, 2, -1000, 0, 5);
  ASSERT_EQ(RunSecondOrder(Solutions), kSolved);
  ResetAnalysis(Solutions);
  EXPECT_EQ(NextIteration(Solutions), kFailed);
  EXPECT_FALSE(PrintResults(text, {}));
  EXPECT_EQ(text, "kept");

  // A beam position no element covers stops the protocol with an Exception;
  // what was written before it stays.
  ASSERT_EQ(RunFirstOrder(Solutions), kSolved);
  Solutions.Elements.At(Beams.At(0).firstElement).x1 = 0.1;
  text.clear();
  try {
    PrintResults(text, {});
    ADD_FAILURE() << "no exception";
  } catch (const Exception &e) {
    EXPECT_STREQ(e.what(), "Schale nicht gefunden");
  }
  EXPECT_TRUE(text.starts_with("Kelmor - Ausdruck der Ergebnisse\n")) << text;
  EXPECT_NE(text.find("Knotenverschiebung"), std::string::npos);
}

// A cantilever of 4 m in two beams, P = 10 down at the tip: M(x) = -P (4 - x),
// Q = P, w(x) = P x^2 (12 - x) / 6EI, rotation P x (8 - x) / 2EI.
TEST_F(ResultsProtocol, CantileverInTwoBeamsAgainstClosedForms) {
  Material(1);
  Node(1, 0, 0, 1, 1, 1);
  Node(2, 2, 0);
  Node(3, 4, 0);
  Node(4, 9, 9, 1, 1, 0); // held, but on no beam: no entry, no lines
  Beam(1, 1, 2);
  Beam(2, 2, 3);
  Beams.At(0).intervals = 4;
  Beams.At(1).intervals = 0;
  NodeLoad(1, 3, 3, 0, 10, 0);
  ASSERT_EQ(RunFirstOrder(Solutions), kSolved);
  const ResultsTables t = PrintAndRead();
  // The same text under a comma locale, and one byte for each umlaut on disk.
  const ProtocolHeader header;
  std::string plain, german;
  ASSERT_TRUE(PrintResults(plain, header));
  {
    GermanLocale locale;
    ASSERT_TRUE(locale.active());
    ASSERT_TRUE(PrintResults(german, header));
  }
  EXPECT_EQ(german, plain);
  EXPECT_NE(Utf8ToCp1252(plain).find("Zugeh\xF6rige Schnittkr\xE4"
                                     "fte"),
            std::string::npos);
  const auto w = [](double x) { return 10 * x * x * (12 - x) / (6 * kEI); };

  EXPECT_EQ(t.caption, "I.Ordnung");
  ASSERT_EQ(t.displacements.size(), 3u);
  ExpectPrinted(t.displacements.at(1), {0, 0, 0});
  ExpectPrinted(t.displacements.at(2), {0, w(2), 10 * 2 * (8 - 2) / (2 * kEI)});
  ExpectPrinted(t.displacements.at(3), {0, w(4), 10 * 16 / (2 * kEI)});

  // Inner points of beam 1 only: beam 2 has fewer than two intervals.
  ASSERT_EQ(t.beamDisplacements.size(), 1u);
  const ResultsTables::Points &inner = t.beamDisplacements.at(1);
  EXPECT_EQ(inner.intervals, 4);
  for (int i = 0; i < 3; ++i) {
    ExpectPrinted(inner.rows[i][0], (i + 1) / 4.0);
    ExpectPrinted(inner.rows[i][1], 0);
    ExpectPrinted(inner.rows[i][2], w((i + 1) * 0.5));
  }

  // Extremes of N, Q, M with the other two at the same place.
  for (int beam : {1, 2}) {
    const ResultsTables::Extremes &e = t.extremes.at(beam);
    const double x0 = 2.0 * (beam - 1);
    const auto moment = [&](double p) { return -10 * (4 - x0 - 2 * p); };
    ASSERT_EQ(e.names, (std::vector<std::string>{"N", "Q", "M"}));
    ASSERT_EQ(e.max.size(), 3u);
    for (int f = 0; f < 3; ++f) {
      for (const ResultsTables::Extreme &x : {e.max[f], e.min[f]}) {
        ExpectPrinted(x.values[0], 0);
        ExpectPrinted(x.values[1], 10);
        ExpectPrinted(x.values[2], moment(x.position), 1e-3);
      }
    }
    ExpectPrinted(e.max[2].position, 1.0);
    ExpectPrinted(e.min[2].position, 0.0);
    ExpectPrinted(e.min[2].values[2], moment(0));
  }

  // Output points: five on beam 1, the two ends on beam 2.
  EXPECT_EQ(t.forces.at(1).intervals, 4);
  EXPECT_EQ(t.forces.at(2).intervals, 1);
  ASSERT_EQ(t.forces.at(2).rows.size(), 2u);
  for (int beam : {1, 2}) {
    const ResultsTables::Points &points = t.forces.at(beam);
    EXPECT_EQ(points.names, (std::vector<std::string>{"N", "Q", "M"}));
    for (std::size_t c = 0; c < points.rows.size(); ++c) {
      const double p = static_cast<double>(c) / points.intervals;
      const double x = 2.0 * (beam - 1) + 2.0 * p;
      ExpectPrinted(points.rows[c][0], p);
      ExpectPrinted(points.rows[c][1], 0);
      ExpectPrinted(points.rows[c][2], 10);
      ExpectPrinted(points.rows[c][3], -10 * (4 - x));
    }
  }

  // Only the clamp: node 3 is free and node 4 belongs to no beam.
  ASSERT_EQ(t.reactions.size(), 1u);
  ExpectPrinted(t.reactions.at(1), {0, -10, -40});
  EXPECT_TRUE(t.hinges.empty());
}

// Three beams of 4 m clamped at both ends, each with a hinge at mid-span.
// Beam 1, a moment hinge under q = 10: two cantilevers of a = 2 whose tips
// turn by -+q a^3 / 6EI.  Beam 2, a shear hinge under q = 10 on the slope
// (3, 4) of 5 m: by symmetry no shear at mid-span, so both sides move
// q L^4 / 384EI across the beam.  Beam 3, a normal-force hinge on the same
// slope, N = 10 along the beam at 0.75: the right side moves N L / 4EA along
// it, the left side not at all.
TEST_F(ResultsProtocol, HingesPrintTheDisplacementsTheyRelease) {
  Material(1);
  Node(1, 0, 0, 1, 1, 1);
  Node(2, 4, 0, 1, 1, 1);
  Node(3, 10, 0, 1, 1, 1);
  Node(4, 13, 4, 1, 1, 1);
  Node(5, 20, 0, 1, 1, 1);
  Node(6, 23, 4, 1, 1, 1);
  Beam(1, 1, 2);
  Beam(2, 3, 4);
  Beam(3, 5, 6);
  Beams.At(0).intervals = 4;
  AddHinge(1, 1, 0.5, kHingeMoment);
  AddHinge(2, 2, 0.5, kHingeShearForce);
  AddHinge(3, 3, 0.5, kHingeNormalForce);
  BeamLoad(1, 1, 2, kLocalAxes, 10, 10, 0, 0);
  PointLoad(1, 3, 0.75, 10, 0, 0);
  ASSERT_EQ(RunFirstOrder(Solutions), kSolved);
  const ResultsTables t = PrintAndRead();

  ASSERT_EQ(t.hinges.size(), 3u);
  const double turn = 10 * 8 / (6 * kEI);
  ExpectPrinted(t.hinges.at(1), {turn, -turn, 2 * turn});
  const double across = 10 * 625 / (384 * kEI);
  ExpectPrinted(t.hinges.at(2), {across, across, 0});
  const double along = 10 * 5 / (4 * kEA);
  ExpectPrinted(t.hinges.at(3), {0, along, -along});
  // The moment hinge carries no moment; the clamps carry q a^2 / 2.
  ExpectPrinted(t.forces.at(1).rows[2][3], 0);
  ExpectPrinted(t.reactions.at(1)[2], -20);
  EXPECT_EQ(t.reactions.size(), 6u);
}

// A column of 4 m standing on a clamp, P = 1000 down and H = 10 across at
// its head.  Second order: k = sqrt(P / EI), the foot moment H tan(kL) / k
// and the head sway H / P (tan(kL) / k - L).  Buckling: P_cr = pi^2 EI / 4L^2
// and the shape 1 - cos(pi x / 2L).
TEST_F(ResultsProtocol, ColumnAfterSecondOrderAndBucklingAgainstClosedForms) {
  Material(1);
  Node(1, 0, 0, 1, 1, 1);
  Node(2, 0, -4);
  Beam(1, 1, 2);
  Beams.At(0).intervals = 4;
  NodeLoad(1, 2, 2, 10, 1000, 0);
  ASSERT_EQ(RunSecondOrder(Solutions), kSolved);
  ResultsTables t = PrintAndRead();

  EXPECT_EQ(t.caption, "II.Ordnung, 1 Iterationen");
  const double k = std::sqrt(0.1), amplified = std::tan(4 * k) / k;
  ExpectPrinted(t.displacements.at(2)[0], 10.0 / 1000 * (amplified - 4));
  ExpectPrinted(t.reactions.at(1)[0], -10);
  ExpectPrinted(t.reactions.at(1)[1], -1000);
  ExpectPrinted(std::fabs(t.reactions.at(1)[2]), 10 * amplified);
  const ResultsTables::Points &points = t.forces.at(1);
  ASSERT_EQ(points.names, (std::vector<std::string>{"S", "Q", "R", "M"}));
  for (const std::vector<double> &row : points.rows) {
    ExpectPrinted(row[1], -1000);
    ExpectPrinted(std::fabs(row[3]), 10);
  }
  ExpectPrinted(std::fabs(points.rows[0][4]), 10 * amplified);
  ExpectPrinted(points.rows[4][4], 0);
  const ResultsTables::Extremes &e = t.extremes.at(1);
  ASSERT_EQ(e.names, points.names);
  ExpectPrinted(std::max(std::fabs(e.max[3].values[3]), std::fabs(e.min[3].values[3])),
                10 * amplified);

  ASSERT_EQ(RunBuckling(Solutions), kSolved);
  t = PrintAndRead();
  const double critical = M_PI * M_PI * kEI / (4 * 16 * 1000);
  ASSERT_TRUE(t.caption.starts_with("Knickuntersuchung f=")) << t.caption;
  EXPECT_NEAR(AtofC(t.caption.c_str() + 20), critical, 1e-4);
  EXPECT_EQ(t.forces.at(1).names, std::vector<std::string>{"N"});
  EXPECT_EQ(t.extremes.at(1).names, std::vector<std::string>{"N"});
  const double head = t.displacements.at(2)[0];
  ASSERT_GT(std::fabs(head), 1e-6);
  const ResultsTables::Points &shape = t.beamDisplacements.at(1);
  for (const std::vector<double> &row : shape.rows)
    EXPECT_NEAR(row[1] / head, 1 - std::cos(M_PI * row[0] / 2), 1e-3) << row[0];
}

// Output intervals the system check refuses, set behind its back after an
// analysis: the protocol prints at most 1000 of them, and none below 0.  (The
// positions of 1/1000 take one place more than the reader's columns.)
TEST_F(ResultsProtocol, OutputIntervalsAreBoundedWhateverTheTableHolds) {
  CantileverSpan(4);
  NodeLoad(1, 2, 2, 0, 10, 0);
  ASSERT_EQ(RunFirstOrder(Solutions), kSolved);
  // The lines of the table below heading, up to the next empty line.
  const auto rows = [](const std::string &heading, int columnLines) {
    std::string text;
    EXPECT_TRUE(PrintResults(text, {}));
    const std::size_t at = text.find(heading);
    if (at == std::string::npos)
      return -1;
    std::istringstream lines(text.substr(at));
    std::string line;
    for (int k = 0; k <= columnLines; ++k)
      std::getline(lines, line);
    int count = 0;
    while (std::getline(lines, line) && !line.empty())
      ++count;
    return count;
  };
  Beams.At(0).intervals = INT_MAX;
  EXPECT_EQ(rows("Verschiebung des Stabes   1 in 1/1000 Punkten", 2), 999);
  EXPECT_EQ(rows("Schnittkräfte des Stabes   1 in 1/1000 Punkten", 1), 1001);
  Beams.At(0).intervals = INT_MIN;
  EXPECT_EQ(rows("Verschiebung des Stabes", 2), -1);
  EXPECT_EQ(rows("Schnittkräfte des Stabes   1 in 1/1   Punkten", 1), 2);
}

// The keyed example and its section mirror print the same protocols after
// each of the three analyses.
TEST_F(ResultsProtocol, TheKeyedExampleAndItsMirrorPrintAlike) {
  const ProtocolHeader header{"shed", "shed"};
  std::string protocols[2];
  const char *const pairs[2][2] = {{"shed.sys", "shed.las"}, {"shed.ssy", "shed.sla"}};
  for (int k = 0; k < 2; ++k) {
    ClearAll();
    ReadSystemFile(std::string(KELMOR_SOURCE_DIR "/examples/") + pairs[k][0]);
    ReadLoadFile(std::string(KELMOR_SOURCE_DIR "/examples/") + pairs[k][1]);
    for (int (*run)(SolutionsCont &) : {RunFirstOrder, RunSecondOrder, RunBuckling}) {
      ASSERT_EQ(run(Solutions), kSolved) << pairs[k][0];
      ASSERT_TRUE(PrintResults(protocols[k], header));
    }
  }
  EXPECT_EQ(protocols[0], protocols[1]);
  EXPECT_NE(protocols[0].find("Knickuntersuchung f="), std::string::npos);
}

// The example portal frame after each analysis: every number of the
// protocol is the analysis' own, and the closed forms that hold for it do.
TEST_F(ResultsProtocol, ExamplePortalFrameAfterEachAnalysis) {
  ReadSystemFile(KELMOR_SOURCE_DIR "/examples/portal.ssy");
  ReadLoadFile(KELMOR_SOURCE_DIR "/examples/portal.sla");
  const std::vector<std::vector<std::string>> names{{"N", "Q", "M"}, {"S", "Q", "R", "M"}, {"N"}};
  for (int analysis = 0; analysis < 3; ++analysis) {
    SCOPED_TRACE(analysis);
    const int done = analysis == 0   ? RunFirstOrder(Solutions)
                     : analysis == 1 ? RunSecondOrder(Solutions)
                                     : RunBuckling(Solutions);
    ASSERT_EQ(done, kSolved);
    const ResultsTables t = PrintAndRead();
    EXPECT_EQ(t.caption, ResultCaption(Solutions));
    const ResultSetTable &set = ResultDescriptor(Solutions);
    std::vector<int> kinds;
    for (int f = 0; f < set.forceCount; ++f)
      kinds.push_back(set.entries[set.firstForce + f].component);

    ASSERT_EQ(t.displacements.size(), 4u);
    for (const auto &[node, values] : t.displacements)
      ExpectPrinted(values, {NodeValue(node, 0), NodeValue(node, 1), NodeValue(node, 2)});
    ASSERT_EQ(t.reactions.size(), 2u);
    for (const auto &[node, values] : t.reactions)
      ExpectPrinted(values, {Reaction(node, 0), Reaction(node, 1), Reaction(node, 2)});
    ASSERT_EQ(t.hinges.size(), 1u);
    const ResultsTables::Triple &hinge = t.hinges.at(1);
    ExpectPrinted(hinge[2], hinge[0] - hinge[1], 1e-7);

    for (int beam = 1; beam <= 3; ++beam) {
      SCOPED_TRACE(beam);
      const ResultsTables::Points &inner = t.beamDisplacements.at(beam);
      ASSERT_EQ(inner.rows.size(), 9u);
      for (int i = 0; i < 9; ++i) {
        const double p = (i + 1) / 10.0;
        ExpectPrinted(inner.rows[i][0], p);
        ExpectPrinted(inner.rows[i][1], Displacement(beam, p).x);
        ExpectPrinted(inner.rows[i][2], Displacement(beam, p).y);
      }
      const ResultsTables::Points &points = t.forces.at(beam);
      EXPECT_EQ(points.names, names[analysis]);
      ASSERT_EQ(points.rows.size(), 11u);
      double largest = 0.0;
      for (int c = 0; c <= 10; ++c) {
        ExpectPrinted(points.rows[c][0], c / 10.0);
        for (std::size_t f = 0; f < kinds.size(); ++f) {
          ExpectPrinted(points.rows[c][f + 1], Force(beam, c / 10.0, kinds[f]));
          largest = std::max(largest, std::fabs(points.rows[c][f + 1]));
        }
      }
      // Each extreme bounds the output points, and the forces beside it are
      // those at its place (on one side or the other of a jump).
      const ResultsTables::Extremes &e = t.extremes.at(beam);
      ASSERT_EQ(e.names, names[analysis]);
      const double slack = 2e-3 * largest + 1e-9;
      for (std::size_t f = 0; f < kinds.size(); ++f) {
        for (const std::vector<double> &row : points.rows) {
          EXPECT_GE(e.max[f].values[f], row[f + 1] - slack);
          EXPECT_LE(e.min[f].values[f], row[f + 1] + slack);
        }
        for (const ResultsTables::Extreme &x : {e.max[f], e.min[f]}) {
          for (std::size_t j = 0; j < kinds.size(); ++j) {
            const double before = Force(beam, x.position, kinds[j]);
            const double after = Force(beam, std::min(1.0, x.position + 1e-9), kinds[j]);
            EXPECT_LE(std::min(std::fabs(x.values[j] - before), std::fabs(x.values[j] - after)),
                      slack)
                << "force " << j << " beside the extreme of " << f << " at " << x.position;
          }
        }
      }
    }
    if (analysis == 2) {
      // The buckling shape is one of the unloaded frame: the clamp at node 4
      // stays where it is and the hinge does not kink, whatever their
      // imposed values; the factor is the one found before that was so.
      EXPECT_EQ(t.caption, "Knickuntersuchung f=58.1344");
      for (int k = 0; k < 3; ++k)
        EXPECT_EQ(NodeValue(4, k), 0.0) << k;
      ExpectPrinted(t.displacements.at(4), {0.0, 0.0, 0.0});
      EXPECT_EQ(hinge[2], 0.0);
      continue;
    }
    // The clamp at node 4 settles by the imposed 0.01, the right side of the
    // hinge turns by the imposed 0.001 more than the left, and the reactions
    // balance the loads: 10 + 3 x 0.6 x 5 across, 12 x 8 + 20 down.
    ExpectPrinted(t.displacements.at(4)[1], 0.01);
    ExpectPrinted(hinge[2], -0.001);
    ExpectPrinted(t.reactions.at(1)[0] + t.reactions.at(4)[0], -19, 1e-2);
    ExpectPrinted(t.reactions.at(1)[1] + t.reactions.at(4)[1], -116, 1e-1);
  }
}

// A row of 60 clamped columns joined by girders, some with hinges, warmed
// and bowed, with every count of output intervals: on several threads the
// protocol is the one thread's byte for byte, after first- and second-order
// analysis, and where a beam position is uncovered both stop at the same
// byte with the same exception.
TEST_F(ResultsProtocol, ThreadsWriteTheBytesOfOneThread) {
  constexpr int n = 60;
  Material(1, kE, kI, kA, 1.2e-5);
  for (int i = 1; i <= n; ++i) {
    Node(i, 4.0 * i, 0, 1, 1, 1);
    Node(n + i, 4.0 * i, -3);
    Beam(i, i, n + i, 1, 0.3);
  }
  for (int i = 1; i < n; ++i)
    Beam(n + i, n + i, n + i + 1);
  for (int b = 0; b < 2 * n - 1; ++b)
    Beams.At(b).intervals = b % 9;
  for (int h = 1; h <= 10; ++h)
    AddHinge(h, n + 5 * h, 0.5, h % 3 == 0 ? kHingeShearForce : kHingeMoment);
  NodeLoad(1, n + 1, 2 * n, 5, 20, 0);
  BeamLoad(1, n + 1, 2 * n - 1, kLocalAxes, 10, 10, 0, 0);
  PointLoad(1, n + 7, 0.3, 0, 40, 0);
  Temperature(1, 1, n / 2, 0, 30);
  Imperfection(1, 1, n, 0.005, 0.002);
  const ProtocolHeader header{"reihe.ssy", "reihe.sla"};
  for (int (*run)(SolutionsCont &) : {RunFirstOrder, RunSecondOrder}) {
    ASSERT_EQ(run(Solutions), kSolved);
    std::string one;
    ASSERT_TRUE(PrintResults(one, header, 1));
    for (int threads : {2, 3, 8}) {
      ReindexLoadRows(); // the threads meet the indexes of the loads stale
      std::string many;
      ASSERT_TRUE(PrintResults(many, header, threads));
      EXPECT_EQ(many, one) << threads << " threads";
    }
  }

  Solutions.Elements.At(Beams.At(n + 40).firstElement).x1 = 0.1;
  auto stopped = [&](int threads) {
    std::string text;
    try {
      PrintResults(text, header, threads);
      ADD_FAILURE() << "no exception on " << threads << " threads";
    } catch (const Exception &e) {
      EXPECT_STREQ(e.what(), "Schale nicht gefunden");
    }
    return text;
  };
  const std::string one = stopped(1);
  EXPECT_NE(one.find("Schnittkräfte des Stabes 101"), std::string::npos);
  EXPECT_EQ(one.find("Schnittkräfte des Stabes 102"), std::string::npos);
  EXPECT_EQ(stopped(4), one);
}
