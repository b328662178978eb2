#include "metadata/ID3v2Writer.h"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <vector>

#include "metadata/ID3v2Format.h"
#include "metadata/ID3v2FrameDowngrade.h"
#include "metadata/ID3v2FrameText.h"
#include "metadata/ID3v2FrameWalker.h"
#include "metadata/TagByteSource.h"
#include "metadata/TextCodec.h"
#include "platform/PathParts.h"

namespace {

constexpr std::size_t kCommentSlot = 6;
constexpr std::size_t kLinkSlot = 11;
constexpr std::uint32_t kMaxBodySize = (1u << 28) - 1;  // four 7-bit groups
// An old tag is held in memory to keep its frames; a larger one is not rewritten.
constexpr std::size_t kMaxOldTagSize = 64u << 20;
constexpr std::size_t kCopyChunk = 256u << 10;

std::string FramePayload(std::size_t slot, std::string_view text) {
  if (slot == kLinkSlot) {
    // Encoding 0, an empty description and the URL, which is Latin-1 by definition.
    std::string url;
    Utf8ToLatin1(text, url);
    return std::string(2, '\0') + url;
  }
  EncodedText encoded = EncodeId3v23Text(text);
  std::string payload(1, encoded.encoding);
  if (slot == kCommentSlot) {
    // Language, then an empty description in the text's encoding.
    payload += "eng";
    payload += encoded.encoding == '\0' ? std::string(1, '\0') : std::string("\xFF\xFE\0\0", 4);
  }
  return payload + encoded.bytes;
}

void AppendBigEndian32(std::string& out, std::uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8) out += static_cast<char>((value >> shift) & 0xFF);
}

// A version 2.3 frame: id, 32-bit size, flags 0.
void AppendFrame(std::string& out, std::string_view id, std::string_view payload) {
  out += id;
  AppendBigEndian32(out, static_cast<std::uint32_t>(payload.size()));
  out.append(2, '\0');  // flags
  out += payload;
}

// A frame of an old version 2.4 tag as version 2.3 has it, unless it is
// dropped. Frames with any format flag (compressed, encrypted, grouped, with a
// data length or unsynchronised on their own) are dropped rather than decoded;
// a tag unsynchronised as a whole is decoded frame by frame.
bool AppendFrame24As23(std::string& out, const id3v2::FrameHeader& frame,
                       const id3v2::TagHeader& tag, std::string payload) {
  if ((frame.flags & 0xFF) != 0) return false;
  if (id3v2::ContentOf(frame, tag).unsynchronised) {
    auto* data = reinterpret_cast<std::uint8_t*>(payload.data());
    payload.resize(id3v2::RemoveUnsynchronisation(data, payload.size()));
  }
  const auto converted = Payload24As23(frame.idText(), payload);
  if (converted) AppendFrame(out, frame.idText(), *converted);
  return converted.has_value();
}

// Whether a handled frame, as the new tag would keep it (a version 2.3 frame), holds more than
// the reader keeps of it and reads as the text to be written for its slot: then nothing was changed
// there, and writing the frame again from that text would lose the rest of it.
bool KeepsMoreThanItsText(std::string_view frame23, std::size_t slot, const std::string& text) {
  if (text.empty()) return false;
  const auto* data = reinterpret_cast<const std::uint8_t*>(frame23.data());
  const auto header = id3v2::ParseFrameHeader({data, frame23.size()}, 3);
  if (!header) return false;
  const id3v2::FrameContent content = id3v2::ContentOf(*header, id3v2::TagHeader{3, 0, 0});
  const std::size_t start = header->headerSize + content.prefix;
  if (!content.readable || frame23.size() <= start + kFrameTextBytes) return false;
  FrameText read;
  read.present = true;
  read.cut = true;
  read.length = kFrameTextBytes;
  std::copy_n(data + start, kFrameTextBytes, read.bytes.begin());
  return FieldOfFrame(slot, read) == text;
}

