#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "window/FolderTreePath.h"

namespace {

using Chain = std::vector<std::string>;
constexpr FolderTreeTop kHome = FolderTreeTop::Home;
constexpr FolderTreeTop kRoot = FolderTreeTop::Root;

TEST(FolderTreePathTest, AFolderIsReachedFromHomeWhenItLiesThereElseFromRoot) {
  struct Case {
    const char* what;
    const char* wanted;
    const char* home;
    FolderTreeTop top;
    Chain chain;
  };
  const std::vector<Case> cases = {
      {"under home",
       "/home/user/Music/Rock",
       "/home/user",
       kHome,
       {"/home/user/Music", "/home/user/Music/Rock"}},
      {"home itself", "/home/user", "/home/user", kHome, {}},
      {"root itself", "/", "/home/user", kRoot, {}},
      {"outside home", "/usr/share", "/home/user", kRoot, {"/usr", "/usr/share"}},
      {"home's parent", "/home", "/home/user", kRoot, {"/home"}},
      {"a name that starts with home's",
       "/home/user2/x",
       "/home/user",
       kRoot,
       {"/home", "/home/user2", "/home/user2/x"}},
      {"trailing slashes", "/home/user/Music//", "/home/user/", kHome, {"/home/user/Music"}},
      {"doubled slashes and dots",
       "//home/./user//Music/.",
       "/home/user",
       kHome,
       {"/home/user/Music"}},
      {"dot-dot", "/home/user/Music/../Films", "/home/user", kHome, {"/home/user/Films"}},
      {"dot-dot out of home", "/home/user/../other", "/home/user", kRoot, {"/home", "/home/other"}},
      {"a home of /", "/home/user", "/", kRoot, {"/home", "/home/user"}},
      {"/ with a home of /", "/", "/", kRoot, {}},
      {"no home", "/srv", "", kRoot, {"/srv"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const std::optional<FolderTreeRoute> route = FolderTreeRouteOf(c.wanted, c.home);
    ASSERT_TRUE(route.has_value());
    EXPECT_EQ(route->top, c.top);
    EXPECT_EQ(route->chain, c.chain);
  }
  EXPECT_FALSE(FolderTreeRouteOf("", "/home/user").has_value());
  EXPECT_FALSE(FolderTreeRouteOf("Music", "/home/user").has_value());
}

TEST(FolderTreePathTest, PathsInTheirPlainForm) {
  const std::vector<std::pair<const char*, const char*>> cases = {
      {"/", "/"},        {"//", "/"},  {"/a/b/", "/a/b"}, {"/a//b", "/a/b"}, {"/a/./b/.", "/a/b"},
      {"/a/../b", "/b"}, {"/..", "/"}, {"a/b", ""},       {"", ""},
  };
  for (const auto& [path, clean] : cases) EXPECT_EQ(CleanFolderPath(path), clean) << path;
  EXPECT_FALSE(HasHomeNode("/"));
  EXPECT_FALSE(HasHomeNode(""));
  EXPECT_TRUE(HasHomeNode("/root"));
  EXPECT_EQ(FolderTreeChildPath("/", "usr"), "/usr");
  EXPECT_EQ(FolderTreeChildPath("/usr", "share"), "/usr/share");
}

}  // namespace
