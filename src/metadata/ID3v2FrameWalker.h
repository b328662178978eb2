#pragma once

#include <cstdint>

#include "metadata/ID3v2Format.h"
#include "metadata/TagByteSource.h"

// Walks the frame headers of a tag in order, from the first frame after any
// extended header until the tag's end, a byte that cannot begin a frame id
// (the padding), or a read error. Payloads are left to the caller.
class ID3v2FrameWalker {
 public:
  ID3v2FrameWalker(TagByteSource& source, const id3v2::TagHeader& tag, std::int64_t tagEnd);

  // The next frame and the offset of its header; false at the end.
  bool Next(id3v2::FrameHeader& frame, std::int64_t& offset);

 private:
  TagByteSource& source_;
  std::uint8_t major_;
  std::int64_t tagEnd_;
  std::int64_t position_;
};
