#include "model/ReplaceFile.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

mode_t Mode(const std::string &file) {
  struct stat s {};
  stat(file.c_str(), &s);
  return s.st_mode & 07777;
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
