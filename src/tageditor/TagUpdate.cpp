#include "tageditor/TagUpdate.h"

TagEditSource ReadTagForEditing(TMPEGaudio& analyser, const std::string& fileName) {
  TagEditSource source;
  ReadTrackInfo(analyser, fileName, source.info);
  source.tag = analyser.id3v2();
  return source;
}

TagWriteResult StoreEditedTag(TID3v2 tag, const TagTexts& texts, const std::string& fileName) {
  tag.SetTitle(texts.title);
  tag.SetArtist(texts.artist);
  tag.SetAlbum(texts.album);
  tag.SetYear(texts.year);
  tag.SetGenre(texts.genre);
  tag.SetComment(texts.comment);
  return tag.WriteTag(fileName);
}
