#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "compile/ExportFormat.h"

namespace {

const std::string kRule(455, '-');

std::vector<ExportColumn> Columns(const std::vector<std::string>& names) {
  std::vector<ExportColumn> columns;
  for (const std::string& name : names) columns.push_back(*FindExportColumn(name));
  return columns;
}

// Padded by characters shown: names in any script line up with ASCII ones; a longer value is
// written whole and still ends with its TAB.
TEST(ExportFormatTest, PadCellPadsByCharacters) {
  struct Case {
    int width;
    std::string value;
    std::string cell;
  };
  const std::vector<Case> cases = {
      {5, "1.", "1.   \t"},          {5, "", "     \t"},      {7, "Björk", "Björk  \t"},
      {9, "Дельфин", "Дельфин  \t"}, {4, "東京", "東京  \t"}, {4, "1999", "1999\t"},
      {4, "abcdef", "abcdef\t"},     {0, "x", "x\t"},
  };
  for (const Case& c : cases) EXPECT_EQ(PadCell(c.width, c.value), c.cell) << c.value;
}

TEST(ExportFormatTest, HtmlEscapeTurnsMarkupIntoText) {
  EXPECT_EQ(HtmlEscape("<b>Tom & \"Jerry\"</b>"), "&lt;b&gt;Tom &amp; &quot;Jerry&quot;&lt;/b&gt;");
  EXPECT_EQ(HtmlEscape("Björk's"), "Björk's");
}

TEST(ExportFormatTest, TheFormatFollowsTheExtensionWhateverItsCase) {
  struct Case {
    const char* path;
    ExportFormat format;
  };
  const std::vector<Case> cases = {
      {"/a/list.txt", ExportFormat::Text},  {"/a/list.TXT", ExportFormat::Text},
      {"/a/list.html", ExportFormat::Html}, {"/a/list.htm", ExportFormat::Html},
      {"/a/list", ExportFormat::Html},      {"/a.txt/list", ExportFormat::Html}};
  for (const Case& c : cases) EXPECT_EQ(FormatOfExportPath(c.path), c.format) << c.path;
}

TEST(ExportFormatTest, TheTextHeaderIsTheNamesBetweenTwoRules) {
  EXPECT_EQ(TextHeader(Columns({"#", "Track Name", "Duration"})),
            kRule + "\r\n#    \tTrack Name" + std::string(50, ' ') + "\tDuration  \t\r\n" + kRule +
                "\r\n");
  EXPECT_EQ(TextHeader({}), kRule + "\r\n\r\n" + kRule + "\r\n");
}

TEST(ExportFormatTest, TheHtmlHeaderDeclaresUtf8AndEscapesItsTitle) {
  EXPECT_EQ(HtmlHeader("Tom & Jerry <live>", Columns({"#", "Path"})),
            "<html>\r\n<head>\r\n"
            "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">\r\n"
            "<title>Tom &amp; Jerry &lt;live&gt;</title>\r\n</head>\r\n\r\n<body>\r\n"
            "Tom &amp; Jerry &lt;live&gt;\r\n"
            "<table width=\"460\" border=\"0\">\r\n"
            "  <tr>\r\n"
            "    <td width=\"50\">#</td>\r\n"
            "    <td width=\"400\">Path</td>\r\n"
            "</tr>");
  // No title: no title line.
  EXPECT_EQ(HtmlHeader("", {}),
            "<html>\r\n<head>\r\n"
            "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">\r\n"
            "<title></title>\r\n</head>\r\n\r\n<body>\r\n"
            "<table width=\"2\" border=\"0\">\r\n  <tr>\r\n</tr>");
}

// The table is as wide as its columns, their spacing and its margin.
TEST(ExportFormatTest, TheTableWidthOfEveryColumn) {
  const auto width = [](std::span<const ExportColumn> offered) {
    const std::string head =
        HtmlHeader("", std::vector<ExportColumn>(offered.begin(), offered.end()));
    const std::size_t at = head.find("<table width=\"") + 14;
    return head.substr(at, head.find('"', at) - at);
  };
  EXPECT_EQ(width(PlaylistExportColumns()), "2670");
  EXPECT_EQ(width(BrowserExportColumns()), "2212");
}

// Totals of 2 GB and more are shown in full.
TEST(ExportFormatTest, FootersShowTheTotals) {
  struct Case {
    std::int64_t size;
    double duration;
    const char* totals;
  };
  const std::vector<Case> cases = {
      {0, 0, "Total Time: 00:00     Total Size: 0"},
      {6720000, 420, "Total Time: 07:00     Total Size: 6.41 MB"},
      {3000000000LL, 3 * 3600 + 5, "Total Time: 3:00:05     Total Size: 2.86 GB"},
      {9000000000000LL, 0.5, "Total Time: 00:00     Total Size: 8583.07 GB"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.totals);
    EXPECT_EQ(TextFooter(c.size, c.duration), kRule + "\r\n" + c.totals);
    EXPECT_EQ(HtmlFooter(c.size, c.duration),
              std::string("</table>\r\n") + c.totals + "\r\n</body>\r\n</html>\r\n");
  }
}

TEST(ExportFormatTest, RowsOfBothFormats) {
  const std::vector<ExportColumn> columns = Columns({"#", "Artist", "Year"});
  EXPECT_EQ(TextRow(columns, {"1.", "Дельфин", "19999"}),
            "1.   \tДельфин" + std::string(43, ' ') + "\t19999\t");
  EXPECT_EQ(HtmlRow({"1.", "A & B", ""}),
            "  <tr>\r\n   <td>1.</td>\r\n   <td>A &amp; B</td>\r\n   <td></td>\r\n</tr>");
  EXPECT_EQ(TextRow({}, {}), "");
  EXPECT_EQ(HtmlRow({}), "  <tr>\r\n</tr>");
}

}  // namespace
