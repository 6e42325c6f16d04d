#pragma once
// Writing a whole file so that a failure never destroys the previous one:
// the bytes go to a new file with a short name in the same folder, which is
// flushed to disk, closed and only then renamed over the target.  The rename
// never does what opening the file for writing would not: a file this user
// may not write is refused, a symbolic link stays a link, and a device or a
// FIFO is written in place instead of being replaced by a plain file.
#include <string>
#include <string_view>

// Replaces the file at path by bytes.  Returns false, with nothing written,
// when the target exists and this user may not write it (its permission
// bits, not the folder's, decide), and false when any later step fails
// (folder missing or not writable, disk full, rename refused); the previous
// file is then left as it was and no temporary file remains.
// - A symbolic link is followed to its final target (also one that does not
//   exist yet), which is replaced beside itself; the link stays as it was.
//   A chain of more than 40 links fails.
// - An existing regular target keeps its permission bits, and its owner and
//   group where this user may set them.
// - An existing target that is no regular file (a device, a FIFO) is opened
//   for writing in place, without waiting for a reader, and written; false
//   when that open fails (a FIFO nobody reads, a folder).
bool ReplaceFile(const std::string &path, std::string_view bytes);
