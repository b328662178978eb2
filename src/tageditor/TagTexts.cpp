#include "tageditor/TagTexts.h"

TagTexts TagTextsOf(const recMP3Info& info) {
  return {info.title, info.artist, info.album, info.year, info.genre, info.comment};
}
