#include "tracks/PlaylistFile.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <utility>

#include "platform/PathParts.h"

namespace {

constexpr std::string_view kExtInf = "#EXTINF:";
constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
// A "|" inside a track name would end the name early when the item text is split;
// the broken bar looks the same to the reader of the name.
constexpr std::string_view kNameBar = "\xC2\xA6";
constexpr std::size_t kReadChunk = 64 * 1024;
constexpr std::string_view kTempSuffix = ".songloom-tmp";

bool ContainsUpperMp3(std::string_view line) {
  for (std::size_t i = 0; i + 4 <= line.size(); ++i) {
    if (line[i] == '.' && (line[i + 1] | 0x20) == 'm' && (line[i + 2] | 0x20) == 'p' &&
        line[i + 3] == '3')
      return true;
  }
  return false;
}

bool StartsWithFileKey(std::string_view line) {
  constexpr std::string_view kFile = "file";
  if (line.size() < kFile.size()) return false;
  for (std::size_t i = 0; i < kFile.size(); ++i)
    if ((line[i] | 0x20) != kFile[i]) return false;
  return true;
}

bool IsAsciiLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

bool StartsWithDriveLetter(std::string_view path) {
  return path.size() >= 2 && IsAsciiLetter(path[0]) && path[1] == ':';
}

// What a reader could take for another kind of line than this relative path: a comment or name
// line, a PLS key, a drive ("C:" or "C:\"), a drive's root ("\"), this machine's root, or the
// "./" the writer puts in front of all these.
bool LooksLikeAnotherForm(std::string_view relative) {
  return relative.starts_with('#') || relative.starts_with('\\') || relative.starts_with('/') ||
         relative.starts_with("./") ||
         StartsWithDriveLetter(relative) ||
         (StartsWithFileKey(relative) && relative.find('=') != std::string_view::npos);
}

// A path relative to the playlist's folder made full. One "./" in front names that folder; what
// follows it is kept as written, so that the writer's "./" + "/x.mp3" comes back exactly.
std::string InPlaylistFolder(std::string_view relative, const std::string& playlistPath) {
  if (relative.starts_with("./")) relative.remove_prefix(2);
  return FolderPart(playlistPath) + std::string(relative);
}

std::string TooLargeErrorText(const std::string& path) {
  return ReadErrorText(path) + " The file is larger than " +
         std::to_string(kMaxPlaylistFileSize / (1024 * 1024)) + " MB and is not a playlist.";
}

std::string ReplaceAll(std::string_view text, char from, std::string_view to) {
  std::string result;
  result.reserve(text.size());
  for (char c : text) {
    if (c == from)
      result += to;
    else
      result += c;
  }
  return result;
}

// CR and LF inside a name or path would start a new line of the file.
std::string OneLine(std::string_view text) {
  std::string result(text);
  std::replace(result.begin(), result.end(), '\r', ' ');
  std::replace(result.begin(), result.end(), '\n', ' ');
  return result;
}

// Interprets the lines of one playlist file in order.
class LineInterpreter {
 public:
  LineInterpreter(const std::string& playlistPath, platform::FileSystem& fs)
      : playlistPath_(playlistPath), fs_(fs) {}

  void line(std::string_view text) {
    // Only at the start of a line: a track's path may hold these characters too.
    if (text.starts_with(kExtInf)) {
      std::string_view rest = text.substr(kExtInf.size());
      const std::size_t comma = rest.find(',');
      if (comma != std::string_view::npos) rest.remove_prefix(comma + 1);
      pendingName_ = ReplaceAll(rest, '|', kNameBar);
      return;
    }
    if (!ContainsUpperMp3(text)) return;
    const std::string path = ExistingTrack(text);
    if (!path.empty())
      items_.push_back(pendingName_ + "|" + path);
    else
      missingFiles_.push_back(ResolveTrackLine(text, playlistPath_));
    pendingName_.clear();
  }

  std::vector<std::string>& items() { return items_; }
  std::vector<std::string>& missingFiles() { return missingFiles_; }

 private:
  // The existing file a track line names: as it stands first, so that a name holding "\", ":"
  // or "=" is found; then read the lenient way. Empty when neither names a file.
  std::string ExistingTrack(std::string_view text) {
    // No file can have a zero byte in its name; the C interface would cut the path there.
    if (text.find('\0') != std::string_view::npos) return std::string();
    const std::string literal = LiteralTrackPath(text, playlistPath_);
    if (fs_.fileExists(literal)) return literal;
    const std::string lenient = ResolveTrackLine(text, playlistPath_);
    if (lenient != literal && fs_.fileExists(lenient)) return lenient;
    return std::string();
  }

  const std::string& playlistPath_;
  platform::FileSystem& fs_;
  std::string pendingName_;
  std::vector<std::string> items_;
  std::vector<std::string> missingFiles_;
};

// Cuts a byte stream into lines. A line ends at LF, CR LF or a CR alone (files of
// old Macs end lines so); a UTF-8 byte order mark at the start is dropped; lines
// longer than kMaxPlaylistLine are skipped whole.
class LineSplitter {
 public:
  explicit LineSplitter(LineInterpreter& sink) : sink_(sink) {}

