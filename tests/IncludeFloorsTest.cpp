#include "support/IncludeFloors.h"

#include <gtest/gtest.h>

#include "support/TempDir.h"

namespace {

const FloorTable kTable = ParseFloorTable(
    "platform: \n"
    "tracks: platform\n"
    "browser: platform tracks\n"
    "widgets: platform tracks\n"
    "forms: widgets\n");

TEST(IncludeFloorsTest, EveryIncludeOfTheSourcesPointsDown) {
  const FloorTable table = ParseFloorTable(ReadFileBytes(SONGLOOM_FLOORS_FILE));
  ASSERT_TRUE(table.contains("platform")) << "no floor table at " << SONGLOOM_FLOORS_FILE;
  const std::vector<std::string> violations = FloorViolations(SONGLOOM_SOURCE_DIR "/src", table);
  for (const std::string& violation : violations) ADD_FAILURE() << violation;
}

TEST(IncludeFloorsTest, AWrongWayIncludeIsFound) {
  TempDir src;
  src.write("platform/Files.h", "#pragma once\n#include <string>\n");
  src.write("tracks/Grid.cpp", "#include \"tracks/Grid.h\"\n#include \"platform/Files.h\"\n");
  src.write("browser/fViewer.cpp", "#include \"widgets/View.h\"\n#include \"tracks/Grid.h\"\n");
  EXPECT_TRUE(FloorViolations(src.path(), kTable).empty());

  src.write("platform/Files.cpp", "#include \"platform/Files.h\"\n  #  include \"tracks/Grid.h\"\n");
  src.write("tracks/Table.cpp", "#include \"browser/Listing.h\"\n");
  src.write("browser/Listing.cpp", "#include \"widgets/View.h\"\n");  // not a form
  src.write("player/Play.cpp", "#include \"platform/Files.h\"\n");
  const std::vector<std::string> expected = {
      "browser/Listing.cpp:1: browser may not use widgets",
      "platform/Files.cpp:2: platform may not use tracks",
      "player/Play.cpp: the folder player has no floor",
      "tracks/Table.cpp:1: tracks may not use browser",
  };
  std::vector<std::string> found = FloorViolations(src.path(), kTable);
  for (std::string& violation : found) violation = violation.substr(violation.find('/') + 1);
  EXPECT_EQ(found, expected);
}

}  // namespace
