#pragma once
// Writable copies of the example frame's system and load files in a test's
// folder, so that no save of a test ever reaches the originals.
#include "tests/support/TempFolder.h"

#include <filesystem>
#include <string>

inline void CopyExampleFrame(const TempFolder &folder) {
  for (const char *name : {"portal.ssy", "portal.sla"}) {
    std::filesystem::copy_file(std::string(KELMOR_SOURCE_DIR "/examples/") + name,
                               folder.File(name),
                               std::filesystem::copy_options::overwrite_existing);
    std::filesystem::permissions(folder.File(name), std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::add);
  }
}