  void feed(std::string_view bytes) {
    for (char c : bytes) {
      const bool lfAfterCr = c == '\n' && afterCr_;
      afterCr_ = c == '\r';
      if (lfAfterCr) continue;
      if (c == '\r' || c == '\n') {
        endLine();
      } else if (line_.size() < kMaxPlaylistLine) {
        line_ += c;
      } else {
        tooLong_ = true;
      }
    }
  }

  void finish() {
    if (!line_.empty() || tooLong_) endLine();
  }

 private:
  void endLine() {
    std::string_view text = line_;
    if (firstLine_ && text.starts_with(kUtf8Bom)) text.remove_prefix(kUtf8Bom.size());
    firstLine_ = false;
    if (!tooLong_) sink_.line(text);
    line_.clear();
    tooLong_ = false;
  }

  LineInterpreter& sink_;
  std::string line_;
  bool firstLine_ = true;
  bool afterCr_ = false;
  bool tooLong_ = false;
};

}  // namespace

plTrack SplitItem(std::string_view itemText) {
  const std::size_t bar = itemText.find('|');
  if (bar == std::string_view::npos) return {std::string(), std::string(itemText)};
  return {std::string(itemText.substr(0, bar)), std::string(itemText.substr(bar + 1))};
}

std::string LiteralTrackPath(std::string_view line, const std::string& playlistPath) {
  if (line.starts_with('/')) return std::string(line);
  return InPlaylistFolder(line, playlistPath);
}

std::string ResolveTrackLine(std::string_view line, const std::string& playlistPath) {
  if (StartsWithFileKey(line)) {
    const std::size_t equals = line.find('=');
    if (equals != std::string_view::npos) line.remove_prefix(equals + 1);
  }
  std::string path = ReplaceAll(line, '\\', "/");
  if (StartsWithDriveLetter(path) && path.size() > 2 && path[2] == '/') path.erase(0, 2);
  return LiteralTrackPath(path, playlistPath);
}

PlaylistReadResult ReadPlaylistFile(const std::string& path, std::vector<std::string>& list,
                                    platform::FileSystem& fs) {
  PlaylistReadResult result;
  if (!fs.fileExists(path)) return result;
  auto file = fs.openRead(path);
  if (!file) {
    result.error = ReadErrorText(path);
    return result;
  }
  if (file->size() > kMaxPlaylistFileSize) {
    result.error = TooLargeErrorText(path);
    return result;
  }
  LineInterpreter interpreter(path, fs);
  LineSplitter splitter(interpreter);
  std::string chunk(kReadChunk, '\0');
  // Read no further than the size at opening, so a file that keeps growing ends.
  const std::int64_t size = file->size();
  for (std::int64_t offset = 0; offset < size;) {
    const auto want = static_cast<std::size_t>(
        std::min<std::int64_t>(size - offset, static_cast<std::int64_t>(chunk.size())));
    const std::int64_t got = file->readAt(offset, chunk.data(), want);
    if (got < 0) {
      result.error = ReadErrorText(path);
      return result;
    }
    if (got == 0) break;  // the file shrank since it was opened
    splitter.feed(std::string_view(chunk.data(), static_cast<std::size_t>(got)));
    offset += got;
  }
  splitter.finish();
  std::vector<std::string>& items = interpreter.items();
  list.insert(list.end(), std::make_move_iterator(items.begin()),
              std::make_move_iterator(items.end()));
  result.missingFiles = std::move(interpreter.missingFiles());
  result.missing = static_cast<int>(result.missingFiles.size());
  return result;
}

std::string M3UTrackPath(const std::string& playlistPath, const std::string& trackPath) {
  const std::string playlistFolder = FolderPart(playlistPath);
  const std::string trackFolder = FolderPart(trackPath);
  if (trackFolder.compare(0, playlistFolder.size(), playlistFolder) != 0) return trackPath;
  const std::string relative = trackPath.substr(playlistFolder.size());
  return LooksLikeAnotherForm(relative) ? "./" + relative : relative;
}

std::string ComposeM3U(const std::string& playlistPath, const std::vector<M3UEntry>& entries) {
  std::string text = "#EXTM3U\r\n";
  for (const M3UEntry& entry : entries) {
    long long seconds = 0;
    if (entry.duration >= 1.0)  // also false for NaN
      seconds = static_cast<long long>(
          std::min(std::trunc(entry.duration),
                   static_cast<double>(std::numeric_limits<std::int32_t>::max())));
    text += "#EXTINF: " + std::to_string(seconds) + "," + OneLine(entry.trackName) + "\r\n";
    text += OneLine(M3UTrackPath(playlistPath, entry.path)) + "\r\n";
  }
  return text;
}

bool ReplaceFileContents(const std::string& path, std::string_view bytes,
                         platform::FileSystem& fs) {
  return platform::ReplaceFileAtomically(
      fs, path, std::string(kTempSuffix),
      [bytes](platform::WriteFile& file) { return file.write(bytes.data(), bytes.size()); });
}

std::string ReadErrorText(const std::string& path) { return "Cannot read file \"" + path + "\"."; }

std::string WriteErrorText(const std::string& path) {
  return "Cannot write file \"" + path + "\".";
}

std::string ReplaceQuestion(const std::string& path) {
  return "File " + FileNamePart(path) + " already exists. Replace?";
}

std::string MissingFilesMessage(int missing) {
  return std::to_string(missing) +
         " MP3 files were not added to MP3 Playlist\r\nbecause they don't exist on specified "
         "locations.";
}
