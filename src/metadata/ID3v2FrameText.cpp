#include "metadata/ID3v2FrameText.h"

#include <cstdint>
#include <limits>

#include "metadata/TextCodec.h"

namespace {

std::uint8_t EncodingOf(const FrameText& frame) { return frame.length ? frame.bytes[0] : 0; }

bool IsKnownEncoding(std::uint8_t encoding) { return encoding <= 3; }

// Offset just past the terminator of the string that starts at `from`: one
// zero byte, or for UTF-16 two at an even distance. npos when there is none.
std::size_t AfterTerminator(std::string_view bytes, std::size_t from, std::uint8_t encoding) {
  if (from > bytes.size()) return std::string_view::npos;
  if (encoding == 1 || encoding == 2) {
    for (std::size_t i = from; i + 1 < bytes.size(); i += 2) {
      if (bytes[i] == '\0' && bytes[i + 1] == '\0') return i + 2;
    }
    return std::string_view::npos;
  }
  const std::size_t zero = bytes.find('\0', from);
  return zero == std::string_view::npos ? zero : zero + 1;
}

// The bytes after the description that starts at `from`. A payload that ends
// without a terminator was all description; one cut off at kFrameTextBytes
// without a terminator is kept whole, as the tag object always has.
std::string_view AfterDescription(const FrameText& frame, std::size_t from) {
  const std::string_view bytes = frame.view();
  const std::size_t start = AfterTerminator(bytes, from, EncodingOf(frame));
  if (start != std::string_view::npos) return bytes.substr(start);
  return frame.cut && from < bytes.size() ? bytes.substr(from) : std::string_view();
}

// An optional sign and digits, as a 32-bit integer; nothing else is a number.
bool ParseInteger(std::string_view text, std::int64_t& value) {
  const bool negative = !text.empty() && text[0] == '-';
  if (!text.empty() && (text[0] == '-' || text[0] == '+')) text.remove_prefix(1);
  if (text.empty()) return false;
  const std::int64_t limit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + negative;
  value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
    value = value * 10 + (c - '0');
    if (value > limit) return false;
  }
  if (negative) value = -value;
  return true;
}

}  // namespace

std::string TextOfFrame(const FrameText& frame) {
  if (frame.length == 0) return {};
  const std::uint8_t encoding = EncodingOf(frame);
  if (!IsKnownEncoding(encoding)) return TrimText(Latin1ToUtf8(frame.view()));
  return TrimText(DecodeId3Text(encoding, frame.view().substr(1)));
}

std::uint8_t TrackOfFrame(const FrameText& frame) {
  const std::string text = TextOfFrame(frame);
  std::int64_t value = 0;
  if (!ParseInteger(std::string_view(text).substr(0, text.find('/')), value)) return 0;
  return static_cast<std::uint8_t>(value & 0xFF);
}

std::string GenreOfFrame(const FrameText& frame) {
  std::string text = TextOfFrame(frame);
  const std::size_t close = text.rfind(')');
  if (close != std::string::npos) text.erase(0, close + 1);
  return text;
}

std::string CommentOfFrame(const FrameText& frame) {
  constexpr std::size_t kDescriptionStart = 4;  // after encoding and language
  if (frame.length < kDescriptionStart) return {};
  return TrimText(DecodeId3Text(EncodingOf(frame), AfterDescription(frame, kDescriptionStart)));
}

std::string LinkOfFrame(const FrameText& frame) {
  constexpr std::size_t kDescriptionStart = 1;  // after encoding
  if (frame.length < kDescriptionStart) return {};
  return TrimText(Latin1ToUtf8(AfterDescription(frame, kDescriptionStart)));
}

std::string FieldOfFrame(std::size_t slot, const FrameText& frame) {
  constexpr std::size_t kTrackSlot = 3, kGenreSlot = 5, kCommentSlot = 6, kLinkSlot = 11;
  switch (slot) {
    case kTrackSlot: {
      const std::uint8_t track = TrackOfFrame(frame);
      return track > 0 ? std::to_string(track) : std::string();
    }
    case kGenreSlot: return GenreOfFrame(frame);
    case kCommentSlot: return CommentOfFrame(frame);
    case kLinkSlot: return LinkOfFrame(frame);
    default: return TextOfFrame(frame);
  }
}
