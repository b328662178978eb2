#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "metadata/TagWriteResult.h"
#include "platform/FileSystem.h"

// Writing a version 2.3.0 tag: the frames for the tag object's texts, and the
// replacement of a file's tag through a temporary file renamed over it.

// Texts of the frames of ID3v2FrameIds, in that order, UTF-8; empty ones are
// left out. The track is its decimal digits.
using ID3v2FrameTexts = std::array<std::string, 12>;

// The frames, without header. A text goes out as Latin-1 (encoding 0) when
// every character fits, else as UTF-16 with a byte-order mark (encoding 1).
std::string BuildID3v2Frames(const ID3v2FrameTexts& texts);

// Header (version 3.0, flags 0, size in 7-bit groups) and body, without
// padding; nothing when the body is too large for the 28-bit size.
std::optional<std::string> BuildID3v2Tag(std::string_view body);

// Rewrites the file with a new tag made of the texts followed by the frames of
// its old version 2.3 or 2.4 tag that the texts do not cover (2.4 frames
// converted to 2.3 or dropped), then the audio after the old tag. The file is
// replaced in one step: on any failure it keeps its old content, the temporary
// file "<name>~" is removed and the result says what failed.
TagWriteResult ReplaceID3v2Tag(platform::FileSystem& fs, const std::string& fileName,
                     const ID3v2FrameTexts& texts);
