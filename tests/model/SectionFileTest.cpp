#include "model/FileErrors.h"
#include "model/Message.h"
#include "model/TextLine.h"
#include "tests/support/FakeGrid.h"
#include "tests/support/ModelTablesFixture.h"

#include <cstdio>
#include <memory>
#include <string>

namespace {

struct FileCloser {
  void operator()(std::FILE *file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

// An anonymous file holding bytes, positioned at its beginning.
File FileWith(const std::string &bytes) {
  File file(std::tmpfile());
  std::fwrite(bytes.data(), 1, bytes.size(), file.get());
  std::rewind(file.get());
  return file;
}

std::string Contents(std::FILE *file) {
  std::rewind(file);
  std::string text;
  for (int c; (c = std::getc(file)) != EOF;)
    text.push_back(static_cast<char>(c));
  return text;
}

std::string Section(InputContainer &table) {
  File file(std::tmpfile());
  table.SaveToFile(file.get());
  return Contents(file.get());
}

std::string LineTooLongMessage(const std::string &bytes) {
  File file = FileWith(bytes);
  try {
    ReadTextLine(file.get());
  } catch (const Exception &e) {
    return e.what();
  }
  return "accepted";
}

} // namespace

TEST(ReadTextLine, ExpandsTabsDropsLineEndsAndDecodes1252) {
  File file = FileWith("a\tb\r\n\t\tx  \n12345678\tc\n\xe4\xdf\x80\nlast\r");
  EXPECT_EQ(ReadTextLine(file.get()), "a       b");
  EXPECT_EQ(ReadTextLine(file.get()), std::string(16, ' ') + "x");
  EXPECT_EQ(ReadTextLine(file.get()), "12345678        c");
  EXPECT_EQ(ReadTextLine(file.get()), "äß€");
  EXPECT_FALSE(std::feof(file.get()));
  EXPECT_EQ(ReadTextLine(file.get()), "last\r"); // no line feed: the CR is text
  EXPECT_TRUE(std::feof(file.get()));
  EXPECT_EQ(ReadTextLine(file.get()), "");
}

TEST(ReadTextLine, LimitsTheVisibleLengthAfterTabsWithoutTheLineEnd) {
  const std::string visible196(196, 'x');
  EXPECT_EQ(LineTooLongMessage(visible196 + "\n"), "accepted");
  EXPECT_EQ(LineTooLongMessage(visible196 + "\r\n"), "accepted");
  EXPECT_EQ(LineTooLongMessage(visible196), "accepted");
  EXPECT_EQ(LineTooLongMessage(visible196 + "y\n"), "Line to long");
  EXPECT_EQ(LineTooLongMessage(visible196 + "\r\r\n"), "Line to long");
  // 24 tabs make 192 visible characters.
  const std::string tabs(24, '\t');
  EXPECT_EQ(LineTooLongMessage(tabs + "abcd\n"), "accepted");
  EXPECT_EQ(LineTooLongMessage(tabs + "abcde\n"), "Line to long");
  EXPECT_EQ(LineTooLongMessage(std::string(25, '\t') + "\n"), "Line to long");
  // A line of a megabyte without a line end is refused without reading it all.
  File big = FileWith(std::string(1 << 20, 'z'));
  EXPECT_THROW(ReadTextLine(big.get()), Exception);
  EXPECT_LT(std::ftell(big.get()), 1000);
}

TEST(FindKeyLine, FindsAKeyPrefixInAnyCaseAndWrapsAroundOnce) {
  File file = FileWith("HINGES\n0\n\nnodes extra\n1\n\nBEAMS\n");
  std::string copy;
  ASSERT_TRUE(FindKeyLine(file.get(), "BEAMS", &copy));
  EXPECT_EQ(copy, "BEAMS");
  ASSERT_TRUE(FindKeyLine(file.get(), "NODES", &copy)); // behind the position
  EXPECT_EQ(copy, "nodes extra");
  EXPECT_EQ(ReadTextLine(file.get()), "1");
  EXPECT_TRUE(FindKeyLine(file.get(), "Hinges"));
  EXPECT_FALSE(FindKeyLine(file.get(), "MATERIALS"));
  EXPECT_EQ(ReadTextLine(file.get()), "HINGES"); // left at the beginning
  File empty = FileWith("");
  EXPECT_FALSE(FindKeyLine(empty.get(), "NODES"));
}

TEST_F(ModelTablesTest, SectionsAreWrittenInTheExactRecordFormats) {
  NodeRecord &node = AddNode(1, 0.0, 2.5);
  node.supportX = node.supportZ = 1;
  EXPECT_EQ(Section(Nodes), "NODES\n1\n    1 0.00000000000000e+00 2.50000000000000e+00 1 1 0 "
                            "0.00000000000000e+00\n\n");
  BeamRecord &beam = AddBeam(3, 1, 2);
  beam.thickness = 0.4;
  beam.intervals = 5;
  EXPECT_EQ(Section(Beams), "BEAMS\n1\n    3 1 2 1 4.00000000000000e-01 5\n\n");

  NodeLoadRecord &nodeLoad = Use(NodeLoads, 2);
  nodeLoad.from = 1;
  nodeLoad.to = 12;
  nodeLoad.pz = -10.0;
  EXPECT_EQ(Section(NodeLoads), "NODELOAD\n1\n    2     1    12 0.00000000000000e+00 "
                                "-1.00000000000000e+01 0.00000000000000e+00\n\n");
  HingeLoadRecord &hingeLoad = Use(HingeLoads, 1);
  hingeLoad.hinge = 4;
  hingeLoad.kind = kHingeDeformation;
  hingeLoad.value = 0.0025;
  EXPECT_EQ(Section(HingeLoads), "HINGELOAD\n1\n    1     4     1 2.50000000000000e-03\n\n");
  ImperfectionRecord &imperfection = Use(Imperfections, 12);
  imperfection.from = 1;
  imperfection.to = 3;
  imperfection.sway = 1.0 / 200.0;
  EXPECT_EQ(Section(Imperfections), "IMPERFECTION\n1\n   12 1 3 5.00000000000000e-03 "
                                    "0.00000000000000e+00\n\n");
  EXPECT_EQ(Section(BeamLoads), "BEAMLOAD\n0\n\n");
}

TEST_F(ModelTablesTest, SectionsKeepRowGapsAndAGridCommitsItsEditFirst) {
  for (int number : {1, 2, 5})
    Use(TemperatureLoads, number).t = number;
  FakeGrid grid;
  grid.SetContainer(&TemperatureLoads);
  grid.row = 3;
  grid.col = 2;
  grid.fills.clear();
  File file(std::tmpfile());
  TemperatureLoads.SaveToFile(file.get());
  ASSERT_EQ(grid.fills.size(), 1u);
  EXPECT_EQ(grid.fills[0], std::make_pair(3, 2));

  std::rewind(file.get());
  TempLoadClass copy;
  copy.At(7).state = 1; // reading starts from an empty table
  ASSERT_TRUE(copy.LoadFromFile(file.get()));
  EXPECT_EQ(copy.Count(), 5);
  EXPECT_EQ(copy.ActiveCount(), 3);
  for (int row : {0, 1, 4}) {
    EXPECT_EQ(copy.At(row).state, 255);
    EXPECT_EQ(copy.At(row).t, row + 1.0);
  }
  EXPECT_EQ(copy.IsRowValid(2) + copy.IsRowValid(3), 0);
  EXPECT_FALSE(copy.LoadFromFile(FileWith("NODES\n0\n\n").get()));
  EXPECT_EQ(copy.Count(), 0);
}

TEST_F(ModelTablesTest, RecordLinesAreReadAsTheWriterWroteThemAndNothingElse) {
  // Blanks or tabs between fields; six-digit reals; a short line keeps the
  // zeros; a later duplicate overwrites only what it gives; rows outside
  // 1 .. 1000000 are passed over but counted.
  File file = FileWith("beams\n6\n    2\t1 2 3 4.000000e-01 7\n    4 5 6\n    2 8\n"
                       "    0 1 1 1 1 1\n   -3 1 1 1 1 1\n 1000001 1 1 1 1 1\n\n");
  BeamClass beams;
  ASSERT_TRUE(beams.LoadFromFile(file.get()));
  EXPECT_EQ(beams.Count(), 4);
  EXPECT_EQ(beams.ActiveCount(), 2);
  EXPECT_EQ(beams.At(1).node1, 8);
  EXPECT_EQ(beams.At(1).node2, 2);
  EXPECT_EQ(beams.At(1).thickness, 0.4);
  EXPECT_EQ(beams.At(1).intervals, 7);
  EXPECT_EQ(beams.At(3).node2, 6);
  EXPECT_EQ(beams.At(3).material, 0);
  EXPECT_EQ(beams.At(3).thickness, 0.0);

  // Every record line is a field of numbers of the field's kind.
  const char *const refused[] = {"BEAMS\n1\n    1 1 2 x 0.3 5\n\n",
                                 "BEAMS\n1\n    1 1 2 1.5 0.3 5\n\n",
                                 "BEAMS\n1\n    1 1 2 1 0,3 5\n\n",
                                 "BEAMS\n1\n    1 1 2 1 nan 5\n\n",
                                 "BEAMS\n1\n    1 1 2 99999999999 0.3 5\n\n",
                                 "BEAMS\n1\n    1x 1 2 1 0.3 5\n\n",
                                 "BEAMS\n2\n    1 1 2 1 0.3 5\n\n",
                                 "BEAMS\n1\n\n",
                                 "BEAMS\nzwei\n    1 1 2 1 0.3 5\n\n",
                                 "BEAMS\n-1\n\n",
                                 "BEAMS\n"};
  for (const char *bytes : refused)
    EXPECT_THROW(beams.LoadFromFile(FileWith(bytes).get()), FileFormatError) << bytes;
  const std::string withNul("BEAMS\n1\n    1 1\0 2\n\n", 20);
  EXPECT_THROW(beams.LoadFromFile(FileWith(withNul).get()), FileFormatError);
}
