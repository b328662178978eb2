#include "metadata/MPEGTables.h"

#include "metadata/MPEGaudio.h"

namespace {

constexpr std::uint8_t kMpeg25 = 0;
constexpr std::uint8_t kMpeg2 = 2;
constexpr std::uint8_t kMpeg1 = 3;
constexpr std::uint8_t kLayer3 = 1;
constexpr std::uint8_t kLayer2 = 2;
constexpr std::uint8_t kLayer1 = 3;
constexpr std::uint8_t kMono = 3;

using BitRateRow = std::array<std::uint16_t, 16>;

constexpr BitRateRow kMpeg1Layer1 = {0,   32,  64,  96,  128, 160, 192, 224,
                                     256, 288, 320, 352, 384, 416, 448, 0};
constexpr BitRateRow kMpeg1Layer2 = {0,   32,  48,  56,  64,  80,  96,  112,
                                     128, 160, 192, 224, 256, 320, 384, 0};
constexpr BitRateRow kMpeg1Layer3 = {0,   32,  40,  48,  56,  64,  80,  96,
                                     112, 128, 160, 192, 224, 256, 320, 0};
constexpr BitRateRow kMpeg2Layer1 = {0,   32,  48,  56,  64,  80,  96,  112,
                                     128, 144, 160, 176, 192, 224, 256, 0};
constexpr BitRateRow kMpeg2Layer23 = {0,  8,  16, 24,  32,  40,  48,  56,
                                      64, 80, 96, 112, 128, 144, 160, 0};

bool IsMpeg1(const MPEGFrameInfo& frame) { return frame.versionBits == kMpeg1; }
bool IsMpeg2Or25(const MPEGFrameInfo& frame) {
  return frame.versionBits == kMpeg2 || frame.versionBits == kMpeg25;
}

const BitRateRow* BitRateRowOf(const MPEGFrameInfo& frame) {
  if (IsMpeg1(frame)) {
    switch (frame.layerBits) {
      case kLayer1:
        return &kMpeg1Layer1;
      case kLayer2:
        return &kMpeg1Layer2;
      case kLayer3:
        return &kMpeg1Layer3;
      default:
        return nullptr;
    }
  }
  if (IsMpeg2Or25(frame)) {
    switch (frame.layerBits) {
      case kLayer1:
        return &kMpeg2Layer1;
      case kLayer2:
      case kLayer3:
        return &kMpeg2Layer23;
      default:
        return nullptr;
    }
  }
  return nullptr;
}

}  // namespace

std::uint16_t TableBitRateKbps(const MPEGFrameInfo& frame) {
  const BitRateRow* row = BitRateRowOf(frame);
  if (row == nullptr || frame.bitrateIndex >= row->size()) return 0;
  return (*row)[frame.bitrateIndex];
}

std::uint32_t SampleRateHz(const MPEGFrameInfo& frame) {
  static constexpr std::array<std::uint32_t, 3> kMpeg1Rates = {44100, 48000, 32000};
  static constexpr std::array<std::uint32_t, 3> kMpeg2Rates = {22050, 24000, 16000};
  static constexpr std::array<std::uint32_t, 3> kMpeg25Rates = {11025, 12000, 8000};
  if (frame.sampleRateIndex >= 3) return 0;
  switch (frame.versionBits) {
    case kMpeg1:
      return kMpeg1Rates[frame.sampleRateIndex];
    case kMpeg2:
      return kMpeg2Rates[frame.sampleRateIndex];
    case kMpeg25:
      return kMpeg25Rates[frame.sampleRateIndex];
    default:
      return 0;
  }
}

std::uint32_t SamplesFactor(const MPEGFrameInfo& frame) {
  switch (frame.layerBits) {
    case kLayer1:
      return 48;
    case kLayer2:
      return 144;
    case kLayer3:
      return IsMpeg1(frame) ? 144 : 72;
    default:
      return 0;
  }
}

std::uint32_t PaddingSize(const MPEGFrameInfo& frame) {
  if (!frame.paddingBit) return 0;
  return frame.layerBits == kLayer1 ? 4 : 1;
}

std::size_t SideInfoOffset(const MPEGFrameInfo& frame) {
  const bool mono = frame.channelMode == kMono;
  if (IsMpeg1(frame)) return mono ? 21 : 36;
  return mono ? 13 : 21;
}

std::uint16_t FrameLength(const MPEGFrameInfo& frame) {
  const std::uint32_t rate = SampleRateHz(frame);
  if (rate == 0) return 0;
  // Integer division truncates exactly as the floating-point quotient would:
  // a non-integer quotient of these operands lies at least 1/rate from an integer.
  const std::uint32_t bits = SamplesFactor(frame) * TableBitRateKbps(frame) * 1000u;
  return static_cast<std::uint16_t>(bits / rate + PaddingSize(frame));
}

MPEGFrameInfo DecodeFrameHeader(std::uint8_t b0, std::uint8_t b1, std::uint8_t b2,
                                std::uint8_t b3) {
  MPEGFrameInfo frame;
  frame.headerBytes = {b0, b1, b2, b3};
  frame.versionBits = static_cast<std::uint8_t>((b1 >> 3) & 3);
  frame.layerBits = static_cast<std::uint8_t>((b1 >> 1) & 3);
  frame.bitrateIndex = static_cast<std::uint16_t>(b2 >> 4);
  frame.sampleRateIndex = static_cast<std::uint16_t>((b2 >> 2) & 3);
  frame.paddingBit = ((b2 >> 1) & 1) != 0;
  frame.channelMode = static_cast<std::uint8_t>(b3 >> 6);
  return frame;
}
