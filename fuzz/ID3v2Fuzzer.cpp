// The ID3v2 reader on a file that starts with the input and goes on with a few valid MPEG frames,
// as a tagged MP3 file does. Besides not crashing: the tag lies within the file, and every text is
// valid UTF-8 and bounded, since only the first bytes of a frame are kept.
#include <cstdint>
#include <string>

#include "FuzzCheck.h"
#include "metadata/ID3v2.h"
#include "metadata/ID3v2FrameText.h"
#include "metadata/TextCodec.h"
#include "platform/MemoryFileSystem.h"
#include "support/Mp3Builder.h"

namespace {

// Decoding turns one byte into at most three (a Latin-1 or stray byte into U+FFFD).
constexpr std::size_t kMaxTextBytes = 3 * kFrameTextBytes;

void CheckText(const char* field, const std::string& text) {
  if (SanitizeUtf8(text) != text)
    FailProperty(std::string(field) + " is not UTF-8: " + Quoted(text));
  if (text.size() > kMaxTextBytes)
    FailProperty(std::string(field) + " holds " + std::to_string(text.size()) + " bytes");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::string audio = Mp3Frames(MpegFrame{}, 4);
  const std::string path = "/music/tagged.mp3";
  const std::string file = InputBytes(data, size) + audio;
  platform::MemoryFileSystem fs;
  fs.addFile(path, file);
  TID3v2 tag(fs);
  if (!tag.LoadTag(path)) FailProperty("the header of a readable file was not read");

  if (tag.exists() != file.starts_with("ID3")) FailProperty("a tag where none begins, or none");
  if (tag.tagSize() < 0 || tag.tagSize() > static_cast<std::int64_t>(file.size()))
    FailProperty("tag size " + std::to_string(tag.tagSize()) + " in a file of " +
                 std::to_string(file.size()));
  CheckText("title", tag.title());
  CheckText("artist", tag.artist());
  CheckText("album", tag.album());
  CheckText("year", tag.year());
  CheckText("genre", tag.genre());
  CheckText("comment", tag.comment());
  CheckText("composer", tag.composer());
  CheckText("encoded by", tag.encodedBy());
  CheckText("copyright", tag.copyright());
  CheckText("language", tag.language());
  CheckText("link", tag.link());
  return 0;
}
