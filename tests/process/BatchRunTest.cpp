// Kelmor run unattended on batch files, each run in a sandbox of its own:
// analyses with closed-form answers, the example frame, the faults that let
// the run go on and those that end it, and CLOSE.
#include "tests/process/KelmorSandbox.h"
#include "tests/support/NullDevice.h"
#include "tests/support/ResultsReader.h"

#include <sys/stat.h>

#include <algorithm>
#include <cmath>

namespace {

// EI = 1e4, EA = 1e6.  A cantilever of length 4 along x, fixed at node 1,
// with an axial compression 1000 and a transverse force 10 at its tip.
const char *const kCantilever = "NODES\n2\n    1 0.0 0.0 1 1 1 0.0\n    2 4.0 0.0 0 0 0 0.0\n\n"
                                "BEAMS\n1\n    1 1 2 1 0.2 4\n\n"
                                "MATERIALS\n1\n    1 1.0e4 1.0 100.0 1.2e-5 0.0\n";
// A pinned column of length 5 along z.
const char *const kColumn = "NODES\n2\n    1 0.0 0.0 1 1 0 0.0\n    2 0.0 -5.0 1 0 0 0.0\n\n"
                            "BEAMS\n1\n    1 1 2 1 0.2 4\n\n"
                            "MATERIALS\n1\n    1 1.0e4 1.0 100.0 1.2e-5 0.0\n";

void ExpectPrinted(double printed, double exact) {
  EXPECT_NEAR(printed, exact, 5.001e-4 * std::fabs(exact));
}

class BatchRunTest : public ::testing::Test {
protected:
  void SetUp() override {
    box.Store(box.File("cantilever.ssy"), kCantilever);
    box.Store(box.File("column.ssy"), kColumn);
    box.Store(box.File("tip.sla"), "NODELOAD\n1\n    1     2     2 -1000.0 10.0 0.0\n");
    // Beyond the cantilever's critical load pi^2 EI / (2L)^2 = 1542.
    box.Store(box.File("over.sla"), "NODELOAD\n1\n    1     2     2 -5000.0 10.0 0.0\n");
    box.Store(box.File("column.sla"), "NODELOAD\n1\n    1     2     2 0.0 1000.0 0.0\n");
  }
  ResultsTables Results(const std::string &name) const {
    return ReadResults(Cp1252ToUtf8(box.Load(box.File(name))));
  }
  // The bending moment at the start of beam 1.
  double StartMoment(const std::string &name) const {
    const ResultsTables::Points points = Results(name).forces.at(1);
    const auto m = std::find(points.names.begin(), points.names.end(), "M");
    return m == points.names.end() ? NAN : points.rows.at(0).at(1 + m - points.names.begin());
  }
  KelmorSandbox box;
};

// CLOSE comes first: the program ends only after the lines that follow.
TEST_F(BatchRunTest, AnalysesAgreeWithClosedForms) {
  box.Store(box.File("run.bat"),
            "HIDE\nCLOSE\nOPENSYSTEM=cantilever.ssy\nOPENLOAD=tip.sla\n"
            "SOLVEI\nSAVERESULT=first.txt\nSOLVEII\nSAVERESULT=second.txt\n"
            "OPENSYSTEM=column.ssy\nOPENLOAD=column.sla\nSOLVEK\nSAVERESULT=buckling.txt\n");
  EXPECT_EQ(box.Run("run.bat"), 0);
  EXPECT_EQ(box.Log(), "");
  // First order: P L^3 / 3EI, P L^2 / 2EI, N L / EA; the fixed end carries
  // the force 10 and the moment 40.
  const ResultsTables first = Results("first.txt");
  EXPECT_EQ(first.caption, "I.Ordnung");
  ExpectPrinted(first.displacements.at(2)[0], -0.004);
  ExpectPrinted(first.displacements.at(2)[1], 10.0 * 64 / 3e4);
  ExpectPrinted(first.displacements.at(2)[2], 10.0 * 16 / 2e4);
  ExpectPrinted(first.reactions.at(1)[1], -10.0);
  ExpectPrinted(std::fabs(StartMoment("first.txt")), 40.0);
  // Second order: w = H (tan kL - kL) / (P k), k = sqrt(P / EI); the moment
  // at the fixed end grows by P w.
  const double k = std::sqrt(0.1), w = 10.0 * (std::tan(4 * k) - 4 * k) / (1000.0 * k);
  ExpectPrinted(Results("second.txt").displacements.at(2)[1], w);
  ExpectPrinted(std::fabs(StartMoment("second.txt")), 40.0 + 1000.0 * w);
  // Euler's load pi^2 EI / L^2 over the applied 1000.
  const std::string caption = Results("buckling.txt").caption;
  ASSERT_TRUE(caption.starts_with("Knickuntersuchung f=")) << caption;
  EXPECT_NEAR(AtofC(caption.c_str() + 20), M_PI * M_PI * 1e4 / 25 / 1000, 1e-4);
  EXPECT_TRUE(std::filesystem::is_empty(box.File("tmp")));
}

TEST_F(BatchRunTest, ExampleFrameThroughAllThreeAnalyses) {
  std::filesystem::copy(KELMOR_SOURCE_DIR "/examples", box.File("examples"));
  std::filesystem::create_directory(box.File("out"));
  EXPECT_EQ(box.Run("examples/portal.bat"), 0);
  EXPECT_EQ(box.Log(), "");
  EXPECT_EQ(Results("out/portal-theorie-1.txt").caption, "I.Ordnung");
  EXPECT_TRUE(Results("out/portal-theorie-2.txt").caption.starts_with("II.Ordnung, "));
  EXPECT_TRUE(Results("out/portal-knicken.txt").caption.starts_with("Knickuntersuchung f="));
  const std::string svg = box.Load(box.File("out/portal-biegemoment.svg"));
  EXPECT_TRUE(svg.starts_with("<?xml")) << svg.substr(0, 100);
  EXPECT_NE(svg.find("<svg width=\""), std::string::npos);

  // The same picture under an older metafile name is SVG too, at exactly
  // that path.  Without a model there is nothing to export; the batch
  // window's first tab shows the frame with its loads; an empty name fails;
  // no name at all copies to the clipboard only.
  box.Store(box.File("pictures.bat"),
            "HIDE\nSAVEGRAPHFILE = empty.svg\n"
            "OPENSYSTEM = examples/portal.ssy\nOPENLOAD = examples/portal.sla\n"
            "SAVEGRAPHFILE = geometrie.svg\nSOLVEI\nSETGRAPHTAB = 4\n"
            "SAVEGRAPHFILE = out/portal.wmf\nSAVEGRAPHFILE =\nSAVEGRAPHFILE\nCLOSE\n");
  EXPECT_EQ(box.Run("pictures.bat"), 0);
  const std::string failed = "Kelmor\tFehler beim Kopieren des Bildes in die Zwischenablage!\n";
  EXPECT_EQ(box.Log(), failed + failed);
  EXPECT_EQ(box.Load(box.File("out/portal.wmf")), svg);
  EXPECT_FALSE(std::filesystem::exists(box.File("empty.svg")));
  EXPECT_TRUE(box.Load(box.File("geometrie.svg")).starts_with("<?xml"));
}

// Files that do not read leave the model as it was; without results no file
// is written; a failing second-order analysis stops at its first message.
// Keywords in any case, "()" after them, blank lines, CR LF line ends and a
// last line that ends in a carriage return without a line feed.
TEST_F(BatchRunTest, FaultsThatLetTheRunGoOn) {
  box.Store(box.File("long.ssy"), "NODES\n1\n    1" + std::string(300, ' ') + "0 0 1 1 1 0\n");
  box.Store(
      box.File("a b.bat"),
      "hide\r\n  opensystem = cantilever.ssy\r\nOPENLOAD=tip.sla\r\n"
      "OPENSYSTEM = missing.ssy\r\nOPENSYSTEM=long.ssy\r\nOPENLOAD=.\r\n\r\n \t\r\n"
      "SAVERESULT=none.txt\r\n SolveI() \r\nSaveResult = a b.txt \r\n"
      "OPENLOAD=over.sla\r\nABBRUCHEPS=0\r\nSOLVEII\r\nSAVERESULT=none.txt\r\n"
      "SETGRAPHOPTIONS=3\r\nDELETEGRAPHOPTIONS=4\r\nSETGRAPHTAB=1\r\nSAVEGRAPHFILE\r\nClose\r");
  EXPECT_EQ(box.Run("a b.bat"), 0);
  EXPECT_EQ(box.Log(), "Fehler\tFehler beim öffnen der Systemdatei\n"
                       "Fehler\tLine to long\n"
                       "Fehler\tFehler beim öffnen der Lastdatei\n"
                       "Information\tKeine Ergebnisse sind vorhanden\n"
                       "Berechnungsfehler\tSinguläre Steifigkeitsmatrix !\\n"
                       "Möglicherweise liegt verschiebliches System vor\n"
                       "Information\tKeine Ergebnisse sind vorhanden\n");
  EXPECT_FALSE(std::filesystem::exists(box.File("none.txt")));
  ExpectPrinted(Results("a b.txt").displacements.at(2)[1], 10.0 * 64 / 3e4);
}

// A batch file as Linux editors write it: UTF-8 with a byte-order mark,
// umlauts in its paths, and the limit with a decimal comma.  The same in
// Windows-1252 with a decimal point iterates as often; a coarser limit
// stops earlier, its protocol written under a name of 250 characters.  The
// portal carries heavy vertical loads, so that its normal forces settle
// slowly.
TEST_F(BatchRunTest, BatchFilesInUtf8AndTheDecimalComma) {
  std::filesystem::copy_file(KELMOR_SOURCE_DIR "/examples/portal.ssy", box.File("Stütze.ssy"));
  box.Store(box.File("Stütze.sla"),
            "NODELOAD\n2\n    1 2 2 200.0 3000.0 0.0\n    2 3 3 0.0 3000.0 0.0\n");
  const std::string solve = "HIDE\nOPENSYSTEM = Stütze.ssy\nOPENLOAD = Stütze.sla\nABBRUCHEPS = ";
  box.Store(box.File("utf8.bat"), "\xEF\xBB\xBF" + solve +
                                      "0,001\nSOLVEII\n"
                                      "SAVERESULT = Ergebnis für Stütze.txt\nCLOSE\n");
  const std::string coarse = std::string(246, 'g') + ".txt";
  box.Store(box.File("cp1252.bat"), Utf8ToCp1252(solve +
                                                 "0.001\nSOLVEII\nSAVERESULT = Stütze.txt\n"
                                                 "ABBRUCHEPS = 0.01\nSOLVEII\nSAVERESULT = " +
                                                 coarse + "\nCLOSE\n"));
  for (const char *batch : {"utf8.bat", "cp1252.bat"}) {
    EXPECT_EQ(box.Run(batch), 0) << batch;
    EXPECT_EQ(box.Log(), "") << batch;
  }
  const std::string caption = Results("Ergebnis für Stütze.txt").caption;
  EXPECT_TRUE(caption.starts_with("II.Ordnung, ")) << caption;
  EXPECT_EQ(caption, Results("Stütze.txt").caption);
  EXPECT_NE(caption, Results(coarse).caption);
}

// Output intervals that would print 2^31 lines per beam: the check stops
// the analysis, there is no result to save, and the run ends.
TEST_F(BatchRunTest, TooManyOutputIntervalsStopTheAnalysisNotTheRun) {
  box.Store(box.File("many.ssy"), "NODES\n2\n    1 0.0 0.0 1 1 1 0.0\n    2 4.0 0.0 0 0 0 0.0\n\n"
                                  "BEAMS\n1\n    1 1 2 1 0.2 2147483647\n\n"
                                  "MATERIALS\n1\n    1 1.0e4 1.0 100.0 1.2e-5 0.0\n");
  box.Store(box.File("run.bat"),
            "HIDE\nOPENSYSTEM=many.ssy\nOPENLOAD=tip.sla\nSOLVEI\nSAVERESULT=none.txt\nCLOSE\n");
  EXPECT_EQ(box.Run("run.bat"), 0);
  EXPECT_EQ(box.Log(), "Eingabefehler\tAnzahl der Intervalle muss zwischen 0 und 1000 liegen !\n"
                       "Information\tKeine Ergebnisse sind vorhanden\n");
  EXPECT_FALSE(std::filesystem::exists(box.File("none.txt")));
}

// These end the run, so its CLOSE is never reached: the program waits.
TEST_F(BatchRunTest, FaultsThatEndTheRun) {
  const std::string start = "OPENSYSTEM=cantilever.ssy\nOPENLOAD=tip.sla\nSOLVEI\n";
  const std::string end = "SAVERESULT=after.txt\nCLOSE\n", keyword(200, 'S');
  const std::pair<std::string, std::string> cases[] = {
      {"", "Fehler\tBatchdatei run.bat kann nicht geöffnet werden\n"},
      {start + keyword + "\n" + end, "Fehler\tBatchbefehl '" + keyword + "' nicht bekannt\n"},
      {start + "SAVERESULT=no/folder.txt\n" + end,
       "Fehler Batchdatei\tErgebnissdatei no/folder.txt kann nicht geöffnet werden\n"},
  };
  for (const auto &[batch, message] : cases) {
    if (!batch.empty())
      box.Store(box.File("run.bat"), batch);
    std::filesystem::remove(box.File("messages.log"));
    EXPECT_EQ(box.Run("run.bat", message), -1) << message;
    EXPECT_EQ(box.Log(), message);
    EXPECT_FALSE(std::filesystem::exists(box.File("after.txt")));
  }
}

// Results sent to a device go there; the device stays a device.  A read-only
// file of another owner (of this user when not root) in a folder open to
// all: an ordinary user could not open it for writing, so it stays as it was
// and the run ends.
TEST_F(BatchRunTest, SaveResultWritesDevicesAndRefusesProtectedFiles) {
  const std::string null = NullDevice(box);
  ASSERT_FALSE(null.empty()) << "root cannot make a device node here";
  const std::string start = "HIDE\nOPENSYSTEM=cantilever.ssy\nOPENLOAD=tip.sla\nSOLVEI\n";
  box.Store(box.File("device.bat"), start + "SAVERESULT=" + null + "\nCLOSE\n");
  EXPECT_EQ(box.Run("device.bat"), 0);
  EXPECT_EQ(box.Log(), "");
  struct stat device {};
  ASSERT_EQ(stat(null.c_str(), &device), 0);
  EXPECT_TRUE(S_ISCHR(device.st_mode));

  box.Store(box.File("fremd.txt"), "bisher\n");
  std::filesystem::permissions(box.File("fremd.txt"), std::filesystem::perms::owner_read |
                                                          std::filesystem::perms::group_read |
                                                          std::filesystem::perms::others_read);
  box.Store(box.File("protected.bat"),
            start + "SAVERESULT=fremd.txt\nSAVERESULT=after.txt\nCLOSE\n");
  const std::string message =
      "Fehler Batchdatei\tErgebnissdatei fremd.txt kann nicht geöffnet werden\n";
  EXPECT_EQ(box.Run("protected.bat", message, true), -1);
  EXPECT_EQ(box.Log(), message);
  EXPECT_EQ(box.Load(box.File("fremd.txt")), "bisher\n");
  EXPECT_FALSE(std::filesystem::exists(box.File("after.txt")));
}

} // namespace
