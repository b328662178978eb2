#include "metadata/ID3v2Format.h"

#include <cstring>

const std::array<std::string_view, 12> ID3v2FrameIds = {
    "TIT2", "TPE1", "TALB", "TRCK", "TYER", "TCON", "COMM", "TCOM", "TENC", "TCOP", "TLAN", "WXXX"};

namespace id3v2 {
namespace {

bool IsIdStart(std::uint8_t c) { return c >= 'A' && c <= 'Z'; }

std::uint32_t BigEndian(std::span<const std::uint8_t> bytes) {
  std::uint32_t value = 0;
  for (std::uint8_t b : bytes) value = (value << 8) | b;
  return value;
}

// Frame format flags (the second flag byte).
enum : std::uint8_t {
  k23Compressed = 0x80,
  k23Encrypted = 0x40,
  k23Grouped = 0x20,
  k24Grouped = 0x40,
  k24Compressed = 0x08,
  k24Encrypted = 0x04,
  k24Unsynchronised = 0x02,
  k24DataLength = 0x01,
};

}  // namespace

std::optional<TagHeader> ParseTagHeader(std::span<const std::uint8_t> bytes,
                                        std::int64_t fileSize) {
  if (bytes.size() < kTagHeaderSize || std::memcmp(bytes.data(), "ID3", 3) != 0) {
    return std::nullopt;
  }
  TagHeader tag;
  tag.major = bytes[3];
  tag.flags = bytes[5];
  tag.tagSize = std::int64_t{bytes[6]} * 2097152 + std::int64_t{bytes[7]} * 16384 +
                std::int64_t{bytes[8]} * 128 + bytes[9] + std::int64_t{kTagHeaderSize};
  if (tag.tagSize > fileSize) tag.tagSize = 0;
  return tag;
}

std::uint32_t SyncsafeValue(std::span<const std::uint8_t, 4> bytes) {
  return (std::uint32_t{bytes[0] & 0x7Fu} << 21) | (std::uint32_t{bytes[1] & 0x7Fu} << 14) |
         (std::uint32_t{bytes[2] & 0x7Fu} << 7) | (bytes[3] & 0x7Fu);
}

std::size_t FrameHeaderSize(std::uint8_t major) { return major == 2 ? 6 : 10; }

std::optional<FrameHeader> ParseFrameHeader(std::span<const std::uint8_t> bytes,
                                            std::uint8_t major) {
  FrameHeader frame;
  frame.headerSize = FrameHeaderSize(major);
  if (bytes.size() < frame.headerSize || !IsIdStart(bytes[0])) return std::nullopt;
  if (major == 2) {
    std::memcpy(frame.id.data(), bytes.data(), 3);
    frame.size = BigEndian(bytes.subspan(3, 3));
    return frame;
  }
  std::memcpy(frame.id.data(), bytes.data(), 4);
  frame.size = major == 4 ? SyncsafeValue(bytes.subspan<4, 4>()) : BigEndian(bytes.subspan(4, 4));
  frame.flags = static_cast<std::uint16_t>((bytes[8] << 8) | bytes[9]);
  return frame;
}

FrameContent ContentOf(const FrameHeader& frame, const TagHeader& tag) {
  const std::uint8_t format = frame.flags & 0xFF;
  FrameContent content;
  if (tag.major == 3) {
    content.readable = (format & (k23Compressed | k23Encrypted)) == 0;
    content.prefix = (format & k23Grouped) ? 1 : 0;
  } else if (tag.major == 4) {
    content.readable = (format & (k24Compressed | k24Encrypted)) == 0;
    content.prefix = ((format & k24Grouped) ? 1 : 0) + ((format & k24DataLength) ? 4 : 0);
    content.unsynchronised =
        (format & k24Unsynchronised) != 0 || (tag.flags & kTagUnsynchronised) != 0;
  }
  return content;
}

std::size_t ExtendedHeaderSize(std::span<const std::uint8_t> body, const TagHeader& tag) {
  if ((tag.flags & kTagExtendedHeader) == 0 || body.size() < 6) return 0;
  const auto sizeBytes = body.subspan<0, 4>();
  if (tag.major == 3) {
    // The size leaves out its own four bytes: 6, or 10 with a CRC.
    const std::uint32_t size = BigEndian(sizeBytes);
    return (size == 6 || size == 10) && size + 4 <= body.size() ? size + 4 : 0;
  }
  if (tag.major == 4) {
    // Syncsafe size of the whole extended header, then one byte counting the flag bytes.
    for (std::uint8_t b : sizeBytes) {
      if (b & 0x80) return 0;
    }
    const std::uint32_t size = SyncsafeValue(sizeBytes);
    return size >= 6 && size <= body.size() && body[4] == 1 ? size : 0;
  }
  return 0;
}

bool BodyIsUnsynchronised(const TagHeader& tag) {
  return tag.major <= 3 && (tag.flags & kTagUnsynchronised) != 0;
}

std::size_t RemoveUnsynchronisation(std::uint8_t* data, std::size_t length) {
  std::size_t out = 0;
  for (std::size_t in = 0; in < length; ++in) {
    data[out++] = data[in];
    if (data[in] == 0xFF && in + 1 < length && data[in + 1] == 0x00) ++in;
  }
  return out;
}

int SlotOf(std::string_view id, std::uint8_t major) {
  // Version 2.2 names of the frames of ID3v2FrameIds, in the same order.
  static constexpr std::array<std::string_view, 12> kIds22 = {
      "TT2", "TP1", "TAL", "TRK", "TYE", "TCO", "COM", "TCM", "TEN", "TCR", "TLA", "WXX"};
  const auto& ids = major == 2 ? kIds22 : ID3v2FrameIds;
  for (std::size_t i = 0; i < ids.size(); ++i) {
    if (ids[i] == id) return static_cast<int>(i);
  }
  if (major == 4 && id == "TDRC") return 4;  // the recording time took over from TYER
  return -1;
}

}  // namespace id3v2
