#include "model/ReplaceFile.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/support/NullDevice.h"
#include "tests/support/TempFolder.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct stat Status(const std::string &file) {
  struct stat s {};
  lstat(file.c_str(), &s);
  return s;
}

mode_t Mode(const std::string &file) {
  return Status(file).st_mode & 07777;
}

} // namespace

TEST(ReplaceFile, ReplacesTheWholeFileAndKeepsItsPermissions) {
  TempFolder folder;
  const std::string file = folder.File("Kelmor.dat");
  ASSERT_TRUE(ReplaceFile(file, "erste Fassung, lang genug\n"));
  EXPECT_EQ(TempFolder::Load(file), "erste Fassung, lang genug\n");
  chmod(file.c_str(), 0640);
  ASSERT_TRUE(ReplaceFile(file, "kurz\n"));
  EXPECT_EQ(TempFolder::Load(file), "kurz\n");
  EXPECT_EQ(Mode(file), 0640u);
  EXPECT_EQ(folder.Entries().size(), 1u);

  // A name as long as the file system allows.
  const std::string longest = folder.File(std::string(251, 'n') + ".txt");
  ASSERT_TRUE(ReplaceFile(longest, "lang\n"));
  ASSERT_TRUE(ReplaceFile(longest, "l\n"));
  EXPECT_EQ(TempFolder::Load(longest), "l\n");
  EXPECT_EQ(folder.Entries().size(), 2u);
}

TEST(ReplaceFile, AFailedWriteLeavesThePreviousFileAndNoTemporaryFile) {
  TempFolder folder;
  const std::string file = folder.File("Kelmor.dat");
  TempFolder::Store(file, "bisher\n");
  {
    FileSizeLimit limit(16);
    ASSERT_TRUE(limit.active());
    EXPECT_FALSE(ReplaceFile(file, std::string(4096, 'x')));
  }
  EXPECT_EQ(TempFolder::Load(file), "bisher\n");
  EXPECT_EQ(folder.Entries(), std::vector<std::string>{"Kelmor.dat"});

  EXPECT_FALSE(ReplaceFile(folder.File("fehlt/Kelmor.dat"), "x"));
  EXPECT_FALSE(ReplaceFile(folder.File(""), "x")) << "the folder itself is no file";
  EXPECT_EQ(folder.Entries(), std::vector<std::string>{"Kelmor.dat"});
}

// Relative links count from their own folder; the last one may point at a
// file that does not exist yet.
TEST(ReplaceFile, WritesThroughSymbolicLinksAndKeepsThem) {
  TempFolder folder;
  std::filesystem::create_directory(folder.File("daten"));
  const std::string file = folder.File("daten/portal.ssy");
  TempFolder::Store(file, "bisher\n");
  chmod(file.c_str(), 0604);
  ASSERT_EQ(symlink("daten/portal.ssy", folder.File("mitte").c_str()), 0);
  ASSERT_EQ(symlink(folder.File("mitte").c_str(), folder.File("link.ssy").c_str()), 0);
  ASSERT_TRUE(ReplaceFile(folder.File("link.ssy"), "neu\n"));
  EXPECT_EQ(TempFolder::Load(file), "neu\n");
  EXPECT_EQ(Mode(file), 0604u);
  EXPECT_TRUE(S_ISLNK(Status(folder.File("link.ssy")).st_mode));
  EXPECT_TRUE(S_ISLNK(Status(folder.File("mitte")).st_mode));
  EXPECT_EQ(folder.Entries().size(), 3u);

  ASSERT_EQ(symlink("neu.sla", folder.File("offen.sla").c_str()), 0);
  ASSERT_TRUE(ReplaceFile(folder.File("offen.sla"), "angelegt\n"));
  EXPECT_EQ(TempFolder::Load(folder.File("neu.sla")), "angelegt\n");
  EXPECT_TRUE(S_ISLNK(Status(folder.File("offen.sla")).st_mode));

  ASSERT_EQ(symlink("kreis", folder.File("kreis").c_str()), 0);
  EXPECT_FALSE(ReplaceFile(folder.File("kreis"), "x"));
  EXPECT_TRUE(S_ISLNK(Status(folder.File("kreis")).st_mode));
}

TEST(ReplaceFile, DevicesAndFifosAreWrittenInPlace) {
  TempFolder devices;
  const std::string null = NullDevice(devices);
  if (null.empty())
    GTEST_SKIP() << "root cannot make a device node here";
  ASSERT_TRUE(ReplaceFile(null, "verworfen\n"));
  EXPECT_TRUE(S_ISCHR(Status(null).st_mode));

  TempFolder folder;
  const std::string fifo = folder.File("ergebnis.txt");
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  EXPECT_FALSE(ReplaceFile(fifo, "x")) << "nobody reads the FIFO: no waiting";
  const int reader = open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
  ASSERT_GE(reader, 0);
  ASSERT_TRUE(ReplaceFile(fifo, "gelesen\n"));
  char received[16] = {};
  EXPECT_EQ(read(reader, received, sizeof received), 8);
  EXPECT_STREQ(received, "gelesen\n");
  close(reader);
  EXPECT_TRUE(S_ISFIFO(Status(fifo).st_mode));
  EXPECT_EQ(folder.Entries(), std::vector<std::string>{"ergebnis.txt"});
}

// Root saves a user's file: it stays the user's.
TEST(ReplaceFile, KeepsOwnerAndGroupWhereItMay) {
  if (geteuid() != 0)
    GTEST_SKIP() << "only root may give a file to another owner";
  TempFolder folder;
  const std::string file = folder.File("Kelmor.dat");
  TempFolder::Store(file, "bisher\n");
  ASSERT_EQ(chown(file.c_str(), 65534, 65534), 0);
  chmod(file.c_str(), 0640);
  ASSERT_TRUE(ReplaceFile(file, "neu\n"));
  EXPECT_EQ(Status(file).st_uid, 65534u);
  EXPECT_EQ(Status(file).st_gid, 65534u);
  EXPECT_EQ(Mode(file), 0640u);
}
