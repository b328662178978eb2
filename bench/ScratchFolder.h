#pragma once

#include <string>

// A folder of its own under the temporary folder for one benchmark, removed with everything in
// it at the end. Its path is empty when it could not be made.
class ScratchFolder {
 public:
  // prefix: the start of the folder's name ("songloom-copybench").
  explicit ScratchFolder(const std::string& prefix);
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  const std::string& path() const { return path_; }
  // Makes the subfolder name (and any folders above it) and returns its path.
  std::string mkdir(const std::string& name) const;

 private:
  std::string path_;
};
