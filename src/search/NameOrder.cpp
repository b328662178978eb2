#include "search/NameOrder.h"

#include <algorithm>

namespace {

unsigned char FoldAscii(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return byte >= 'A' && byte <= 'Z' ? static_cast<unsigned char>(byte - 'A' + 'a') : byte;
}

}  // namespace

bool NameLess(std::string_view a, std::string_view b) {
  const auto folded =
      std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                   [](char x, char y) { return FoldAscii(x) < FoldAscii(y); });
  if (folded) return true;
  const auto foldedReverse =
      std::lexicographical_compare(b.begin(), b.end(), a.begin(), a.end(),
                                   [](char x, char y) { return FoldAscii(x) < FoldAscii(y); });
  if (foldedReverse) return false;
  return a < b;
}
