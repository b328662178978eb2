#include "tageditor/TagEditorView.h"

#include "tracks/TrackTexts.h"

TagEditorView MakeTagEditorView(const std::string& fileName, const recMP3Info& info) {
  TagEditorView view;
  view.edtFile = fileName;
  view.lblSize = "Size:          " + SizeText(info.size);
  view.lblDuration = "Duration:    " + DurationText(info.duration);
  view.lblBitrate = "Bitrate:       " + std::to_string(info.bitrate) + " kbps";
  view.texts = TagTextsOf(info);
  return view;
}
