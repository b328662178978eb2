#include "tracks/TrickyTrackPaths.h"

#include <array>
#include <random>
#include <set>
#include <string_view>

namespace {

// Pieces a part may begin with: each one alone is read as something else by a lenient reader.
constexpr std::array<std::string_view, 10> kLeadingPieces = {
    "File=", "file12=", "#EXTINF:", "#EXTINF: 1,", "#", "C:", "d:\\", "\\", "x:", "FILE"};

constexpr std::array<std::string_view, 24> kPieces = {
    "\\", ":", "=",  "#",        "|",        ",",  " ", ".", "..", "File=", "#EXTINF:", "C:\\",
    "a",  "b", "Zz", "\xC3\xA9", "\xD0\x94", "\t", "'", "%", "*",  "?",     ".mp3",     "~"};

class PathMaker {
 public:
  explicit PathMaker(std::uint32_t seed) : random_(seed) {}

  std::string path() {
    std::string result;
    const std::size_t folders = below(3);
    for (std::size_t i = 0; i < folders; ++i) result += part() + "/";
    return result + part() + (below(4) == 0 ? ".MP3" : ".mp3");
  }

 private:
  std::size_t below(std::size_t n) { return random_() % n; }

  std::string part() {
    std::string text;
    if (below(2) == 0) text += kLeadingPieces[below(kLeadingPieces.size())];
    const std::size_t pieces = 1 + below(6);
    for (std::size_t i = 0; i < pieces; ++i) text += kPieces[below(kPieces.size())];
    if (text == "." || text == "..") text += "a";
    return text;
  }

  std::mt19937 random_;
};

}  // namespace

std::vector<std::string> TrickyTrackPaths(std::uint32_t seed, int count) {
  PathMaker maker(seed);
  std::vector<std::string> paths;
  std::set<std::string> files;
  std::set<std::string> folders;
  while (static_cast<int>(paths.size()) < count) {
    const std::string path = maker.path();
    bool clash = files.contains(path) || folders.contains(path);
    for (std::size_t slash = path.find('/'); !clash && slash != std::string::npos;
         slash = path.find('/', slash + 1))
      clash = files.contains(path.substr(0, slash));
    if (clash) continue;
    for (std::size_t slash = path.find('/'); slash != std::string::npos;
         slash = path.find('/', slash + 1))
      folders.insert(path.substr(0, slash));
    files.insert(path);
    paths.push_back(path);
  }
  return paths;
}
