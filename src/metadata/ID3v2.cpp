#include "metadata/ID3v2.h"

#include <algorithm>

#include "metadata/ID3v2Format.h"
#include "metadata/ID3v2FrameText.h"
#include "metadata/ID3v2FrameWalker.h"
#include "metadata/ID3v2Writer.h"
#include "metadata/TagByteSource.h"
#include "metadata/TextCodec.h"

namespace {

enum Slot : std::size_t {
  kTitle,
  kArtist,
  kAlbum,
  kTrack,
  kYear,
  kGenre,
  kComment,
  kComposer,
  kEncodedBy,
  kCopyright,
  kLanguage,
  kLink
};

using FrameTexts = std::array<FrameText, ID3v2FrameIds.size()>;

// One read covers the header and the frames of the usual tag.
constexpr std::size_t kWindowBytes = 4096;
// An unsynchronised tag is decoded in memory up to this size; frames beyond are not read.
constexpr std::size_t kMaxUnsynchronisedTag = 1u << 20;

// Keeps the first kFrameTextBytes of the frame's content (after grouping and
// length prefixes, de-unsynchronised if marked). Compressed or encrypted
// frames are skipped; so is a payload that cannot be read.
void KeepFrameText(TagByteSource& source, const id3v2::TagHeader& tag,
                   const id3v2::FrameHeader& frame, std::int64_t payload, std::int64_t tagEnd,
                   FrameText& text) {
  const id3v2::FrameContent content = id3v2::ContentOf(frame, tag);
  if (!content.readable) return;
  // The payload is cut at the tag's end: what lies beyond is audio, not text.
  const std::int64_t available =
      std::min(frame.size, tagEnd - payload) - static_cast<std::int64_t>(content.prefix);
  std::uint8_t raw[2 * kFrameTextBytes];  // unsynchronised text takes up to twice the room
  std::size_t rawLength = 0;
  std::size_t length = 0;
  if (available > 0) {
    const std::size_t want = content.unsynchronised ? sizeof raw : kFrameTextBytes;
    const auto bytes = source.View(payload + static_cast<std::int64_t>(content.prefix),
                                   std::min<std::size_t>(want, available));
    if (source.failed()) return;
    std::copy(bytes.begin(), bytes.end(), raw);
    rawLength = bytes.size();
    length = content.unsynchronised ? id3v2::RemoveUnsynchronisation(raw, rawLength) : rawLength;
  }
  text.present = true;
  text.length = std::min(length, kFrameTextBytes);
  text.cut = available > static_cast<std::int64_t>(rawLength) || length > kFrameTextBytes;
  std::copy(raw, raw + text.length, text.bytes.begin());
}

void ReadFrameTexts(TagByteSource& source, const id3v2::TagHeader& tag, std::int64_t tagEnd,
                    FrameTexts& texts) {
  ID3v2FrameWalker walker(source, tag, tagEnd);
  id3v2::FrameHeader frame;
  std::int64_t offset = 0;
  while (walker.Next(frame, offset)) {
    const int slot = id3v2::SlotOf(frame.idText(), tag.major);
    if (slot < 0) continue;  // seek past the payload: it is never read
    const std::int64_t payload = offset + static_cast<std::int64_t>(frame.headerSize);
    KeepFrameText(source, tag, frame, payload, tagEnd, texts[static_cast<std::size_t>(slot)]);
  }
}

}  // namespace

TID3v2::TID3v2(platform::FileSystem& fs) : fs_(&fs) {}

void TID3v2::Clear() { *this = TID3v2(*fs_); }

bool TID3v2::LoadTag(const std::string& fileName) {
  Clear();
  auto file = fs_->openRead(fileName);
  return file && LoadTag(*file);
}

bool TID3v2::LoadTag(platform::ReadFile& file) {
  Clear();
  std::array<std::uint8_t, kWindowBytes> window;
  TagByteSource source(file, window);
  const auto head = source.View(0, id3v2::kTagHeaderSize);
  if (head.size() < id3v2::kTagHeaderSize) return false;
  const auto tag = id3v2::ParseTagHeader(head, file.size());
  if (!tag) return true;
  exists_ = true;
  versionId_ = tag->major;
  tagSize_ = tag->tagSize;
  const bool readable = tag->major >= 2 && tag->major <= 4 &&
                        !(tag->major == 2 && (tag->flags & id3v2::kTagCompressed22));
  if (tagSize_ == 0 || !readable) return true;

  FrameTexts texts;
  if (id3v2::BodyIsUnsynchronised(*tag)) {
    std::string bytes;
    if (!ReadTagIntoMemory(file, *tag, kMaxUnsynchronisedTag, bytes)) return true;
    TagByteSource decoded(bytes);
    ReadFrameTexts(decoded, *tag, static_cast<std::int64_t>(bytes.size()), texts);
  } else {
    ReadFrameTexts(source, *tag, tagSize_, texts);
  }
  title_ = FieldOfFrame(kTitle, texts[kTitle]);
  artist_ = FieldOfFrame(kArtist, texts[kArtist]);
  album_ = FieldOfFrame(kAlbum, texts[kAlbum]);
  track_ = TrackOfFrame(texts[kTrack]);
  year_ = FieldOfFrame(kYear, texts[kYear]);
  genre_ = FieldOfFrame(kGenre, texts[kGenre]);
  comment_ = FieldOfFrame(kComment, texts[kComment]);
  composer_ = FieldOfFrame(kComposer, texts[kComposer]);
  encodedBy_ = FieldOfFrame(kEncodedBy, texts[kEncodedBy]);
  copyright_ = FieldOfFrame(kCopyright, texts[kCopyright]);
  language_ = FieldOfFrame(kLanguage, texts[kLanguage]);
  link_ = FieldOfFrame(kLink, texts[kLink]);
  return true;
}

bool TID3v2::StoreTag(const std::string& fileName) {
  return WriteTag(fileName) == TagWriteResult::Written;
}

TagWriteResult TID3v2::WriteTag(const std::string& fileName) {
  const ID3v2FrameTexts texts = {
      title_,     artist_,    album_,    track_ > 0 ? std::to_string(track_) : std::string(),
      year_,      genre_,     comment_,  composer_,
      encodedBy_, copyright_, language_, link_};
  return ReplaceID3v2Tag(*fs_, fileName, texts);
}

void TID3v2::SetTitle(std::string_view text) { title_ = TrimText(text); }
void TID3v2::SetArtist(std::string_view text) { artist_ = TrimText(text); }
void TID3v2::SetAlbum(std::string_view text) { album_ = TrimText(text); }
void TID3v2::SetYear(std::string_view text) { year_ = TrimText(text); }
void TID3v2::SetGenre(std::string_view text) { genre_ = TrimText(text); }
void TID3v2::SetComment(std::string_view text) { comment_ = TrimText(text); }
