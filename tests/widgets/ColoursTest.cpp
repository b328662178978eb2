#include "widgets/Colours.h"

#include <gtest/gtest.h>

namespace {

// The colours written through Bgr() keep the stored values they always had.
TEST(ColoursTest, KeepTheirStoredValues) {
  struct Case {
    const char* name;
    Colour colour;
    Colour stored;
  };
  const Case cases[] = {
      {"kBrowser", colours::kBrowser, 6513507},
      {"kBrowserFrame", colours::kBrowserFrame, 14530459},
      {"kBrowserCaption", colours::kBrowserCaption, 9342606},
      {"kGridHeaderBrowser", colours::kGridHeaderBrowser, 7634301},
      {"kInfoBarBrowserEnd", colours::kInfoBarBrowserEnd, 10852498},
      {"kInfoBarLine", colours::kInfoBarLine, 9938860},
      {"kGreyLabel", colours::kGreyLabel, 8421504},
      {"kFolders", colours::kFolders, 6842472},
      {"kPlaylistPanel", colours::kPlaylistPanel, 13144424},
      {"kPlaylistFrame", colours::kPlaylistFrame, 13740171},
      {"kPlaylistGrid", colours::kPlaylistGrid, 10905916},
      {"kGridHeaderPlaylist", colours::kGridHeaderPlaylist, 10124669},
      {"kInfoBarPlaylistEnd", colours::kInfoBarPlaylistEnd, 11176588},
      {"kPlayer", colours::kPlayer, 14536192},
      {"kPlayerOutline", colours::kPlayerOutline, 13930240},
      {"kVolume", colours::kVolume, 14531328},
      {"kTrackStart", colours::kTrackStart, 14516480},
      {"kTrackEnd", colours::kTrackEnd, 14525696},
      {"kTrackText", colours::kTrackText, 14803899},
      {"kTrackOutline", colours::kTrackOutline, 10840064},
      {"kActiveCaption", colours::kActiveCaption, 65535},
      {"kInactiveCaption", colours::kInactiveCaption, 16777215},
  };
  for (const Case& c : cases) EXPECT_EQ(c.colour, c.stored) << c.name;
}

TEST(ColoursTest, AStoredColourHasRedInItsLowByte) {
  EXPECT_EQ(StoredColour(Bgr(0x12, 0x34, 0x56)), QColor(0x12, 0x34, 0x56));
  EXPECT_EQ(StoredColour(colours::kPlaylistGrid), QColor(60, 105, 166));
}

}  // namespace
