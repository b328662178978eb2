#pragma once

#include <string>
#include <string_view>

// What a row of a track grid holds.
enum class ItemKind {
  Mp3,        // an MP3 file, read for its stream and tags
  Folder,     // a subfolder of a listed folder
  OtherFile,  // any other file: the commands take it for a playlist file (M3U, PLS)
};

// One item for the row filler, taken apart once where it enters the program: the listing and
// the searches give paths, which are never split; the playlist reader gives "name|path"
// entries, which are split at their first "|" (a name never holds one: the reader writes "¦").
struct GridItem {
  std::string name;  // the track name a playlist entry gave; empty when none
  std::string path;  // the full path, a folder's without a trailing "/"
  ItemKind kind = ItemKind::OtherFile;
  std::string type;  // the "Type" cell: "FOLDER", or the extension upper-cased without the dot

  // The last path component, extension kept; a folder's own name.
  std::string fileName() const;
};

// The "Type" texts of the two kinds the commands tell apart.
inline constexpr std::string_view kTypeMp3 = "MP3";
inline constexpr std::string_view kTypeFolder = "FOLDER";

// The kind of a row from its "Type" cell.
ItemKind KindOfType(std::string_view type);

// A file by its full path.
GridItem FileItem(std::string_view path);
// The subfolder `name` of the folder `parent` (with or without a trailing "/").
GridItem FolderItem(std::string_view parent, std::string_view name);
// A playlist entry as the playlist reader gives it: the track name, "|" and the file's path;
// text without "|" is a path.
GridItem EntryItem(std::string_view entry);
