#pragma once
// A fresh folder for the files of one test, removed with everything in it
// at the end.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

class TempFolder {
public:
  TempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "kelmor-XXXXXX").string();
    if (mkdtemp(pattern.data()) != nullptr)
      path_ = pattern;
  }
  ~TempFolder() {
    std::error_code ignored;
    if (!path_.empty())
      std::filesystem::remove_all(path_, ignored);
  }
  TempFolder(const TempFolder &) = delete;
  TempFolder &operator=(const TempFolder &) = delete;

  bool ok() const { return !path_.empty(); }
  std::string File(const std::string &name) const { return (path_ / name).string(); }

  // Writes bytes as they are into the file name and returns its path.
  std::string Write(const std::string &name, const std::string &bytes) const {
    std::ofstream(path_ / name, std::ios::binary) << bytes;
    return File(name);
  }
  static std::string Read(const std::string &path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  // Number of entries in the folder.
  int Entries() const {
    int n = 0;
    for ([[maybe_unused]] const auto &entry : std::filesystem::directory_iterator(path_))
      ++n;
    return n;
  }

private:
  std::filesystem::path path_;
};
