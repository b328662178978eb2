#include "metadata/TextCodec.h"

namespace {

constexpr char32_t kReplacement = kReplacementCharacter;

}  // namespace

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

Utf8Step DecodeUtf8At(std::string_view s, std::size_t pos) {
  const auto lead = static_cast<unsigned char>(s[pos]);
  if (lead < 0x80) return {lead, 1, true, false};
  std::size_t need = 0;
  char32_t cp = 0;
  unsigned char low = 0x80, high = 0xBF;  // range of the second byte
  if (lead >= 0xC2 && lead <= 0xDF) {
    need = 1, cp = lead & 0x1F;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    need = 2, cp = lead & 0x0F;
    if (lead == 0xE0) low = 0xA0;   // overlong
    if (lead == 0xED) high = 0x9F;  // surrogates
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    need = 3, cp = lead & 0x07;
    if (lead == 0xF0) low = 0x90;   // overlong
    if (lead == 0xF4) high = 0x8F;  // above U+10FFFF
  } else {
    return {};
  }
  for (std::size_t i = 1; i <= need; ++i) {
    if (pos + i >= s.size()) return {kReplacement, i, false, true};
    const auto c = static_cast<unsigned char>(s[pos + i]);
    const bool inRange = i == 1 ? (c >= low && c <= high) : (c >= 0x80 && c <= 0xBF);
    if (!inRange) return {kReplacement, i, false, false};
    cp = (cp << 6) | (c & 0x3F);
  }
  return {cp, need + 1, true, false};
}

std::string Latin1ToUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (char c : bytes) AppendUtf8(out, static_cast<unsigned char>(c));
  return out;
}

std::string Utf16ToUtf8(std::string_view bytes, bool bigEndian) {
  std::string out;
  out.reserve(bytes.size());
  const std::size_t units = bytes.size() / 2;
  auto unitAt = [&](std::size_t i) {
    const auto a = static_cast<unsigned char>(bytes[2 * i]);
    const auto b = static_cast<unsigned char>(bytes[2 * i + 1]);
    return static_cast<char16_t>(bigEndian ? (a << 8) | b : (b << 8) | a);
  };
  bool stringStart = true;
  for (std::size_t i = 0; i < units; ++i) {
    const char16_t u = unitAt(i);
    if (stringStart && (u == 0xFEFF || u == 0xFFFE)) {
      if (u == 0xFFFE) bigEndian = !bigEndian;
      stringStart = false;
      continue;
    }
    stringStart = (u == 0);
    if (u >= 0xD800 && u <= 0xDBFF && i + 1 < units) {
      const char16_t next = unitAt(i + 1);
      if (next >= 0xDC00 && next <= 0xDFFF) {
        AppendUtf8(out, 0x10000 + ((char32_t(u) - 0xD800) << 10) + (next - 0xDC00));
        ++i;
        continue;
      }
    }
    AppendUtf8(out, (u >= 0xD800 && u <= 0xDFFF) ? kReplacement : char32_t(u));
  }
  return out;
}

std::string SanitizeUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (std::size_t pos = 0; pos < bytes.size();) {
    const Utf8Step step = DecodeUtf8At(bytes, pos);
    if (step.cutOff) break;
    if (step.valid) {
      out.append(bytes.substr(pos, step.length));
    } else {
      AppendUtf8(out, kReplacement);
    }
    pos += step.length;
  }
  return out;
}

std::string DecodeId3Text(std::uint8_t encoding, std::string_view bytes) {
  switch (static_cast<Id3Encoding>(encoding)) {
    case Id3Encoding::Utf16:
      return Utf16ToUtf8(bytes, false);
    case Id3Encoding::Utf16BE:
      return Utf16ToUtf8(bytes, true);
    case Id3Encoding::Utf8:
      return SanitizeUtf8(bytes);
    case Id3Encoding::Latin1:
    default:
      return Latin1ToUtf8(bytes);
  }
}

bool Utf8ToLatin1(std::string_view utf8, std::string& latin1) {
  latin1.clear();
  latin1.reserve(utf8.size());
  bool all = true;
  for (std::size_t pos = 0; pos < utf8.size();) {
    const Utf8Step step = DecodeUtf8At(utf8, pos);
    const bool fits = step.valid && step.cp <= 0xFF;
    latin1 += fits ? static_cast<char>(step.cp) : '?';
    all = all && fits;
    pos += step.length;
  }
  return all;
}

std::string Utf8ToUtf16Le(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size() * 2);
  auto put = [&out](char32_t unit) {
    out += static_cast<char>(unit & 0xFF);
    out += static_cast<char>((unit >> 8) & 0xFF);
  };
  for (std::size_t pos = 0; pos < utf8.size();) {
    const Utf8Step step = DecodeUtf8At(utf8, pos);
    const char32_t cp = step.valid ? step.cp : kReplacement;
    if (cp >= 0x10000) {
      put(0xD800 + ((cp - 0x10000) >> 10));
      put(0xDC00 + ((cp - 0x10000) & 0x3FF));
    } else {
      put(cp);
    }
    pos += step.length;
  }
  return out;
}

std::string TrimText(std::string_view text) {
  auto blank = [](char c) { return static_cast<unsigned char>(c) <= 0x20; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return std::string(text);
}
