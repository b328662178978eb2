#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// What the tag object keeps of one frame, and the rules that turn it into a field.
// Only the first kFrameTextBytes bytes of a payload are kept, so a tag with large
// frames costs no more than a small one.
constexpr std::size_t kFrameTextBytes = 250;

struct FrameText {
  std::array<std::uint8_t, kFrameTextBytes> bytes;  // the first `length` bytes are set
  std::size_t length = 0;
  bool present = false;
  bool cut = false;  // the payload held more than kFrameTextBytes

  std::string_view view() const { return {reinterpret_cast<const char*>(bytes.data()), length}; }
};

// Encoding byte and text, decoded to UTF-8 and trimmed. Without a known
// encoding byte the whole payload is Latin-1 text.
std::string TextOfFrame(const FrameText& frame);
// "TRCK": the number before any "/"; 0 unless that is wholly an integer; low 8 bits.
std::uint8_t TrackOfFrame(const FrameText& frame);
// "TCON": the text after its last ")", so "(17)Rock" gives "Rock".
std::string GenreOfFrame(const FrameText& frame);
// "COMM": encoding, 3-byte language, a description ended by a zero character, the text.
std::string CommentOfFrame(const FrameText& frame);
// "WXXX": encoding, a description ended by a zero character, the URL in Latin-1.
std::string LinkOfFrame(const FrameText& frame);
// The field a frame of ID3v2FrameIds[slot] gives, as the tag object reads it; the track as its
// decimal digits, empty for 0.
std::string FieldOfFrame(std::size_t slot, const FrameText& frame);
