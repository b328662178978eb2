#include "metadata/ID3v2FrameWalker.h"

#include <algorithm>

namespace {

// More than any well-formed extended header needs.
constexpr std::int64_t kExtendedHeaderView = 64;

}  // namespace

ID3v2FrameWalker::ID3v2FrameWalker(TagByteSource& source, const id3v2::TagHeader& tag,
                                   std::int64_t tagEnd)
    : source_(source), major_(tag.major), tagEnd_(tagEnd) {
  position_ = id3v2::kTagHeaderSize;
  const std::int64_t bodySize =
      std::clamp<std::int64_t>(tagEnd - position_, 0, kExtendedHeaderView);
  const auto body = source_.View(position_, static_cast<std::size_t>(bodySize));
  position_ += static_cast<std::int64_t>(id3v2::ExtendedHeaderSize(body, tag));
}

bool ID3v2FrameWalker::Next(id3v2::FrameHeader& frame, std::int64_t& offset) {
  if (position_ >= tagEnd_) return false;
  const auto parsed =
      id3v2::ParseFrameHeader(source_.View(position_, id3v2::FrameHeaderSize(major_)), major_);
  if (!parsed) return false;
  frame = *parsed;
  offset = position_;
  position_ += static_cast<std::int64_t>(frame.headerSize) + frame.size;
  return true;
}
