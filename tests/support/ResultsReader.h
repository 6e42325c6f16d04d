#pragma once
// Reads a results protocol back into its tables for the tests, checking on
// the way that every heading is exactly the protocol's, that every line of
// every table parses and that the columns line up.
#include "model/CLocale.h"
#include "tests/support/ProtocolReader.h"

#include <array>
#include <map>
#include <regex>

struct ResultsTables {
  // One beam's output points: per line the position and the values.
  struct Points {
    int intervals = 0;
    std::vector<std::string> names;
    std::vector<std::vector<double>> rows;
  };
  // The place of an extreme and the values of all forces there.
  struct Extreme {
    double position = 0.0;
    std::vector<double> values;
  };
  struct Extremes {
    std::vector<std::string> names;
    std::vector<Extreme> max, min;
  };
  using Triple = std::array<double, 3>;

  std::string caption;
  std::map<int, Triple> displacements; // by node number
  std::map<int, Points> beamDisplacements;
  std::map<int, Extremes> extremes;
  std::map<int, Points> forces;
  std::map<int, Triple> reactions;
  std::map<int, Triple> hinges;
};

namespace results_reader {

const std::string kRule82 = std::string(82, '=');
const std::string kDash84 = std::string(84, '-');

inline std::vector<double> Numbers(const ProtocolRow &row, std::size_t from) {
  std::vector<double> values;
  for (std::size_t k = from; k < row.size(); ++k)
    values.push_back(Number(row[k]));
  return values;
}

// Rows of a number and three values, each line 38 characters wide.
inline std::map<int, ResultsTables::Triple> NumberedTriples(ProtocolReader &r) {
  std::map<int, ResultsTables::Triple> table;
  for (const ProtocolRow &row : r.Rows(4, 38)) {
    const std::vector<double> v = Numbers(row, 0);
    EXPECT_TRUE(
        table.emplace(static_cast<int>(v[0]), ResultsTables::Triple{v[1], v[2], v[3]}).second)
        << "number " << row[0] << " twice";
  }
  return table;
}

// The heading of a per-beam table, "...%3d in 1/%-3d Punkten ...": the beam
// number and the intervals, or false when the next lines hold none.
inline bool BeamHeading(ProtocolReader &r, const char *format, int &beam, int &intervals) {
  const std::string prefix = std::string(format).substr(0, std::string(format).find('%'));
  if (!r.Peek().empty() || !r.Peek(1).starts_with(prefix))
    return false;
  r.Next();
  const std::string line = r.Next();
  EXPECT_EQ(ScanC(line.c_str() + prefix.size(), "%d in 1/%d", &beam, &intervals), 2) << line;
  EXPECT_EQ(line, FormatC(format, beam, intervals));
  return true;
}

inline ResultsTables::Extremes ReadExtremes(ProtocolReader &r) {
  ResultsTables::Extremes extremes;
  const std::string head = r.Next();
  EXPECT_TRUE(head.starts_with("   Schnittkraft   x-Pos")) << head;
  const std::string names = head.substr(23);
  EXPECT_EQ(names.size() % 12, 0u) << head;
  extremes.names = ProtocolReader::Split(names);
  const std::size_t count = extremes.names.size();
  for (const std::string &name : extremes.names) {
    for (std::vector<ResultsTables::Extreme> *side : {&extremes.max, &extremes.min}) {
      const ProtocolRow row = r.Split(r.Peek());
      const std::string line = r.Next();
      EXPECT_EQ(Utf8Length(line), 23 + 12 * count) << line;
      EXPECT_EQ(row.size(), 3 + count) << line;
      EXPECT_EQ(line.substr(0, 4), side == &extremes.max ? "Max " : "Min ");
      if (row.size() != 3 + count)
        continue;
      EXPECT_EQ(row[1], name);
      side->push_back({Number(row[2]), Numbers(row, 3)});
    }
    r.Expect({""});
  }
  return extremes;
}

inline ResultsTables::Points ReadPoints(ProtocolReader &r, int intervals, std::size_t columns,
                                        int width, int rows) {
  ResultsTables::Points points{intervals, {}, {}};
  for (const ProtocolRow &row : r.Rows(columns, width))
    points.rows.push_back(Numbers(row, 0));
  EXPECT_EQ(points.rows.size(), static_cast<std::size_t>(rows));
  return points;
}

} // namespace results_reader

inline ResultsTables ReadResults(const std::string &text) {
  using namespace results_reader;
  ResultsTables t;
  ProtocolReader r(text);
  r.Expect({"Kelmor - Ausdruck der Ergebnisse", ""});
  const std::string stamp = r.Next();
  EXPECT_TRUE(std::regex_match(stamp, std::regex(R"(\d\d:\d\d:\d\d  \d\d\.\d\d\.\d{4})"))) << stamp;
  r.Expect({kRule82});
  EXPECT_TRUE(r.Next().starts_with("System  : "));
  EXPECT_TRUE(r.Next().starts_with("Lastfall: "));
  r.Expect({kRule82, ""});
  const std::string caption = r.Next();
  EXPECT_TRUE(caption.starts_with("Ergebnisse: ")) << caption;
  t.caption = caption.substr(std::min<std::size_t>(caption.size(), 12));

  r.Expect({"", "",
            "---------------------------------- Knotenverschiebung ------------------------------",
            "Knoten      wx         wz     Rotation", kDash84});
  t.displacements = NumberedTriples(r);

  int beam = 0, n = 0;
  while (BeamHeading(r,
                     "------------------- Verschiebung des Stabes %3d in 1/%-3d Punkten "
                     "-------------------",
                     beam, n)) {
    r.Expect({"xi-Position      wx         wz", kDash84});
    t.beamDisplacements[beam] = ReadPoints(r, n, 3, 32, n - 1);
  }

  r.Expect({"", "",
            "-----------------------Zugehörige Schnittkräfte -----------------------------------"});
  while (r.Peek().starts_with("Stab Nr.")) {
    const std::string line = r.Next();
    t.extremes[static_cast<int>(Number(line.substr(8)))] = ReadExtremes(r);
  }

  while (BeamHeading(r,
                     "------------------ Schnittkräfte des Stabes %3d in 1/%-3d Punkten "
                     "-------------------",
                     beam, n)) {
    const std::string head = r.Next();
    EXPECT_TRUE(head.starts_with(" Xi-Pos  ")) << head;
    EXPECT_EQ((Utf8Length(head) - 9) % 11, 0u) << head;
    const std::vector<std::string> names = ProtocolReader::Split(head.substr(9));
    t.forces[beam] =
        ReadPoints(r, n, 1 + names.size(), 7 + 11 * static_cast<int>(names.size()), n + 1);
    t.forces[beam].names = names;
  }

  r.Expect({"",
            "------------------------------------- Auflagerkräfte -------------------------------",
            "Knoten       x          z     Rotation", kDash84});
  t.reactions = NumberedTriples(r);
  r.Expect({"",
            "---------------------------------- Gelenkverschiebung ------------------------------",
            "Gelenk linke Seite  rechte Seite Gesamt", kDash84});
  t.hinges = NumberedTriples(r);
  EXPECT_TRUE(r.AtEnd()) << "line " << r.LineNumber() << ": " << r.Peek();
  return t;
}
