#pragma once

#include <string>

#include "metadata/ID3v2.h"
#include "metadata/MPEGaudio.h"
#include "metadata/TagWriteResult.h"
#include "metadata/TrackInfo.h"
#include "tageditor/TagTexts.h"

// A file's track information and the ID3v2 values read with it, kept apart from the analyser
// that read them: while the editor is open the player may read other files with that analyser,
// and the update must be built from what was read for this file.
struct TagEditSource {
  recMP3Info info;
  TID3v2 tag;
};

TagEditSource ReadTagForEditing(TMPEGaudio& analyser, const std::string& fileName);

// Sets the six texts (each trimmed) on the values read and stores them as a version 2.3 tag: the
// other six fields are written back as they were read, and frames the tag object does not handle
// are kept. The file's ID3v1 tag and audio stay as they are.
TagWriteResult StoreEditedTag(TID3v2 tag, const TagTexts& texts, const std::string& fileName);
