#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "metadata/MPEGTables.h"
#include "metadata/MPEGaudio.h"
#include "support/Mp3Builder.h"

namespace {

MPEGFrameInfo Decoded(const MpegFrame& spec) {
  const std::string h = Mp3FrameHeader(spec);
  return DecodeFrameHeader(static_cast<std::uint8_t>(h[0]), static_cast<std::uint8_t>(h[1]),
                           static_cast<std::uint8_t>(h[2]), static_cast<std::uint8_t>(h[3]));
}

TEST(MPEGTablesTest, DecodesEveryHeaderField) {
  const MPEGFrameInfo frame = DecodeFrameHeader(0xFF, 0xF3, 0x6A, 0xC1);
  EXPECT_EQ(frame.versionBits, 2);
  EXPECT_EQ(frame.layerBits, 1);
  EXPECT_EQ(frame.bitrateIndex, 6);
  EXPECT_EQ(frame.sampleRateIndex, 2);
  EXPECT_TRUE(frame.paddingBit);
  EXPECT_EQ(frame.channelMode, 3);
  EXPECT_EQ(frame.headerBytes, (std::array<std::uint8_t, 4>{0xFF, 0xF3, 0x6A, 0xC1}));
  EXPECT_FALSE(frame.found);
}

TEST(MPEGTablesTest, FrameLengthsAndLookups) {
  const auto mpeg2 = MpegVersion::Mpeg2;
  const auto mpeg25 = MpegVersion::Mpeg25;
  struct Case {
    MpegFrame frame;
    int kbps, hz, length;
    std::size_t sideInfo;
  };
  const std::vector<Case> cases = {
      {{.kbps = 128, .hz = 44100}, 128, 44100, 417, 36},
      {{.kbps = 128, .hz = 44100, .padding = true}, 128, 44100, 418, 36},
      {{.kbps = 320, .hz = 48000, .channelMode = kMono}, 320, 48000, 960, 21},
      {{.kbps = 32, .hz = 32000, .channelMode = 1}, 32, 32000, 144, 36},
      {{.layer = 2, .kbps = 384, .hz = 32000, .padding = true}, 384, 32000, 1729, 36},
      {{.layer = 1, .kbps = 448, .hz = 32000, .padding = true}, 448, 32000, 676, 36},
      {{.layer = 1, .kbps = 32, .hz = 44100}, 32, 44100, 34, 36},
      {{.version = mpeg2, .kbps = 64, .hz = 24000}, 64, 24000, 192, 21},
      {{.version = mpeg2, .kbps = 8, .hz = 22050, .channelMode = kMono}, 8, 22050, 26, 13},
      {{.version = mpeg2, .layer = 1, .kbps = 256, .hz = 16000, .padding = true},
       256,
       16000,
       772,
       21},
      {{.version = mpeg25, .kbps = 32, .hz = 12000}, 32, 12000, 192, 21},
      {{.version = mpeg25, .layer = 2, .kbps = 160, .hz = 8000}, 160, 8000, 2880, 21},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message()
                 << "layer " << c.frame.layer << " " << c.kbps << "k " << c.hz << " Hz");
    const MPEGFrameInfo frame = Decoded(c.frame);
    EXPECT_EQ(TableBitRateKbps(frame), c.kbps);
    EXPECT_EQ(SampleRateHz(frame), static_cast<std::uint32_t>(c.hz));
    EXPECT_EQ(FrameLength(frame), c.length);
    EXPECT_EQ(SideInfoOffset(frame), c.sideInfo);
    EXPECT_EQ(Mp3FrameLength(c.frame), static_cast<std::size_t>(c.length)) << "fixture builder";
  }
}

TEST(MPEGTablesTest, SamplesFactorAndPaddingByLayer) {
  EXPECT_EQ(SamplesFactor(Decoded({.layer = 1, .kbps = 32})), 48u);
  EXPECT_EQ(SamplesFactor(Decoded({.layer = 2, .kbps = 32})), 144u);
  EXPECT_EQ(SamplesFactor(Decoded({.layer = 3, .kbps = 32})), 144u);
  EXPECT_EQ(SamplesFactor(Decoded({.version = MpegVersion::Mpeg2, .kbps = 32, .hz = 22050})), 72u);
  EXPECT_EQ(SamplesFactor(Decoded({.version = MpegVersion::Mpeg25, .kbps = 32, .hz = 8000})), 72u);
  EXPECT_EQ(PaddingSize(Decoded({.layer = 1, .kbps = 32, .padding = true})), 4u);
  EXPECT_EQ(PaddingSize(Decoded({.layer = 2, .kbps = 32, .padding = true})), 1u);
  EXPECT_EQ(PaddingSize(Decoded({.layer = 3, .kbps = 32, .padding = true})), 1u);
  EXPECT_EQ(PaddingSize(Decoded({.layer = 1, .kbps = 32})), 0u);
}

TEST(MPEGTablesTest, ReservedAndClearedValuesYieldZero) {
  const MPEGFrameInfo cleared;
  EXPECT_EQ(TableBitRateKbps(cleared), 0);
  EXPECT_EQ(SampleRateHz(cleared), 0u);
  EXPECT_EQ(FrameLength(cleared), 0);
  for (std::uint8_t b2 : {0x00, 0xF0}) {  // bit-rate indexes 0 and 15
    EXPECT_EQ(TableBitRateKbps(DecodeFrameHeader(0xFF, 0xFB, b2, 0x00)), 0) << int{b2};
  }
  EXPECT_EQ(TableBitRateKbps(DecodeFrameHeader(0xFF, 0xF9, 0x90, 0x00)), 0) << "layer 0";
  EXPECT_EQ(TableBitRateKbps(DecodeFrameHeader(0xFF, 0xEB, 0x90, 0x00)), 0) << "version 1";
  EXPECT_EQ(SampleRateHz(DecodeFrameHeader(0xFF, 0xFB, 0x9C, 0x00)), 0u) << "rate index 3";
}

}  // namespace
