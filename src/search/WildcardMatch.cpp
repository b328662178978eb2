#include "search/WildcardMatch.h"

#include <algorithm>
#include <cstddef>

namespace {

unsigned char FoldAscii(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return byte >= 'A' && byte <= 'Z' ? static_cast<unsigned char>(byte - 'A' + 'a') : byte;
}

// The index after the UTF-8 character that starts at i.
std::size_t NextCharacter(std::string_view text, std::size_t i) {
  ++i;
  while (i < text.size() && (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) ++i;
  return i;
}

// The plain glob match. Iterative with one backtracking point (the last "*"), so it takes at
// most name length × mask length steps and no stack.
bool Glob(std::string_view name, std::string_view mask) {
  std::size_t n = 0;
  std::size_t m = 0;
  std::size_t starMask = std::string_view::npos;
  std::size_t starName = 0;
  while (n < name.size()) {
    if (m < mask.size() && mask[m] == '*') {
      starMask = m++;
      starName = n;
    } else if (m < mask.size() && mask[m] == '?') {
      n = NextCharacter(name, n);
      ++m;
    } else if (m < mask.size() && FoldAscii(mask[m]) == FoldAscii(name[n])) {
      ++n;
      ++m;
    } else if (starMask != std::string_view::npos) {
      // Let the last "*" take one more character and try again after it.
      starName = NextCharacter(name, starName);
      n = starName;
      m = starMask + 1;
    } else {
      return false;
    }
  }
  while (m < mask.size() && mask[m] == '*') ++m;
  return m == mask.size();
}

}  // namespace

bool MatchesMask(std::string_view name, std::string_view mask) {
  if (mask.empty() || name.empty()) return false;
  if (Glob(name, mask)) return true;
  const bool nameHasDot = name.find('.') != std::string_view::npos;
  if (mask.size() >= 2 && mask.ends_with(".*")) {
    return !nameHasDot && Glob(name, mask.substr(0, mask.size() - 2));
  }
  if (mask.ends_with('.')) return !nameHasDot && Glob(name, mask.substr(0, mask.size() - 1));
  return false;
}

bool MatchesAnyMask(std::string_view name, std::string_view masks) {
  std::size_t start = 0;
  while (start <= masks.size()) {
    const std::size_t end = std::min(masks.find(';', start), masks.size());
    if (MatchesMask(name, masks.substr(start, end - start))) return true;
    start = end + 1;
  }
  return false;
}
