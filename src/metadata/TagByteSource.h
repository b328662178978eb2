#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "metadata/ID3v2Format.h"
#include "platform/FileSystem.h"

// The bytes of a tag addressed by their offset in the file: either all in
// memory, or a window over the file that is refilled with one positional read
// whenever a request falls outside it. Reading a tag's frames so costs one read
// for the usual tag and never touches the payloads that are skipped.
class TagByteSource {
 public:
  // Reads through the caller's window buffer (no allocation here).
  TagByteSource(platform::ReadFile& file, std::span<std::uint8_t> window);
  // Serves bytes held in memory; offset 0 is bytes[0].
  explicit TagByteSource(std::string_view bytes);

  // Up to n bytes at offset (n at most the window size): fewer at the end of the
  // data, none on a read error. Valid until the next call.
  std::span<const std::uint8_t> View(std::int64_t offset, std::size_t n);
  bool failed() const { return failed_; }

 private:
  platform::ReadFile* file_ = nullptr;
  std::span<std::uint8_t> window_;
  std::span<const std::uint8_t> data_;  // what the window or the memory holds
  std::int64_t dataOffset_ = 0;
  bool failed_ = false;
};

// The first min(tag size, maxBytes) bytes of a tag, header included, with the
// body de-unsynchronised when the tag says it is; false on a read error.
bool ReadTagIntoMemory(platform::ReadFile& file, const id3v2::TagHeader& tag, std::size_t maxBytes,
                       std::string& bytes);