// One frame of the old tag into the new one: a version 2.3 frame as it is, a version 2.4 frame
// converted; false when it is dropped.
bool KeepFrame(std::string& kept, std::string_view frameBytes, const id3v2::FrameHeader& frame,
               const id3v2::TagHeader& tag) {
  if (tag.major == 3) {
    kept += frameBytes;
    return true;
  }
  return AppendFrame24As23(kept, frame, tag, std::string(frameBytes.substr(frame.headerSize)));
}

// The frames of the old tag that the new texts do not cover: those of a
// version 2.3 tag as they are (de-unsynchronised if the tag was), those of a
// version 2.4 tag converted to version 2.3 where they can be. A version 2.2 tag
// keeps none: its ids and layouts differ too much. A handled frame that KeepsMoreThanItsText is
// kept too, and its slot of texts emptied so that it is not written twice. Written when they could
// be read.
TagWriteResult KeptFrames(platform::ReadFile& file, const id3v2::TagHeader& tag,
                          ID3v2FrameTexts& texts, std::string& kept) {
  kept.clear();
  if ((tag.major != 3 && tag.major != 4) || tag.tagSize == 0) return TagWriteResult::Written;
  if (tag.tagSize > static_cast<std::int64_t>(kMaxOldTagSize)) return TagWriteResult::TagTooLarge;
  std::string bytes;
  if (!ReadTagIntoMemory(file, tag, kMaxOldTagSize, bytes)) return TagWriteResult::FileUnreadable;
  const auto end = static_cast<std::int64_t>(bytes.size());
  TagByteSource source(bytes);
  ID3v2FrameWalker walker(source, tag, end);
  id3v2::FrameHeader frame;
  std::int64_t offset = 0;
  while (walker.Next(frame, offset)) {
    const std::int64_t length = static_cast<std::int64_t>(frame.headerSize) + frame.size;
    if (offset + length > end) break;  // cut off by the tag's end: not a frame to keep
    const std::string_view frameBytes = std::string_view(bytes).substr(
        static_cast<std::size_t>(offset), static_cast<std::size_t>(length));
    const int slot = id3v2::SlotOf(frame.idText(), tag.major);
    if (slot < 0) {
      KeepFrame(kept, frameBytes, frame, tag);
      continue;
    }
    // A handled frame is written from its text, unless that would lose some of it.
    const auto index = static_cast<std::size_t>(slot);
    std::string frame23;
    if (KeepFrame(frame23, frameBytes, frame, tag) &&
        KeepsMoreThanItsText(frame23, index, texts[index])) {
      kept += frame23;
      texts[index].clear();
    }
  }
  return TagWriteResult::Written;
}

enum class CopyEnd { Done, ReadFailed, WriteFailed };

// Copies the file from `from` to its end; a file that ends early counts as a failed read.
CopyEnd CopyRest(platform::ReadFile& file, std::int64_t from, platform::WriteFile& out) {
  std::vector<char> buffer(kCopyChunk);
  for (std::int64_t pos = from; pos < file.size();) {
    const std::int64_t got = file.readAt(pos, buffer.data(), buffer.size());
    if (got <= 0) return CopyEnd::ReadFailed;
    if (!out.write(buffer.data(), static_cast<std::size_t>(got))) return CopyEnd::WriteFailed;
    pos += got;
  }
  return CopyEnd::Done;
}

// The original, opened, with the new tag and where its audio starts.
struct Replacement {
  std::unique_ptr<platform::ReadFile> file;
  std::string tag;
  std::int64_t audioStart = 0;

  std::int64_t newSize() const {
    return static_cast<std::int64_t>(tag.size()) + file->size() - audioStart;
  }
};

