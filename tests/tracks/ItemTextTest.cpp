#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tracks/ItemText.h"

namespace {

TEST(ItemTextTest, SplitsNamePathAndType) {
  struct Case {
    std::string item;
    ItemText expected;
  };
  const std::vector<Case> cases = {
      {"Intro|/m/a.mp3", {"Intro", "/m/a.mp3", "a.mp3", "MP3", false}},
      {"/m/a.mp3", {"", "/m/a.mp3", "a.mp3", "MP3", false}},
      {"A|B|/m/x.y.Pls", {"A", "B|/m/x.y.Pls", "x.y.Pls", "PLS", false}},
      {"/m.d/noext", {"", "/m.d/noext", "noext", "", false}},
      {"*/Music/[Live]", {"", "/Music/Live", "Live", "FOLDER", true}},
      {"*/Music [old]/[[Live] 2005]",
       {"", "/Music [old]/[Live] 2005", "[Live] 2005", "FOLDER", true}},
      {"*/[home]", {"", "/home", "home", "FOLDER", true}},
      {"Name|*/a/[b.mp3]", {"Name", "/a/b.mp3", "b.mp3", "FOLDER", true}},
      {"", {"", "", "", "", false}},
      {"*", {"", "", "", "FOLDER", true}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.item);
    const ItemText parts = ParseItemText(c.item);
    EXPECT_EQ(parts.name, c.expected.name);
    EXPECT_EQ(parts.path, c.expected.path);
    EXPECT_EQ(parts.fileName, c.expected.fileName);
    EXPECT_EQ(parts.type, c.expected.type);
    EXPECT_EQ(parts.folder, c.expected.folder);
  }
}

}  // namespace
