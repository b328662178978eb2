#pragma once

#include <string>
#include <vector>

// A temporary folder of generated MP3 files for the benchmarks, removed with
// everything in it when the object goes.
class TrackFixtures {
 public:
  enum class Kind {
    CbrWithId3v1,    // 128 kbit/s frames and an ID3v1 block: the encoder mark is searched
    VbrWithTag,      // a Xing frame after a small 2.3 tag
    VbrWithPicture,  // the same with a 100 KB picture in the tag
  };

  // count files, the kinds taking turns.
  explicit TrackFixtures(int count);
  ~TrackFixtures();
  TrackFixtures(const TrackFixtures&) = delete;
  TrackFixtures& operator=(const TrackFixtures&) = delete;

  const std::vector<std::string>& paths() const { return paths_; }
  // The paths of one kind only.
  std::vector<std::string> pathsOf(Kind kind) const;

 private:
  std::string folder_;
  std::vector<std::string> paths_;
  std::vector<Kind> kinds_;
};
