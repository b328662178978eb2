#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// Byte builders for ID3 fixtures, so each test shows its tag in a few lines.
// Every function returns the raw bytes as a std::string.

// Members all have initializers, so designated initializers may name any few of them.
struct Id3v1Fields {
  std::string title{};
  std::string artist{};
  std::string album{};
  std::string year{};
  std::string comment{};  // raw bytes, at most 30 (28 with a track)
  int track = -1;         // >= 0: version 1.1 layout, byte 125 zero and byte 126 the track
  std::uint8_t genre = 255;
};

// The 128-byte "TAG" block; texts are cut or zero-padded to their fields.
std::string Id3v1Block(const Id3v1Fields& fields);

std::string BigEndian32(std::uint32_t value);
std::string BigEndian24(std::uint32_t value);
// Four bytes of seven bits each, high group first.
std::string Syncsafe(std::uint32_t value);

// A version 2.3 frame: 4-char id, 32-bit big-endian size, flags.
std::string Id3v2Frame23(std::string_view id, std::string_view payload, std::uint16_t flags = 0);
// A version 2.4 frame: 4-char id, syncsafe size, flags.
std::string Id3v2Frame24(std::string_view id, std::string_view payload, std::uint16_t flags = 0);
// A version 2.2 frame: 3-char id, 24-bit big-endian size, no flags.
std::string Id3v2Frame22(std::string_view id, std::string_view payload);

// The encoding byte followed by the text bytes as given.
std::string Id3v2TextPayload(std::string_view latin1OrRaw, std::uint8_t encoding = 0);

// Header "ID3", major, revision 0, flags, syncsafe size of body + padding;
// then the body and the zero padding.
std::string Id3v2Tag(std::uint8_t major, std::string_view body, std::uint8_t flags = 0,
                     std::size_t padding = 0);

// UTF-16 byte helpers for ASCII-only texts (tests of the text decoding).
std::string Utf16Le(std::string_view ascii);
std::string Utf16Be(std::string_view ascii);
