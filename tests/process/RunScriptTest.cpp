// run.sh without a display, on a Kelmor already built: what its exit status
// tells a script about the run, with the messages and files it lists.
#include "tests/process/KelmorSandbox.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace {

bool Holds(const std::string &text, const std::string &part) {
  return text.find(part) != std::string::npos;
}

// The example is run from the script's own folder: everything it writes is
// listed, and nothing was shown.  A run that shows an error message exits
// with 3 and lists the messages; one that only informs exits with 0.
TEST(RunScriptTest, ExitStatusTellsWhetherTheRunShowedAnError) {
  KelmorSandbox box;
  std::filesystem::copy(KELMOR_SOURCE_DIR "/examples", box.File("examples"));
  EXPECT_EQ(box.RunScript({}), 0);
  std::string out = box.Load(box.File("run.out"));
  EXPECT_TRUE(Holds(out, "Protocols written:\n  " + box.File("out/portal-theorie-1.txt") + "\n"))
      << out;
  EXPECT_TRUE(Holds(out, box.File("out/portal-knicken.txt") + "\nPictures written:\n  " +
                             box.File("out/portal-biegemoment.svg") + "\n"))
      << out;
  EXPECT_FALSE(Holds(out, "Messages:")) << out;

  box.Store(box.File("missing.bat"), "HIDE\nOPENSYSTEM=fehlt.ssy\nOPENLOAD=examples/portal.sla\n"
                                     "SOLVEI\nSAVERESULT=none.txt\nCLOSE\n");
  EXPECT_EQ(box.RunScript({"missing.bat"}), 3);
  out = box.Load(box.File("run.out"));
  EXPECT_TRUE(Holds(out, "Protocols written:\nPictures written:\nMessages:\n"
                         "  Fehler\tFehler beim öffnen der Systemdatei\n"))
      << out;
  EXPECT_FALSE(std::filesystem::exists(box.File("none.txt")));

  box.Store(box.File("nothing.bat"), "HIDE\nSAVERESULT=none.txt\nCLOSE\n");
  EXPECT_EQ(box.RunScript({"nothing.bat"}), 0);
  EXPECT_TRUE(Holds(box.Load(box.File("run.out")),
                    "Messages:\n  Information\tKeine Ergebnisse sind vorhanden\n"));
}

// A picture that could not be written is an error a script can tell from
// success.  A batch file in UTF-8 with a byte-order mark lists the files it
// wrote under their own names.
TEST(RunScriptTest, AMissingPictureIsAnError) {
  KelmorSandbox box;
  std::filesystem::copy(KELMOR_SOURCE_DIR "/examples", box.File("examples"));
  box.Store(box.File("bild.bat"),
            "\xEF\xBB\xBFHIDE\nOPENSYSTEM=examples/portal.ssy\nOPENLOAD=examples/portal.sla\n"
            "SOLVEI\nSETGRAPHTAB=4\nSAVEGRAPHFILE=fehlt/Biegemoment.svg\n"
            "SAVEGRAPHFILE=Biegemoment für Stütze.svg\nSAVERESULT=Stütze.txt\nCLOSE\n");
  EXPECT_EQ(box.RunScript({"bild.bat"}), 3);
  const std::string out = box.Load(box.File("run.out"));
  EXPECT_TRUE(Holds(out, "Protocols written:\n  " + box.File("Stütze.txt") +
                             "\nPictures written:\n  " + box.File("Biegemoment für Stütze.svg") +
                             "\nMessages:\n"
                             "  Kelmor\tFehler beim Kopieren des Bildes in die Zwischenablage!\n"))
      << out;
}

} // namespace
