#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// A fresh folder of its own for one test, removed with everything in it at the end.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::string& path() const { return path_; }
  // path() + "/" + name
  std::string file(std::string_view name) const;
  // Writes bytes to name (folders created as needed) and returns the full path.
  std::string write(std::string_view name, std::string_view bytes) const;
  std::string mkdir(std::string_view name) const;
  // Makes a named pipe (FIFO) and returns its full path: opening one waits for the other end.
  std::string fifo(std::string_view name) const;

 private:
  std::string path_;
};

// The names in a folder, sorted; empty when it cannot be read.
std::vector<std::string> SortedFolderNames(const std::string& folder);

// The whole content of a file; empty when it cannot be read.
std::string ReadFileBytes(const std::string& path);
