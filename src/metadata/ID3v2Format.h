#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

// The frames whose texts the tag object handles, in the order a written tag holds them.
extern const std::array<std::string_view, 12> ID3v2FrameIds;

// The on-disk structure of ID3v2 tags (versions 2.2, 2.3 and 2.4): header,
// extended header, frame headers and unsynchronisation.
namespace id3v2 {

constexpr std::size_t kTagHeaderSize = 10;

enum : std::uint8_t {
  kTagUnsynchronised = 0x80,
  kTagExtendedHeader = 0x40,
  kTagCompressed22 = 0x40,  // version 2.2 only: a compression that was never defined
};

struct TagHeader {
  std::uint8_t major = 0;
  std::uint8_t flags = 0;
  // The whole tag with its header; 0 when the declared size runs past the file's end.
  std::int64_t tagSize = 0;
};

// The 10 header bytes; nothing when they do not begin with "ID3". The size
// bytes are taken whole (bit 7 included), as the tag object always has.
std::optional<TagHeader> ParseTagHeader(std::span<const std::uint8_t> bytes, std::int64_t fileSize);

// Size bytes of a version 2.4 frame or extended header: 7 bits in each byte.
std::uint32_t SyncsafeValue(std::span<const std::uint8_t, 4> bytes);

struct FrameHeader {
  std::array<char, 4> id{};  // three characters and a zero byte for version 2.2
  std::int64_t size = 0;     // payload bytes
  std::uint16_t flags = 0;
  std::size_t headerSize = 0;

  std::string_view idText() const { return {id.data(), headerSize == 6 ? 3u : 4u}; }
};

std::size_t FrameHeaderSize(std::uint8_t major);

// The frame header at the start of bytes; nothing when too few bytes are given
// or the first id byte is not A to Z (padding or garbage ends the frames).
std::optional<FrameHeader> ParseFrameHeader(std::span<const std::uint8_t> bytes,
                                            std::uint8_t major);

// How to reach a frame's text: the bytes that precede it inside the payload,
// whether it must be de-unsynchronised, and whether it can be read at all.
struct FrameContent {
  bool readable = true;  // false for compressed or encrypted frames
  std::size_t prefix = 0;
  bool unsynchronised = false;
};
FrameContent ContentOf(const FrameHeader& frame, const TagHeader& tag);

// Bytes taken by an extended header at the start of the tag body, 0 when the
// flag is clear or what follows is not a well-formed extended header (some
// writers set the flag without writing one).
std::size_t ExtendedHeaderSize(std::span<const std::uint8_t> body, const TagHeader& tag);

// True when the whole tag body was unsynchronised (versions 2.2 and 2.3;
// version 2.4 marks it frame by frame).
bool BodyIsUnsynchronised(const TagHeader& tag);

// Removes the zero byte inserted after every 0xFF; returns the new length.
std::size_t RemoveUnsynchronisation(std::uint8_t* data, std::size_t length);

// Index into ID3v2FrameIds of the frame an id stands for in a tag of version
// major (2.2 three-letter ids; 2.4 also "TDRC" for the year); -1 for others.
int SlotOf(std::string_view id, std::uint8_t major);

}  // namespace id3v2