TagWriteResult PrepareReplacement(platform::FileSystem& fs, const std::string& fileName,
                                  const ID3v2FrameTexts& texts, Replacement& replacement) {
  replacement.file = fs.openRead(fileName);
  if (!replacement.file) return TagWriteResult::FileUnreadable;
  platform::ReadFile& file = *replacement.file;
  std::uint8_t head[id3v2::kTagHeaderSize];
  if (file.readAt(0, head, sizeof head) != static_cast<std::int64_t>(sizeof head)) {
    return TagWriteResult::FileUnreadable;
  }
  const auto old = id3v2::ParseTagHeader(head, file.size());
  std::string kept;
  ID3v2FrameTexts written = texts;
  if (old) {
    const TagWriteResult read = KeptFrames(file, *old, written, kept);
    if (read != TagWriteResult::Written) return read;
  }
  auto tag = BuildID3v2Tag(BuildID3v2Frames(written) + kept);
  if (!tag) return TagWriteResult::TagTooLarge;
  replacement.tag = std::move(*tag);
  // A declared size past the end counts as 0: the new tag goes in front of the old one.
  replacement.audioStart = old ? old->tagSize : 0;
  return TagWriteResult::Written;
}

// A new file that could not be made or written: a disk without room for it is the likely
// cause worth naming; the temporary file is gone again, so the room the new file needs is
// all that has to be free.
TagWriteResult WriteFailure(platform::FileSystem& fs, const std::string& fileName,
                            std::int64_t newSize, TagWriteResult otherwise) {
  const std::string folder = FolderPart(fs.linkTarget(fileName));
  const std::int64_t available = fs.freeSpace(folder.empty() ? std::string(".") : folder);
  return available >= 0 && available < newSize ? TagWriteResult::DiskFull : otherwise;
}

}  // namespace

std::string BuildID3v2Frames(const ID3v2FrameTexts& texts) {
  std::string frames;
  for (std::size_t slot = 0; slot < texts.size(); ++slot) {
    if (texts[slot].empty()) continue;
    AppendFrame(frames, ID3v2FrameIds[slot], FramePayload(slot, texts[slot]));
  }
  return frames;
}

std::optional<std::string> BuildID3v2Tag(std::string_view body) {
  if (body.size() > kMaxBodySize) return std::nullopt;
  const auto size = static_cast<std::uint32_t>(body.size());
  std::string tag("ID3\x03\x00\x00", 6);
  for (int shift = 21; shift >= 0; shift -= 7) tag += static_cast<char>((size >> shift) & 0x7F);
  tag += body;
  return tag;
}

TagWriteResult ReplaceID3v2Tag(platform::FileSystem& fs, const std::string& fileName,
                               const ID3v2FrameTexts& texts) {
  if (!fs.fileExists(fileName)) return TagWriteResult::FileMissing;
  Replacement replacement;
  const TagWriteResult prepared = PrepareReplacement(fs, fileName, texts, replacement);
  if (prepared != TagWriteResult::Written) return prepared;
  const std::int64_t newSize = replacement.newSize();
  CopyEnd copied = CopyEnd::Done;
  // The new tag, then the audio of the original from where its old tag ended.
  const platform::ReplaceResult replaced =
      platform::TryReplaceFileAtomically(fs, fileName, "~", [&](platform::WriteFile& out) {
        copied = out.write(replacement.tag.data(), replacement.tag.size())
                     ? CopyRest(*replacement.file, replacement.audioStart, out)
                     : CopyEnd::WriteFailed;
        replacement.file.reset();  // the original is closed before it is replaced
        return copied == CopyEnd::Done;
      });
  switch (replaced) {
    case platform::ReplaceResult::Replaced:
      return TagWriteResult::Written;
    case platform::ReplaceResult::TemporaryNotCreated:
      return WriteFailure(fs, fileName, newSize, TagWriteResult::FolderNotWritable);
    case platform::ReplaceResult::NotWritten:
      if (copied == CopyEnd::ReadFailed) return TagWriteResult::FileUnreadable;
      return WriteFailure(fs, fileName, newSize, TagWriteResult::NotWritten);
    case platform::ReplaceResult::NotRenamed:
      return TagWriteResult::NotReplaced;
  }
  return TagWriteResult::NotWritten;
}
