#pragma once

#include <string>

// A library for the benchmarks of the scan and the search: 100,000 small MP3 files with
// realistic tags (a Xing frame gives each a playing time of minutes) in 2,000 album folders of
// 50 tracks, written once per process into a temporary folder and removed when the process
// ends. One album in ten has the genre "Rock", and no other cell begins with that word, so a
// search for "rock" hits 10,000 rows.
class LibraryFixture {
 public:
  static constexpr int kFolders = 2000;
  static constexpr int kTracksPerFolder = 50;
  static constexpr int kFiles = kFolders * kTracksPerFolder;
  static constexpr int kRockFiles = kFiles / 10;
  static constexpr const char* kRockSearch = "rock";

  // Written at the first call (that takes a while), then the same for the whole process.
  static const LibraryFixture& Get();

  const std::string& root() const { return root_; }

  LibraryFixture(const LibraryFixture&) = delete;
  LibraryFixture& operator=(const LibraryFixture&) = delete;
  ~LibraryFixture();

 private:
  LibraryFixture();
  std::string root_;
};
