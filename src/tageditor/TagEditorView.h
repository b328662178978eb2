#pragma once

#include <string>

#include "metadata/TrackInfo.h"
#include "tageditor/TagTexts.h"

// What TfrmID3Tag shows of one file: its path, the three stream labels as they read, and the
// six texts of its fields.
struct TagEditorView {
  std::string edtFile;
  std::string lblSize;
  std::string lblDuration;
  std::string lblBitrate;
  TagTexts texts;
};

// The view of fileName from its track information.
TagEditorView MakeTagEditorView(const std::string& fileName, const recMP3Info& info);
