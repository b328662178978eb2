#include "FuzzCheck.h"

#include <cstdio>
#include <cstdlib>

std::string Quoted(std::string_view text) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out = "\"";
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x20 && byte < 0x7F && c != '"' && c != '\\') {
      out += c;
    } else {
      out += "\\x";
      out += kHex[byte >> 4];
      out += kHex[byte & 0xF];
    }
  }
  return out + "\"";
}

void FailProperty(const std::string& message) {
  std::fprintf(stderr, "\nproperty failed: %s\n", message.c_str());
  std::fflush(stderr);
  std::abort();
}
