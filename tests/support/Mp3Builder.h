#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// Byte builders for MP3 fixtures: frame headers, whole frames, Xing and VBRI
// frames and encoder marks, so each test shows its file in a few lines.
// Independent of GoogleTest, so the benchmarks can build fixtures too.
// Every function returns the raw bytes as a std::string.

enum class MpegVersion { Mpeg1, Mpeg2, Mpeg25 };

struct MpegFrame {
  MpegVersion version = MpegVersion::Mpeg1;
  int layer = 3;   // 1, 2 or 3
  int kbps = 128;  // 0 writes bit-rate index 0 (free format)
  int hz = 44100;
  bool padding = false;
  int channelMode = 0;  // 0 stereo, 1 joint, 2 dual channel, 3 mono
  int emphasis = 0;
  std::size_t length = 0;  // > 0 overrides the computed frame length
};

constexpr int kMono = 3;

// The four header bytes.
std::string Mp3FrameHeader(const MpegFrame& frame);
// Whole frame length in bytes, padding included (the override when set).
std::size_t Mp3FrameLength(const MpegFrame& frame);
// Where a Xing header lies in the frame: after the side information.
std::size_t Mp3SideInfoOffset(const MpegFrame& frame);

// A frame of the right length: the header, then zero bytes.
std::string Mp3Frame(const MpegFrame& frame);
// count such frames one after another.
std::string Mp3Frames(const MpegFrame& frame, int count);

struct XingFields {
  std::int64_t frames = 0;  // written as 32 bits, so negative values set the top bit
  std::int64_t bytes = 0;
  std::uint8_t quality = 0;
  std::string encoder = "LAME3.99";  // 8 characters at offset 120
  std::uint32_t flags = 0x0F;        // frames, bytes, table of contents, quality
};

struct VbriFields {
  std::uint8_t quality = 75;
  std::uint32_t bytes = 0;
  std::uint32_t frames = 0;
  std::size_t offset = 36;  // where encoders put it, whatever the channel mode
};

// A frame carrying a Xing header at the side-information offset.
std::string XingFrame(const MpegFrame& frame, const XingFields& xing);
// A frame carrying a VBRI header at vbri.offset.
std::string VbriFrame(const MpegFrame& frame, const VbriFields& vbri);

// Overwrites bytes from offset on, within the current size only.
void PutBytes(std::string& bytes, std::size_t offset, std::string_view what);
// Writes an encoder mark (such as "LAME3.99") so that it ends bytesBeforeEnd
// bytes before the end of audio.
void PutEncoderMark(std::string& audio, std::string_view mark, std::size_t bytesBeforeEnd);

// The six texts a track shows.
struct TrackTexts {
  std::string title{};
  std::string artist{};
  std::string album{};
  std::string year{};
  std::string genre{};
  std::string comment{};
};

// A version 2.3 tag of the non-empty texts (Latin-1), plus a picture frame of
// pictureBytes bytes when that is above 0, and padding.
std::string Id3v23TextTag(const TrackTexts& texts, std::size_t pictureBytes = 0,
                          std::size_t padding = 0);
