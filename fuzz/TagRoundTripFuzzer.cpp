// The tag writer's round trip on a file whose bytes are the input: read its tag, set the six texts
// to pieces of the input, store, read back. The texts come back as set (after the setters' trim),
// the texts the writer does not set come back as they were read, and the audio after the tag is
// unchanged byte for byte. With a write failure switched on at a point the input chooses, the file
// stays byte for byte as it was and no temporary file is left.
//
// The last kControlBytes bytes of the input (still part of the file) choose the pieces and the
// failure, so any MP3 file is a seed.
#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "FuzzCheck.h"
#include "metadata/ID3v2.h"
#include "metadata/ID3v2FrameDowngrade.h"
#include "metadata/ID3v2FrameText.h"
#include "metadata/TextCodec.h"
#include "platform/MemoryFileSystem.h"

namespace {

constexpr std::size_t kControlBytes = 16;
// A piece of at most this many bytes has as many UTF-16 units at most, so its frame fits the
// bytes the reader keeps of a frame (kFrameTextBytes) in either encoding.
constexpr std::size_t kMaxPieceBytes = 60;
constexpr std::size_t kTextCount = 6;
const std::string kPath = "/music/track.mp3";

struct Plan {
  std::array<std::string, kTextCount> texts;  // title, artist, album, year, genre, comment
  platform::MemoryFileSystem::Faults faults;
};

// A piece of the input as valid UTF-8 (the editor hands the tag UTF-8) without zero characters,
// which end a string inside a frame.
std::string TextOf(std::string_view piece) {
  std::string text = SanitizeUtf8(piece);
  std::erase(text, '\0');
  return text;
}

Plan PlanOf(std::string_view input) {
  std::array<std::uint8_t, kControlBytes> control{};
  const std::size_t n = std::min(input.size(), kControlBytes);
  std::copy_n(input.end() - static_cast<std::ptrdiff_t>(n), n, control.end() - n);
  Plan plan;
  for (std::size_t i = 0; i < kTextCount; ++i) {
    const std::size_t offset = control[2 * i] * input.size() / 256;
    plan.texts[i] = TextOf(input.substr(offset, control[2 * i + 1] % (kMaxPieceBytes + 1)));
  }
  const int failure = control[12] % 8;  // 5 to 7: none
  plan.faults.create = failure == 0;
  if (failure == 1) plan.faults.writeLimit = control[13] | control[14] << 8;
  plan.faults.flush = failure == 2;
  plan.faults.close = failure == 3;
  plan.faults.rename = failure == 4;
  return plan;
}

void SetTexts(TID3v2& tag, const Plan& plan) {
  tag.SetTitle(plan.texts[0]);
  tag.SetArtist(plan.texts[1]);
  tag.SetAlbum(plan.texts[2]);
  tag.SetYear(plan.texts[3]);
  tag.SetGenre(plan.texts[4]);
  tag.SetComment(plan.texts[5]);
}

void CheckEqual(const char* field, const std::string& expected, const std::string& back) {
  if (back != expected)
    FailProperty(std::string(field) + " stored as " + Quoted(expected) + " came back as " +
                 Quoted(back));
}

// A UTF-16 reader takes U+FEFF or U+FFFE right after a zero character for the byte-order mark of
// the next string of a list. Only a list of values (version 2.4) gives a text such a pair, and in
// a UTF-16 frame it cannot come back as it was.
bool HasMarkAfterZero(std::string_view text) {
  using namespace std::string_view_literals;
  return text.find("\0\xEF\xBB\xBF"sv) != text.npos || text.find("\0\xEF\xBF\xBE"sv) != text.npos;
}

// A text the writer keeps from the old tag comes back when its frame fits what the reader keeps.
void CheckKept(const char* field, const std::string& before, const std::string& back) {
  // Encoding byte and text; a link has one byte more, the end of its empty description.
  const bool fits = 2 + EncodeId3v23Text(before).bytes.size() <= kFrameTextBytes;
  if (fits && !HasMarkAfterZero(before)) CheckEqual(field, before, back);
}

void CheckTexts(const Plan& plan, const TID3v2& before, const TID3v2& back) {
  CheckEqual("title", TrimText(plan.texts[0]), back.title());
  CheckEqual("artist", TrimText(plan.texts[1]), back.artist());
  CheckEqual("album", TrimText(plan.texts[2]), back.album());
  CheckEqual("year", TrimText(plan.texts[3]), back.year());
  // A genre is read as the text after its last ")", so "(17)Rock" gives "Rock".
  std::string genre = TrimText(plan.texts[4]);
  genre.erase(0, genre.rfind(')') + 1);  // npos + 1 is 0: nothing to erase
  CheckEqual("genre", genre, back.genre());
  CheckEqual("comment", TrimText(plan.texts[5]), back.comment());
  CheckKept("composer", before.composer(), back.composer());
  CheckKept("encoded by", before.encodedBy(), back.encodedBy());
  CheckKept("copyright", before.copyright(), back.copyright());
  CheckKept("language", before.language(), back.language());
  CheckKept("link", before.link(), back.link());
  if (back.track() != before.track())
    FailProperty("track " + std::to_string(before.track()) + " came back as " +
                 std::to_string(back.track()));
}

// The new tag is a version 2.3 tag, and after it follows what followed the old one.
void CheckAudio(const std::string& input, std::int64_t oldTagSize, const std::string& now) {
  if (now.size() < 10 || !now.starts_with(std::string_view("ID3\x03\x00\x00", 6)))
    FailProperty("the stored file does not begin with a version 2.3 tag header");
  std::size_t tagSize = 10;
  for (std::size_t i = 6; i < 10; ++i) {
    const auto byte = static_cast<unsigned char>(now[i]);
    if (byte > 0x7F) FailProperty("the new tag's size is not in 7-bit groups");
    tagSize += static_cast<std::size_t>(byte) << (7 * (9 - i));
  }
  const std::string_view audio =
      std::string_view(input).substr(static_cast<std::size_t>(oldTagSize));
  if (tagSize > now.size() || std::string_view(now).substr(tagSize) != audio)
    FailProperty("the audio after the tag changed: " + std::to_string(audio.size()) +
                 " bytes after an old tag of " + std::to_string(oldTagSize) + " became " +
                 std::to_string(now.size() - std::min(tagSize, now.size())) +
                 " bytes after a new tag of " + std::to_string(tagSize));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string input = InputBytes(data, size);
  const Plan plan = PlanOf(input);
  platform::MemoryFileSystem fs;
  fs.addFile(kPath, input);
  TID3v2 before(fs);
  before.LoadTag(kPath);
  TID3v2 tag = before;
  SetTexts(tag, plan);

  fs.faults = plan.faults;
  const bool stored = tag.StoreTag(kPath);
  fs.faults = {};
  if (!fs.content(kPath)) FailProperty("the file is gone");
  for (const std::string& path : fs.filePaths())
    if (path != kPath) FailProperty("a temporary file was left: " + Quoted(path));
  const std::string& now = *fs.content(kPath);
  if (fs.faultsHit > 0 || !stored) {
    if (stored) FailProperty("a failed write was reported as stored");
    if (fs.faultsHit == 0 && input.size() >= 10) FailProperty("storing failed without a fault");
    if (now != input) FailProperty("a failed store changed the file");
    return 0;
  }
  CheckAudio(input, before.tagSize(), now);
  TID3v2 back(fs);
  back.LoadTag(kPath);
  CheckTexts(plan, before, back);
  return 0;
}
