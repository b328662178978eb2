#include "support/TestData.h"

#include <filesystem>

std::string PeerDataDir() {
  const std::string dir = std::string(SONGLOOM_TESTDATA_DIR) + "/peer-mp3";
  std::error_code ec;
  return std::filesystem::is_directory(dir, ec) ? dir : std::string();
}
