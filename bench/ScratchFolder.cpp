#include "ScratchFolder.h"

#include <stdlib.h>

#include <filesystem>

namespace stdfs = std::filesystem;

ScratchFolder::ScratchFolder(const std::string& prefix) {
  std::string pattern = (stdfs::temp_directory_path() / (prefix + "-XXXXXX")).string();
  if (::mkdtemp(pattern.data())) path_ = pattern;
}

ScratchFolder::~ScratchFolder() {
  std::error_code ec;
  if (!path_.empty()) stdfs::remove_all(path_, ec);
}

std::string ScratchFolder::mkdir(const std::string& name) const {
  stdfs::create_directories(path_ + "/" + name);
  return path_ + "/" + name;
}
