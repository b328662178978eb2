// The whole track information of a file whose bytes are the input: MPEG stream analysis, VBR
// headers, encoder mark, ID3v1 and ID3v2. Besides not crashing, what the lists show must be sane:
// the file's size (0 without a frame), a finite playing time that is not negative, and texts in
// valid UTF-8.
#include <cmath>
#include <cstdint>
#include <string>

#include "FuzzCheck.h"
#include "metadata/MPEGaudio.h"
#include "metadata/TextCodec.h"
#include "metadata/TrackInfo.h"
#include "platform/MemoryFileSystem.h"

namespace {

void CheckUtf8(const char* field, const std::string& text) {
  if (SanitizeUtf8(text) != text)
    FailProperty(std::string(field) + " is not UTF-8: " + Quoted(text));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string path = "/music/track.mp3";
  platform::MemoryFileSystem fs;
  fs.addFile(path, InputBytes(data, size));
  TMPEGaudio analyser(fs);
  recMP3Info info;
  ReadTrackInfo(analyser, path, info);

  // A file without a frame is a row of zeros, its size included.
  const std::int64_t shownSize = analyser.frame().found ? static_cast<std::int64_t>(size) : 0;
  if (info.size != shownSize)
    FailProperty("size " + std::to_string(info.size) + " for a file of " + std::to_string(size));
  if (!analyser.frame().found && (info.duration != 0 || info.bitrate != 0 || !info.title.empty()))
    FailProperty("a file without a frame shows a playing time, bit rate or title");
  if (!std::isfinite(info.duration) || info.duration < 0)
    FailProperty("playing time " + std::to_string(info.duration));
  if (info.bitrate < 0) FailProperty("bit rate " + std::to_string(info.bitrate));
  CheckUtf8("title", info.title);
  CheckUtf8("artist", info.artist);
  CheckUtf8("album", info.album);
  CheckUtf8("year", info.year);
  CheckUtf8("genre", info.genre);
  CheckUtf8("comment", info.comment);
  CheckUtf8("track name", ComposeTrackName(info, path));
  return 0;
}
