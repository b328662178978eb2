#include "support/TagBuilder.h"

#include <algorithm>

namespace {

void PutField(std::string& block, std::size_t offset, std::size_t length, std::string_view text) {
  block.replace(offset, std::min(length, text.size()), text.substr(0, length));
}

std::string Frame(std::string_view id, std::string_view sizeBytes, std::string_view payload,
                  std::uint16_t flags, bool withFlags) {
  std::string out(id);
  out += sizeBytes;
  if (withFlags) {
    out += static_cast<char>(flags >> 8);
    out += static_cast<char>(flags & 0xFF);
  }
  out += payload;
  return out;
}

}  // namespace

std::string Id3v1Block(const Id3v1Fields& fields) {
  std::string block(128, '\0');
  PutField(block, 0, 3, "TAG");
  PutField(block, 3, 30, fields.title);
  PutField(block, 33, 30, fields.artist);
  PutField(block, 63, 30, fields.album);
  PutField(block, 93, 4, fields.year);
  PutField(block, 97, fields.track >= 0 ? 28 : 30, fields.comment);
  if (fields.track >= 0) {
    block[125] = '\0';
    block[126] = static_cast<char>(fields.track);
  }
  block[127] = static_cast<char>(fields.genre);
  return block;
}

std::string BigEndian32(std::uint32_t value) {
  return {static_cast<char>(value >> 24), static_cast<char>(value >> 16),
          static_cast<char>(value >> 8), static_cast<char>(value)};
}

std::string BigEndian24(std::uint32_t value) { return BigEndian32(value).substr(1); }

std::string Syncsafe(std::uint32_t value) {
  return {static_cast<char>((value >> 21) & 0x7F), static_cast<char>((value >> 14) & 0x7F),
          static_cast<char>((value >> 7) & 0x7F), static_cast<char>(value & 0x7F)};
}

std::string Id3v2Frame23(std::string_view id, std::string_view payload, std::uint16_t flags) {
  return Frame(id, BigEndian32(static_cast<std::uint32_t>(payload.size())), payload, flags, true);
}

std::string Id3v2Frame24(std::string_view id, std::string_view payload, std::uint16_t flags) {
  return Frame(id, Syncsafe(static_cast<std::uint32_t>(payload.size())), payload, flags, true);
}

std::string Id3v2Frame22(std::string_view id, std::string_view payload) {
  return Frame(id, BigEndian24(static_cast<std::uint32_t>(payload.size())), payload, 0, false);
}

std::string Id3v2TextPayload(std::string_view latin1OrRaw, std::uint8_t encoding) {
  std::string out(1, static_cast<char>(encoding));
  out += latin1OrRaw;
  return out;
}

std::string Id3v2Tag(std::uint8_t major, std::string_view body, std::uint8_t flags,
                     std::size_t padding) {
  std::string out = "ID3";
  out += static_cast<char>(major);
  out += '\0';
  out += static_cast<char>(flags);
  out += Syncsafe(static_cast<std::uint32_t>(body.size() + padding));
  out += body;
  out.append(padding, '\0');
  return out;
}

std::string Utf16Le(std::string_view ascii) {
  std::string out;
  for (char c : ascii) {
    out += c;
    out += '\0';
  }
  return out;
}

std::string Utf16Be(std::string_view ascii) {
  std::string out;
  for (char c : ascii) {
    out += '\0';
    out += c;
  }
  return out;
}
