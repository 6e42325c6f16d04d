#pragma once
// A character device that swallows what is written to it, for tests that a
// save writes a device in place.  As root the test gets a node of its own
// (the device of /dev/null, made in its folder), so that a fault could only
// ever replace that copy, never the machine's /dev/null; other users cannot
// replace /dev/null and use it directly.
#include "tests/support/TempFolder.h"

#include <string>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

// The device's path; empty when root could not make the node (skip then).
inline std::string NullDevice(const TempFolder &folder) {
  if (geteuid() != 0)
    return "/dev/null";
  const std::string node = folder.File("null");
  return mknod(node.c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0 ? node : std::string();
}
