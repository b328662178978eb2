#include "support/Mp3Builder.h"

#include <algorithm>
#include <array>
#include <stdexcept>

#include "support/TagBuilder.h"

namespace {

using BitRates = std::array<int, 15>;

// Bit rates by index 0..14 (ISO/IEC 11172-3 and 13818-3).
constexpr BitRates kMpeg1Layer1 = {0,   32,  64,  96,  128, 160, 192, 224,
                                   256, 288, 320, 352, 384, 416, 448};
constexpr BitRates kMpeg1Layer2 = {0,   32,  48,  56,  64,  80,  96, 112,
                                   128, 160, 192, 224, 256, 320, 384};
constexpr BitRates kMpeg1Layer3 = {0,   32,  40,  48,  56,  64,  80, 96,
                                   112, 128, 160, 192, 224, 256, 320};
constexpr BitRates kMpeg2Layer1 = {0,   32,  48,  56,  64,  80,  96, 112,
                                   128, 144, 160, 176, 192, 224, 256};
constexpr BitRates kMpeg2Layer23 = {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160};

bool IsMpeg1(const MpegFrame& frame) { return frame.version == MpegVersion::Mpeg1; }

const BitRates& BitRatesOf(const MpegFrame& frame) {
  if (IsMpeg1(frame))
    return frame.layer == 1 ? kMpeg1Layer1 : frame.layer == 2 ? kMpeg1Layer2 : kMpeg1Layer3;
  return frame.layer == 1 ? kMpeg2Layer1 : kMpeg2Layer23;
}

int BitRateIndex(const MpegFrame& frame) {
  const BitRates& rates = BitRatesOf(frame);
  for (std::size_t i = 0; i < rates.size(); ++i)
    if (rates[i] == frame.kbps) return static_cast<int>(i);
  throw std::invalid_argument("no such bit rate for this version and layer");
}

int BaseRate(const MpegFrame& frame) {
  switch (frame.version) {
    case MpegVersion::Mpeg1:
      return 1;
    case MpegVersion::Mpeg2:
      return 2;
    case MpegVersion::Mpeg25:
      return 4;
  }
  return 1;
}

int SampleRateIndex(const MpegFrame& frame) {
  const int divisor = BaseRate(frame);
  for (int i = 0; i < 3; ++i)
    if (std::array{44100, 48000, 32000}[static_cast<std::size_t>(i)] / divisor == frame.hz)
      return i;
  throw std::invalid_argument("no such sample rate for this version");
}

int VersionBits(MpegVersion version) {
  switch (version) {
    case MpegVersion::Mpeg1:
      return 3;
    case MpegVersion::Mpeg2:
      return 2;
    case MpegVersion::Mpeg25:
      return 0;
  }
  return 3;
}

std::string BigEndian16(unsigned value) {
  return {static_cast<char>(value >> 8), static_cast<char>(value & 0xFF)};
}

}  // namespace

std::string Mp3FrameHeader(const MpegFrame& frame) {
  const int b1 = 0xE0 | (VersionBits(frame.version) << 3) | ((4 - frame.layer) << 1) | 1;
  const int b2 =
      (BitRateIndex(frame) << 4) | (SampleRateIndex(frame) << 2) | (frame.padding ? 2 : 0);
  const int b3 = (frame.channelMode << 6) | (frame.emphasis & 3);
  return {'\xFF', static_cast<char>(b1), static_cast<char>(b2), static_cast<char>(b3)};
}

std::size_t Mp3FrameLength(const MpegFrame& frame) {
  if (frame.length > 0) return frame.length;
  if (frame.kbps == 0) throw std::invalid_argument("a free-format frame needs its length");
  const int samplesPerFrame = frame.layer == 1                        ? 384
                              : (frame.layer == 3 && !IsMpeg1(frame)) ? 576
                                                                      : 1152;
  const int padding = frame.padding ? (frame.layer == 1 ? 4 : 1) : 0;
  return static_cast<std::size_t>(samplesPerFrame / 8 * frame.kbps * 1000 / frame.hz + padding);
}

std::size_t Mp3SideInfoOffset(const MpegFrame& frame) {
  const bool mono = frame.channelMode == kMono;
  if (IsMpeg1(frame)) return mono ? 21 : 36;
  return mono ? 13 : 21;
}

std::string Mp3Frame(const MpegFrame& frame) {
  std::string bytes(Mp3FrameLength(frame), '\0');
  PutBytes(bytes, 0, Mp3FrameHeader(frame));
  return bytes;
}

std::string Mp3Frames(const MpegFrame& frame, int count) {
  const std::string one = Mp3Frame(frame);
  std::string bytes;
  bytes.reserve(one.size() * static_cast<std::size_t>(count > 0 ? count : 0));
  for (int i = 0; i < count; ++i) bytes += one;
  return bytes;
}

std::string XingFrame(const MpegFrame& frame, const XingFields& xing) {
  std::string bytes = Mp3Frame(frame);
  const std::size_t p = Mp3SideInfoOffset(frame);
  PutBytes(bytes, p, "Xing");
  PutBytes(bytes, p + 4, BigEndian32(xing.flags));
  PutBytes(bytes, p + 8, BigEndian32(static_cast<std::uint32_t>(xing.frames)));
  PutBytes(bytes, p + 12, BigEndian32(static_cast<std::uint32_t>(xing.bytes)));
  PutBytes(bytes, p + 116, BigEndian32(xing.quality));
  PutBytes(bytes, p + 120, xing.encoder.substr(0, 8));
  return bytes;
}

std::string VbriFrame(const MpegFrame& frame, const VbriFields& vbri) {
  std::string bytes = Mp3Frame(frame);
  const std::size_t p = vbri.offset;
  PutBytes(bytes, p, "VBRI");
  PutBytes(bytes, p + 4, BigEndian16(1));  // version
  PutBytes(bytes, p + 8, BigEndian16(vbri.quality));
  PutBytes(bytes, p + 10, BigEndian32(vbri.bytes));
  PutBytes(bytes, p + 14, BigEndian32(vbri.frames));
  return bytes;
}

void PutBytes(std::string& bytes, std::size_t offset, std::string_view what) {
  if (offset >= bytes.size()) return;
  const std::size_t n = std::min(what.size(), bytes.size() - offset);
  bytes.replace(offset, n, what.data(), n);
}

void PutEncoderMark(std::string& audio, std::string_view mark, std::size_t bytesBeforeEnd) {
  if (mark.size() + bytesBeforeEnd > audio.size()) return;
  PutBytes(audio, audio.size() - bytesBeforeEnd - mark.size(), mark);
}

std::string Id3v23TextTag(const TrackTexts& texts, std::size_t pictureBytes, std::size_t padding) {
  std::string body;
  const auto addText = [&body](std::string_view id, const std::string& text) {
    if (!text.empty()) body += Id3v2Frame23(id, Id3v2TextPayload(text));
  };
  addText("TIT2", texts.title);
  addText("TPE1", texts.artist);
  addText("TALB", texts.album);
  addText("TYER", texts.year);
  addText("TCON", texts.genre);
  if (!texts.comment.empty())
    body += Id3v2Frame23("COMM", Id3v2TextPayload(std::string("eng") + '\0' + texts.comment));
  if (pictureBytes > 0) {
    std::string picture = Id3v2TextPayload(std::string("image/jpeg") + '\0' + '\x03' + '\0');
    picture.resize(pictureBytes, '\x5A');
    body += Id3v2Frame23("APIC", picture);
  }
  return Id3v2Tag(3, body, 0, padding);
}
