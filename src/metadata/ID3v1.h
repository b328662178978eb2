#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/FileSystem.h"

// The 148 genre names an ID3v1 genre byte stands for.
extern const std::array<std::string_view, 148> ID3v1GenreNames;

// Reads the 128-byte ID3v1 block at the end of an MP3 file. Never writes one.
// Texts are decoded from Latin-1 to UTF-8.
class TID3v1 {
 public:
  explicit TID3v1(platform::FileSystem& fs = platform::localFileSystem());

  void Clear();
  // True when the last 128 bytes could be read, tag or not.
  bool LoadTag(const std::string& fileName);
  // The same from a file already open (the analyser opens each file once).
  bool LoadTag(platform::ReadFile& file);

  // The name for genreIndex; empty for 148 and above.
  std::string GenreName() const;

  bool exists() const { return exists_; }
  std::uint8_t versionId() const { return versionId_; }
  const std::string& title() const { return title_; }
  const std::string& artist() const { return artist_; }
  const std::string& album() const { return album_; }
  const std::string& year() const { return year_; }
  const std::string& comment() const { return comment_; }
  std::uint8_t track() const { return track_; }
  std::uint8_t genreIndex() const { return genreIndex_; }

 private:
  platform::FileSystem* fs_;
  bool exists_ = false;
  std::uint8_t versionId_ = 1;
  std::string title_;
  std::string artist_;
  std::string album_;
  std::string year_;
  std::string comment_;
  std::uint8_t track_ = 0;
  std::uint8_t genreIndex_ = 255;
};
