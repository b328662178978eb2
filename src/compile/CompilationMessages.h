#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// The messages of "Create MP3 Compilation". "\r\n" is the message box's line break.

inline constexpr char kEmptyPlaylistMessage[] =
    "MP3 Playlist is empty!\r\nAdd MP3s to playlist first,\r\n"
    "and then click on Create MP3 Compilation...";
inline constexpr char kCannotCreateFolderMessage[] = "Cannot create folder.";
inline constexpr char kCancelledMessage[] = "Cancelled by User.";
// The instruction of the destination folder dialog.
inline constexpr char kSelectDestinationTitle[] = "Select a destination folder";

// At most this many names are listed in a message; the rest are counted.
inline constexpr std::size_t kMaxListedFiles = 20;

// The playlist names files that do not exist.
std::string MissingFilesCompilationMessage(int missing);
// Asked before copying files that hold no MPEG audio.
std::string UnplayableFilesQuestion(const std::vector<std::string>& files);
// drive: where space is lacking (the new folder's path here: there are no drive letters).
std::string NotEnoughSpaceMessage(const std::string& drive, std::int64_t totalSize);
std::string CompilationSuccessMessage(const std::string& folder);
// Every other file arrived in folder; these (source paths) did not. leftBehind: the incomplete
// copies in folder that could not be removed, named after the rest.
std::string FilesNotCopiedMessage(const std::string& folder,
                                  const std::vector<std::string>& notCopied,
                                  const std::vector<std::string>& leftBehind = {});
// Cancelled after some files could not be copied: those are named too, and leftBehind as above.
std::string CancelledMessage(const std::vector<std::string>& notCopied,
                             const std::vector<std::string>& leftBehind = {});

// The list of the missing files, where their paths are known (the command line).
std::string MissingFilesListMessage(const std::vector<std::string>& missingFiles);
