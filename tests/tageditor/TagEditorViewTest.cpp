#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tageditor/TagEditorView.h"

namespace {

TEST(TagEditorViewTest, TheLabelsReadAsStoredWithTheFilesFigures) {
  struct Case {
    const char* name;
    recMP3Info info;
    std::string size, duration, bitrate;
  };
  recMP3Info tagged;
  tagged.duration = 225.9;
  tagged.bitrate = 128;
  tagged.size = 3670016;
  tagged.title = "T";
  tagged.genre = "My Own Genre";
  const std::vector<Case> cases = {
      {"a track", tagged, "Size:          3.50 MB", "Duration:    03:45",
       "Bitrate:       128 kbps"},
      {"a file that is gone", recMP3Info{}, "Size:          0", "Duration:    00:00",
       "Bitrate:       0 kbps"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const TagEditorView view = MakeTagEditorView("/music/a.mp3", c.info);
    EXPECT_EQ(view.edtFile, "/music/a.mp3");
    EXPECT_EQ(view.lblSize, c.size);
    EXPECT_EQ(view.lblDuration, c.duration);
    EXPECT_EQ(view.lblBitrate, c.bitrate);
    EXPECT_EQ(view.texts, TagTextsOf(c.info));
  }
  EXPECT_EQ(TagTextsOf(tagged).genre, "My Own Genre");  // not one of the list's: shown as it is
}

}  // namespace
