#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "metadata/ID3v2Format.h"
#include "support/TagBuilder.h"

namespace {

using namespace std::string_literals;

std::span<const std::uint8_t> Bytes(const std::string& s) {
  return {reinterpret_cast<const std::uint8_t*>(s.data()), s.size()};
}

TEST(ID3v2Format, TagHeaderSizeAndTheFileEnd) {
  const std::string head = "ID3\x04\x00\x40\x00\x00\x02\x01"s;
  const auto tag = id3v2::ParseTagHeader(Bytes(head), 1000);
  ASSERT_TRUE(tag);
  EXPECT_EQ(tag->major, 4);
  EXPECT_EQ(tag->flags, 0x40);
  EXPECT_EQ(tag->tagSize, 2 * 128 + 1 + 10);
  EXPECT_EQ(id3v2::ParseTagHeader(Bytes(head), 266)->tagSize, 0);
  EXPECT_FALSE(id3v2::ParseTagHeader(Bytes("ID2\x03\0\0\0\0\0\0"s), 1000));
}

TEST(ID3v2Format, FrameHeadersOfEachVersion) {
  const auto v22 = id3v2::ParseFrameHeader(Bytes(Id3v2Frame22("TT2", std::string(300, 'x'))), 2);
  ASSERT_TRUE(v22);
  EXPECT_EQ(v22->idText(), "TT2");
  EXPECT_EQ(v22->size, 300);
  EXPECT_EQ(v22->headerSize, 6u);

  const std::string payload(200, 'x');
  EXPECT_EQ(id3v2::ParseFrameHeader(Bytes(Id3v2Frame23("TIT2", payload, 0x4020)), 3)->flags,
            0x4020);
  EXPECT_EQ(id3v2::ParseFrameHeader(Bytes(Id3v2Frame24("TIT2", payload)), 4)->size, 200);
  EXPECT_EQ(id3v2::ParseFrameHeader(Bytes(Id3v2Frame23("TIT2", payload)), 3)->size, 200);

  EXPECT_FALSE(id3v2::ParseFrameHeader(Bytes("TIT2\0\0\0"s), 3));  // too short
  EXPECT_FALSE(id3v2::ParseFrameHeader(Bytes(std::string(10, '\0')), 3));
  EXPECT_FALSE(id3v2::ParseFrameHeader(Bytes(Id3v2Frame23("1IT2", "")), 3));
}

struct ExtendedCase {
  const char* name;
  std::uint8_t major;
  std::uint8_t flags;
  std::string body;
  std::size_t size;
};

TEST(ID3v2Format, ExtendedHeaderSizeIsCheckedBeforeItIsTrusted) {
  const std::string frame = Id3v2Frame23("TIT2", "\0T"s);
  const std::vector<ExtendedCase> cases = {
      {"flag clear", 3, 0x00, BigEndian32(6) + std::string(6, '\0') + frame, 0},
      {"2.3 size 6", 3, 0x40, BigEndian32(6) + std::string(6, '\0') + frame, 10},
      {"2.3 size 10", 3, 0x40, BigEndian32(10) + std::string(10, '\0') + frame, 14},
      {"2.3 odd size", 3, 0x40, BigEndian32(8) + std::string(8, '\0') + frame, 0},
      {"2.3 frame instead", 3, 0x40, frame, 0},
      {"2.4 size 6", 4, 0x40, Syncsafe(6) + "\x01\0"s + frame, 6},
      {"2.4 frame instead", 4, 0x40, frame, 0},
      {"2.4 flag bytes not 1", 4, 0x40, Syncsafe(6) + "\x02\0"s + frame, 0},
      {"2.4 size past the body", 4, 0x40, Syncsafe(60) + "\x01\0"s, 0},
      {"2.4 not syncsafe", 4, 0x40, "\0\0\0\x86\x01\0"s + frame, 0},
      {"2.2 has none", 2, 0x40, BigEndian32(6) + std::string(6, '\0'), 0},
  };
  for (const auto& c : cases) {
    const id3v2::TagHeader tag{c.major, c.flags, 1000};
    EXPECT_EQ(id3v2::ExtendedHeaderSize(Bytes(c.body), tag), c.size) << c.name;
  }
}

TEST(ID3v2Format, FrameContentByFormatFlags) {
  const id3v2::TagHeader v23{3, 0, 100}, v24{4, 0, 100}, v24Unsync{4, 0x80, 100};
  const auto content = [](std::uint16_t flags, const id3v2::TagHeader& tag) {
    id3v2::FrameHeader frame;
    frame.flags = flags;
    return id3v2::ContentOf(frame, tag);
  };
  EXPECT_FALSE(content(0x0080, v23).readable);
  EXPECT_FALSE(content(0x0040, v23).readable);
  EXPECT_EQ(content(0x0020, v23).prefix, 1u);
  EXPECT_TRUE(content(0xE000, v23).readable);
  EXPECT_FALSE(content(0x0008, v24).readable);
  EXPECT_FALSE(content(0x0004, v24).readable);
  EXPECT_EQ(content(0x0041, v24).prefix, 5u);
  EXPECT_TRUE(content(0x0002, v24).unsynchronised);
  EXPECT_FALSE(content(0x0000, v24).unsynchronised);
  EXPECT_TRUE(content(0x0000, v24Unsync).unsynchronised);
}

TEST(ID3v2Format, UnsynchronisationRemovesTheZeroAfterEach0xFF) {
  std::string bytes = "a\xFF\0b\xFF\0\0\xFF\xFF\0\xFF"s;
  const std::size_t length =
      id3v2::RemoveUnsynchronisation(reinterpret_cast<std::uint8_t*>(bytes.data()), bytes.size());
  EXPECT_EQ(bytes.substr(0, length),
            "a\xFF"
            "b\xFF\0\xFF\xFF\xFF"s);
}

TEST(ID3v2Format, SlotsOfTheFrameIdsByVersion) {
  EXPECT_EQ(id3v2::SlotOf("TIT2", 3), 0);
  EXPECT_EQ(id3v2::SlotOf("WXXX", 3), 11);
  EXPECT_EQ(id3v2::SlotOf("TT2", 2), 0);
  EXPECT_EQ(id3v2::SlotOf("WXX", 2), 11);
  EXPECT_EQ(id3v2::SlotOf("TIT2", 2), -1);
  EXPECT_EQ(id3v2::SlotOf("TDRC", 4), 4);
  EXPECT_EQ(id3v2::SlotOf("TDRC", 3), -1);
  EXPECT_EQ(id3v2::SlotOf("TYER", 4), 4);
  EXPECT_EQ(id3v2::SlotOf("APIC", 3), -1);
}

}  // namespace
