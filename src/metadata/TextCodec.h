#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// Conversions between the character sets of ID3 tags and the UTF-8 used inside.
// Malformed input never fails: what cannot be decoded becomes U+FFFD.

// The ID3v2 text-encoding byte.
enum class Id3Encoding : std::uint8_t { Latin1 = 0, Utf16 = 1, Utf16BE = 2, Utf8 = 3 };

std::string Latin1ToUtf8(std::string_view bytes);

// A byte-order mark at the start, or right after a zero character (the next
// string of a list), sets the byte order and is dropped; otherwise bigEndian
// decides. An odd last byte is dropped; a lone surrogate becomes U+FFFD.
std::string Utf16ToUtf8(std::string_view bytes, bool bigEndian);

// Valid sequences pass unchanged, other bytes become U+FFFD; a sequence cut
// off at the end (a payload truncated mid-character) is dropped.
std::string SanitizeUtf8(std::string_view bytes);

// Text bytes of an ID3v2 frame decoded by its encoding byte. An unknown byte
// decodes as Latin-1; UTF-16 without a byte-order mark is read little-endian.
std::string DecodeId3Text(std::uint8_t encoding, std::string_view bytes);

// The Latin-1 bytes of a UTF-8 text; false when a character lies outside
// Latin-1 (latin1 then holds '?' in its place).
bool Utf8ToLatin1(std::string_view utf8, std::string& latin1);

// UTF-16 little-endian bytes, without a byte-order mark.
std::string Utf8ToUtf16Le(std::string_view utf8);

inline constexpr char32_t kReplacementCharacter = 0xFFFD;

// Appends the UTF-8 bytes of one code point.
void AppendUtf8(std::string& out, char32_t cp);

// One step of UTF-8 decoding.
struct Utf8Step {
  char32_t cp = kReplacementCharacter;
  std::size_t length = 1;  // the bytes taken: of the character, or of what could not be one
  bool valid = false;
  bool cutOff = false;  // a valid start that the end of the input interrupts
};
// The character that starts at pos (< s.size()).
Utf8Step DecodeUtf8At(std::string_view s, std::size_t pos);

// Removes every leading and trailing character of value 0x20 or below.
std::string TrimText(std::string_view text);
