#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "metadata/TagWriteResult.h"
#include "platform/FileSystem.h"

// Reads the ID3v2 tag at the start of an MP3 file (versions 2.2, 2.3 and 2.4)
// and writes a version 2.3.0 tag in its place. Texts are UTF-8 inside.
class TID3v2 {
 public:
  explicit TID3v2(platform::FileSystem& fs = platform::localFileSystem());

  void Clear();
  // True when the 10 header bytes could be read, whether or not they begin a tag.
  bool LoadTag(const std::string& fileName);
  bool LoadTag(platform::ReadFile& file);
  // Rewrites the file with a new 2.3 tag made of this object's values; the
  // old file is replaced in one step, so a failure leaves it untouched.
  bool StoreTag(const std::string& fileName);
  // StoreTag, telling what failed.
  TagWriteResult WriteTag(const std::string& fileName);

  void SetTitle(std::string_view text);
  void SetArtist(std::string_view text);
  void SetAlbum(std::string_view text);
  void SetYear(std::string_view text);
  void SetGenre(std::string_view text);
  void SetComment(std::string_view text);

  bool exists() const { return exists_; }
  std::uint8_t versionId() const { return versionId_; }
  // The whole tag with its header; 0 when there is none or it runs past the file's end.
  std::int64_t tagSize() const { return tagSize_; }
  const std::string& title() const { return title_; }
  const std::string& artist() const { return artist_; }
  const std::string& album() const { return album_; }
  std::uint8_t track() const { return track_; }
  const std::string& year() const { return year_; }
  const std::string& genre() const { return genre_; }
  const std::string& comment() const { return comment_; }
  const std::string& composer() const { return composer_; }
  const std::string& encodedBy() const { return encodedBy_; }
  const std::string& copyright() const { return copyright_; }
  const std::string& language() const { return language_; }
  const std::string& link() const { return link_; }

 private:
  platform::FileSystem* fs_;
  bool exists_ = false;
  std::uint8_t versionId_ = 0;
  std::int64_t tagSize_ = 0;
  std::string title_;
  std::string artist_;
  std::string album_;
  std::uint8_t track_ = 0;
  std::string year_;
  std::string genre_;
  std::string comment_;
  std::string composer_;
  std::string encodedBy_;
  std::string copyright_;
  std::string language_;
  std::string link_;
};
