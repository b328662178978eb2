#include "platform/PathParts.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct PathCase {
  std::string path;
  std::string folder;
  std::string fileName;
  std::string withoutExtension;
};

TEST(PathPartsTest, SplitsPaths) {
  const std::vector<PathCase> cases = {
      {"/music/rock/song.mp3", "/music/rock/", "song.mp3", "/music/rock/song"},
      {"song.mp3", "", "song.mp3", "song"},
      {"/music/", "/music/", "", "/music/"},
      {"/", "/", "", "/"},
      {"", "", "", ""},
      {"/a.b/c", "/a.b/", "c", "/a.b/c"},  // a dot in a folder is no extension
      {"/home/u/.songloom", "/home/u/", ".songloom", "/home/u/.songloom"},  // hidden file
      {"/x/list.", "/x/", "list.", "/x/list"},
      {"/x/mix.tar.gz", "/x/", "mix.tar.gz", "/x/mix.tar"},
      {"My Mix", "", "My Mix", "My Mix"},
  };
  for (const PathCase& c : cases) {
    SCOPED_TRACE(c.path);
    EXPECT_EQ(FolderPart(c.path), c.folder);
    EXPECT_EQ(FileNamePart(c.path), c.fileName);
    EXPECT_EQ(RemoveExtension(c.path), c.withoutExtension);
    EXPECT_EQ(ChangeExtension(c.path, ".m3u"), c.withoutExtension + ".m3u");
  }
}

}  // namespace
