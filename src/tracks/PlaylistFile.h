#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/FileSystem.h"

// One playlist entry split into its parts.
struct plTrack {
  std::string TrackName;  // empty when the entry gave none
  std::string FilePath;
};

// "name|path" → {name, path}, split at the first "|"; text without "|" is a bare path.
plTrack SplitItem(std::string_view itemText);

// ---- reading (M3U and PLS alike) ----

struct PlaylistReadResult {
  int missing = 0;                   // track lines whose file does not exist
  std::optional<std::string> error;  // set when the file exists but cannot be read
  // The paths of the track lines whose file does not exist, in order.
  std::vector<std::string> missingFiles;
};

// Appends "name|path" for every track line of the playlist file whose file
// exists and counts the others. A path that does not exist yields nothing. A
// file that cannot be read, or is larger than kMaxPlaylistFileSize, yields the
// error text and leaves list unchanged.
PlaylistReadResult ReadPlaylistFile(const std::string& path, std::vector<std::string>& list,
                                    platform::FileSystem& fs = platform::localFileSystem());

// Files larger than this are refused unread: a playlist of ten thousand tracks is a few
// megabytes, and a large file of another kind must not be read to its end.
inline constexpr std::int64_t kMaxPlaylistFileSize = 64 * 1024 * 1024;

// Lines longer than this are skipped: no path is that long, and a binary file
// must not grow one line without bound.
inline constexpr std::size_t kMaxPlaylistLine = 64 * 1024;

// The full path a track line names as it stands: the line itself when it begins
// with "/", else the line in the playlist's folder ("./" in front names that
// folder). The reader takes this path when its file exists.
std::string LiteralTrackPath(std::string_view line, const std::string& playlistPath);

// The full path a track line names when read the lenient way, which the reader
// takes when the literal path names no file: a PLS key ("File1=") is dropped, and
// lines written on Windows ("\" separators, "C:\" in front) are read with "/"
// and without the drive letter. A letter and a colon without a separator after
// them begin a name, not a drive.
std::string ResolveTrackLine(std::string_view line, const std::string& playlistPath);

// ---- writing M3U ----

struct M3UEntry {
  std::string trackName;
  std::string path;       // full path
  double duration = 0.0;  // seconds
};

// How a track's path is written: relative when the track lies in the playlist's
// folder or below it, else in full. A relative path that a reader could take for
// another kind of line (a "#" line, a PLS key, a drive or a root) gets "./" in
// front, so that it is read as this path and no other.
std::string M3UTrackPath(const std::string& playlistPath, const std::string& trackPath);

// The bytes of an M3U file for the entries, UTF-8, lines ended by CR LF. A CR or LF
// inside a name or path becomes a blank: a file of one path per line cannot hold
// it, so such a track is missing when the file is read back.
std::string ComposeM3U(const std::string& playlistPath, const std::vector<M3UEntry>& entries);

// Writes bytes to a temporary file beside path and renames it over path, so a
// failure at any point leaves the old file as it was. False on failure.
bool ReplaceFileContents(const std::string& path, std::string_view bytes,
                         platform::FileSystem& fs = platform::localFileSystem());

// The texts of the error box for files that cannot be read or written.
std::string ReadErrorText(const std::string& path);
std::string WriteErrorText(const std::string& path);
// The question before a save dialog's file replaces one of that name.
std::string ReplaceQuestion(const std::string& path);

// The information shown after entries of a playlist file were skipped because their file
// does not exist; "\r\n" is the box's line break.
std::string MissingFilesMessage(int missing);
