#include "tracks/GridItem.h"

#include "platform/PathParts.h"
#include "tracks/PlaylistFile.h"

std::string GridItem::fileName() const { return FileNamePart(path); }

ItemKind KindOfType(std::string_view type) {
  if (type == kTypeMp3) return ItemKind::Mp3;
  return type == kTypeFolder ? ItemKind::Folder : ItemKind::OtherFile;
}

GridItem FileItem(std::string_view path) {
  GridItem item;
  item.path = std::string(path);
  item.type = UpperExtension(path);
  // By its extension a file is an MP3 or not; a file named "x.folder" is no folder.
  item.kind = item.type == kTypeMp3 ? ItemKind::Mp3 : ItemKind::OtherFile;
  return item;
}

GridItem FolderItem(std::string_view parent, std::string_view name) {
  GridItem item;
  item.path = std::string(parent);
  if (!item.path.ends_with('/')) item.path += '/';
  item.path += name;
  item.kind = ItemKind::Folder;
  item.type = std::string(kTypeFolder);
  return item;
}

GridItem EntryItem(std::string_view entry) {
  plTrack track = SplitItem(entry);
  GridItem item = FileItem(track.FilePath);
  item.name = std::move(track.TrackName);
  return item;
}
