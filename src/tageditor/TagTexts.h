#pragma once

#include <string>

#include "metadata/TrackInfo.h"

// The six texts the tag editor changes, UTF-8, in the order of its fields. Members all have
// initializers, so designated initializers may name any few of them.
struct TagTexts {
  std::string title{};
  std::string artist{};
  std::string album{};
  std::string year{};
  std::string genre{};
  std::string comment{};

  friend bool operator==(const TagTexts&, const TagTexts&) = default;
};

// The texts a file's track information shows (from its ID3v2 tag, else its ID3v1 tag).
TagTexts TagTextsOf(const recMP3Info& info);
