#include "metadata/ID3v2FrameDowngrade.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "metadata/TextCodec.h"

namespace {

constexpr std::array<std::string_view, 18> kOnlyIn24 = {
    "ASPI", "EQU2", "RVA2", "SEEK", "SIGN", "TDEN", "TDOR", "TDRC", "TDRL",
    "TDTG", "TIPL", "TMCL", "TMOO", "TPRO", "TSOA", "TSOP", "TSOT", "TSST"};

// Frames whose payload starts with a text-encoding byte, besides the T*** frames.
constexpr std::array<std::string_view, 10> kWithEncoding = {"WXXX", "COMM", "USLT", "APIC", "GEOB",
                                                            "SYLT", "USER", "OWNE", "COMR", "IPLS"};

bool IsValidId(std::string_view id) {
  return id.size() == 4 && std::all_of(id.begin(), id.end(), [](char c) {
           return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
         });
}

template <std::size_t N>
bool Contains(const std::array<std::string_view, N>& ids, std::string_view id) {
  return std::find(ids.begin(), ids.end(), id) != ids.end();
}

bool HasEncodingByte(std::string_view id) {
  return id.front() == 'T' || Contains(kWithEncoding, id);
}

// Where the zero terminator of a text starting at `from` begins (one zero byte,
// or two on an even distance for UTF-16); npos when there is none.
std::size_t TerminatorOf(std::string_view payload, std::size_t from, std::uint8_t encoding) {
  if (encoding != 1 && encoding != 2) return payload.find('\0', from);
  for (std::size_t pos = from; pos + 1 < payload.size(); pos += 2) {
    if (payload[pos] == '\0' && payload[pos + 1] == '\0') return pos;
  }
  return std::string_view::npos;
}

// Encoding, MIME type (Latin-1), picture type, description, picture data: the
// description is re-encoded, the data kept byte for byte.
std::optional<std::string> Picture24As23(std::string_view payload, std::uint8_t encoding) {
  const std::size_t mimeEnd = payload.find('\0', 1);
  if (mimeEnd == std::string_view::npos || mimeEnd + 2 > payload.size()) return std::nullopt;
  const std::size_t descriptionStart = mimeEnd + 2;  // after the picture type byte
  const std::size_t descriptionEnd = TerminatorOf(payload, descriptionStart, encoding);
  if (descriptionEnd == std::string_view::npos) return std::nullopt;
  const EncodedText description = EncodeId3v23Text(
      DecodeId3Text(encoding, payload.substr(descriptionStart, descriptionEnd - descriptionStart)));
  const std::size_t dataStart = descriptionEnd + (encoding == 2 ? 2 : 1);
  std::string out(1, description.encoding);
  out.append(payload.substr(1, descriptionStart - 1));  // MIME type, its zero, picture type
  out += description.bytes;
  out.append(description.encoding == '\0' ? 1 : 2, '\0');
  out.append(payload.substr(dataStart));
  return out;
}

// A text frame holding only text: version 2.4 separates several values by a
// zero character, which version 2.3 readers do not know; they become "/".
std::string Text24As23(std::string_view payload, std::uint8_t encoding) {
  std::string text = DecodeId3Text(encoding, payload.substr(1));
  while (!text.empty() && text.back() == '\0') text.pop_back();
  std::replace(text.begin(), text.end(), '\0', '/');
  const EncodedText encoded = EncodeId3v23Text(text);
  return encoded.encoding + encoded.bytes;
}

}  // namespace

EncodedText EncodeId3v23Text(std::string_view utf8) {
  std::string latin1;
  if (Utf8ToLatin1(utf8, latin1)) return {'\0', std::move(latin1)};
  return {'\1', "\xFF\xFE" + Utf8ToUtf16Le(utf8)};
}

std::optional<std::string> Payload24As23(std::string_view id, std::string_view payload) {
  if (!IsValidId(id) || Contains(kOnlyIn24, id)) return std::nullopt;
  if (!HasEncodingByte(id) || payload.empty()) return std::string(payload);
  const auto encoding = static_cast<std::uint8_t>(payload.front());
  if (encoding != 2 && encoding != 3) return std::string(payload);  // as valid in 2.3 as in 2.4
  if (id == "APIC") return Picture24As23(payload, encoding);
  if (id.front() == 'T' && id != "TXXX") return Text24As23(payload, encoding);
  // TXXX, WXXX, COMM, USLT, GEOB, SYLT, USER, OWNE, COMR and IPLS mix terminated
  // texts with other fields; in UTF-8 or UTF-16BE they are dropped, not converted.
  return std::nullopt;
}
