#pragma once
// Writing a whole file so that a failure never destroys the previous one:
// the bytes go to a new file in the same folder, which is flushed to disk,
// closed and only then renamed over the target.
#include <string>
#include <string_view>

// Replaces the file at path by bytes.  Returns false when any step fails
// (folder missing or not writable, disk full, rename refused); the previous
// file is then left as it was and no temporary file remains.  An existing
// target keeps its permission bits.
bool ReplaceFile(const std::string &path, std::string_view bytes);
