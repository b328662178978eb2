#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "compile/ChooseExportFile.h"
#include "compile/ExportFormat.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDir.h"

namespace {

TEST(ChooseExportFileTest, FilterExtensions) {
  EXPECT_EQ(FilterExtension(kExportFilter, 0), ".txt");
  EXPECT_EQ(FilterExtension(kExportFilter, 1), ".html");
  EXPECT_EQ(FilterExtension(kExportFilter, 2), "");
  EXPECT_EQ(FilterExtension(kExportFilter, -1), "");
  EXPECT_EQ(FilterExtension("M3U Playlist|*.m3u", 0), ".m3u");
}

// The chosen filter's extension replaces the typed one, and the format follows it.
TEST(ChooseExportFileTest, TheExtensionFollowsTheFilter) {
  TempDir dir;
  struct Case {
    const char* typed;
    int filter;
    const char* path;
  };
  const std::vector<Case> cases = {
      {"list.htm", 1, "list.html"}, {"list.htm", 0, "list.txt"}, {"list", 0, "list.txt"},
      {"list.TXT", 1, "list.html"}, {"a.b.c", 1, "a.b.html"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    ScriptedDialogs dialogs;
    dialogs.willChooseSaveFile(dir.file(c.typed), c.filter);
    EXPECT_EQ(ChooseExportFile(dialogs, platform::localFileSystem(), kExportFilter),
              dir.file(c.path));
    EXPECT_EQ(dialogs.texts(DialogKind::SaveFile), std::vector<std::string>{kExportFilter});
  }
}

TEST(ChooseExportFileTest, AnExistingFileIsReplacedOnlyAfterYes) {
  TempDir dir;
  const std::string existing = dir.write("list.txt", "old");
  for (const DialogAnswer answer : {DialogAnswer::Yes, DialogAnswer::No}) {
    ScriptedDialogs dialogs;
    dialogs.willChooseSaveFile(dir.file("list.htm"), 0).willAnswer(answer);
    EXPECT_EQ(ChooseExportFile(dialogs, platform::localFileSystem(), kExportFilter),
              answer == DialogAnswer::Yes ? existing : "");
    EXPECT_EQ(dialogs.texts(DialogKind::YesNo),
              std::vector<std::string>{"File list.txt already exists. Replace?"});
  }
  ScriptedDialogs cancelled;
  cancelled.willChooseSaveFile("", 1);
  EXPECT_EQ(ChooseExportFile(cancelled, platform::localFileSystem(), kExportFilter), "");
}

}  // namespace
