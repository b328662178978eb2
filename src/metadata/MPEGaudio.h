#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "metadata/ID3v1.h"
#include "metadata/ID3v2.h"
#include "platform/FileSystem.h"

// The first valid frame of a stream, as found by the two-header test.
struct MPEGFrameInfo {
  bool found = false;
  std::int32_t position = 0;  // within the window it was found in, not within the file
  std::uint16_t frameLength = 0;
  std::array<std::uint8_t, 4> headerBytes{};
  std::uint8_t versionBits = 1;  // 0 MPEG 2.5, 2 MPEG 2, 3 MPEG 1; 1 = cleared
  std::uint8_t layerBits = 0;    // 1 Layer III, 2 Layer II, 3 Layer I
  std::uint16_t bitrateIndex = 0;
  std::uint16_t sampleRateIndex = 3;  // 3 = cleared
  bool paddingBit = false;
  std::uint8_t channelMode = 4;  // 0 stereo, 1 joint, 2 dual, 3 mono; 4 = cleared
};

// A Xing or VBRI header in the first frame.
struct VBRData {
  bool found = false;
  std::array<char, 4> kind{};  // "Xing", "VBRI", or zeros
  std::int32_t frameCount = 0;
  std::int32_t byteCount = 0;
  std::uint8_t quality = 0;
  std::string encoderText;
};

// Tells where an MP3 file's first frame lies, whether a VBR header follows,
// and from that its bit rate and playing time. Never decodes audio.
class TMPEGaudio {
 public:
  static constexpr std::size_t kWindowSize = 3458;  // twice the longest frame, 1729 bytes

  explicit TMPEGaudio(platform::FileSystem& fs = platform::localFileSystem());

  void Clear();
  bool AnalyzeFile(const std::string& fileName);
  std::uint16_t BitRateKbps() const;
  double DurationSeconds() const;

  std::int64_t fileLength() const { return fileLength_; }
  const MPEGFrameInfo& frame() const { return frame_; }
  const VBRData& vbr() const { return vbr_; }
  const std::string& encoderText() const { return encoderText_; }
  const TID3v1& id3v1() const { return id3v1_; }
  const TID3v2& id3v2() const { return id3v2_; }
  TID3v2& id3v2() { return id3v2_; }

 private:
  // The stream part of an analysis, after both tags were loaded from file.
  // False when a read fails.
  bool AnalyzeStream(platform::ReadFile& file);
  // Looks backwards from the end of the audio for a "LAME" or "GOGO" mark.
  bool FindEncoderText(platform::ReadFile& file);

  platform::FileSystem* fs_;
  std::int64_t fileLength_ = 0;
  std::string encoderText_;
  VBRData vbr_;
  MPEGFrameInfo frame_;
  TID3v1 id3v1_;
  TID3v2 id3v2_;
};

// The header tests and the frame search, free so that tests can drive them on a buffer.
bool IsValidFrameHeader(std::uint8_t b0, std::uint8_t b1, std::uint8_t b2, std::uint8_t b3);
// Searches start positions 0..1729 of a 3458-byte window; fills frame and vbr on success.
bool FindFirstFrame(const std::uint8_t* window, MPEGFrameInfo& frame, VBRData& vbr);
// Reads a Xing or VBRI header at position p of a window.
VBRData ReadVBRHeader(const std::uint8_t* window, std::size_t p);
