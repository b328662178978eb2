#include "dialogs/ShortenText.h"

namespace {

constexpr std::string_view kEllipsis = "...";

bool IsContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// The byte offset where character number `count` starts, or the text's size when it has fewer.
std::size_t OffsetOfCharacter(std::string_view text, std::size_t count) {
  std::size_t seen = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (IsContinuationByte(text[i])) continue;
    if (seen == count) return i;
    ++seen;
  }
  return text.size();
}

}  // namespace

std::string ShortenText(std::string_view text, std::size_t maxLength) {
  if (OffsetOfCharacter(text, maxLength) == text.size()) return std::string(text);
  const std::size_t keep = maxLength > kEllipsis.size() ? maxLength - kEllipsis.size() : 0;
  std::string shown(text.substr(0, OffsetOfCharacter(text, keep)));
  shown += kEllipsis;
  return shown;
}
