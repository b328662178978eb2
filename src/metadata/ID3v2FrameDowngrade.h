#pragma once

#include <optional>
#include <string>
#include <string_view>

// Carrying frames of a version 2.4 tag over into a version 2.3 tag, which knows
// fewer frames and only the text encodings 0 (Latin-1) and 1 (UTF-16 with BOM).

struct EncodedText {
  char encoding;
  std::string bytes;
};

// A UTF-8 text as Latin-1 (encoding 0) when every character fits, else as
// UTF-16 little-endian with a byte-order mark (encoding 1); no terminator.
EncodedText EncodeId3v23Text(std::string_view utf8);

// The payload a version 2.3 frame of the same id carries for the given,
// already decoded, version 2.4 payload; nothing when the frame is dropped: an
// id that is not a valid frame id or exists only in version 2.4, or a text in
// UTF-8 or UTF-16BE within a layout that is not converted (see the source).
std::optional<std::string> Payload24As23(std::string_view id, std::string_view payload);
