#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "compile/ChooseExportFile.h"
#include "compile/TrackExporter.h"
#include "platform/PathParts.h"
#include "support/FakeMountTable.h"
#include "support/HtmlCheck.h"
#include "support/TagBuilder.h"
#include "tracks/PlaylistFixture.h"
#include "tracks/TrackColumns.h"

namespace {

using Names = std::vector<std::string>;

const std::string kRule(455, '-');
constexpr int kTxt = 0;
constexpr int kHtml = 1;

// Leaves only these columns ticked, in the list's order.
std::function<void(ColumnChooser&)> Keep(const Names& names) {
  return [names](ColumnChooser& chooser) {
    const std::vector<ColumnChoice> list = chooser.lstColumns();
    for (int i = 0; i < static_cast<int>(list.size()); ++i) {
      const bool keep = std::find(names.begin(), names.end(), list[i].name) != names.end();
      chooser.lstColumnsClickCheck(i, keep);
    }
  };
}

std::string Padded(const std::string& value, std::size_t width) {
  return value + std::string(width > value.size() ? width - value.size() : 0, ' ') + "\t";
}

// The window's playlist side, a browser grid to select from and a library folder to scan, with
// the export over them.
class TrackExporterTest : public PlaylistFixture {
 protected:
  TrackExporterTest() { exporter.EventInterval = std::chrono::milliseconds(0); }

  // An MP3 file with a tag of these texts (UTF-8 where needed).
  std::string Tagged(const std::string& name, const std::string& artist, const std::string& title,
                     double seconds = 1) {
    std::string body = Id3v2Frame23("TPE1", Id3v2TextPayload(artist, 3)) +
                       Id3v2Frame23("TIT2", Id3v2TextPayload(title, 3));
    std::string audio = Mp3Frames(MpegFrame{}, 2);
    audio.resize(static_cast<std::size_t>(seconds * kBytesPerSecond), '\0');
    return dir.write(name, Id3v2Tag(3, body) + audio);
  }
  // Lists these items in the browser grid, active, with the given rows selected.
  void Browse(const std::vector<GridItem>& items, const std::vector<int>& selected) {
    TrackGrid& browser = tables.grdBrowser();
    tables.ClearGrid(browser);
    for (const GridItem& item : items) {
      const int row = browser.isEmpty() ? 1 : browser.addRow();
      ASSERT_TRUE(tables.FillRowFromItem(browser, row, item)) << item.path;
    }
    browser.clearSelection();
    for (const int row : selected) browser.selectRow(row);
    browser.setCurrentRow(selected.empty() ? 1 : selected.front());
    tables.setActiveGrid(GridId::Browser);
  }
  // Runs one export of the mode with these columns kept into `name` with that filter.
  std::string Export(ExportSource mode, const Names& columns, const std::string& name, int filter) {
    dialogs.willChooseColumns(Keep(columns)).willChooseSaveFile(dir.file(name), filter);
    exporter.ExportTracks(mode);
    return ReadFileBytes(ChangeExtension(dir.file(name), FilterExtension(kExportFilter, filter)));
  }

  void ClearFaults() {
    fs.failCreate = fs.failWriteAfterBytes = fs.failClose = fs.failRename = false;
    fs.freeSpaceOverride = -1;
  }

  FakeMountTable mounts;
  std::string library = dir.mkdir("lib");
  std::vector<std::string> scanned = {library};  // where the browser export scans
  TrackExporter exporter{tables, dialogs, &dialogs, document,
                         [this] { return FolderScanList(scanned, mounts); }};
};

// The text example: the title, the header between its rules and an empty line, a line per
// track, the rule and the totals. Values come from the files: a typed track name is not used.
TEST_F(TrackExporterTest, APlaylistAsText) {
  FillTracks({180, 240});
  playlist.setCell(1, kPlaylistTrackNameColumn, "typed");
  tables.setActiveGrid(GridId::Playlist);
  const std::string text =
      Export(ExportSource::Playlist, {"#", "Track Name", "Duration"}, "list.htm", kTxt);
  EXPECT_EQ(text, "Untitled\r\n" + kRule + "\r\n" + Padded("#", 5) + Padded("Track Name", 60) +
                      Padded("Duration", 10) + "\r\n" + kRule + "\r\n\r\n" + Padded("1.", 5) +
                      Padded("1", 60) + Padded("03:00", 10) + "\r\n" + Padded("2.", 5) +
                      Padded("2", 60) + Padded("04:00", 10) + "\r\n" + kRule +
                      "\r\nTotal Time: 07:00     Total Size: 6.41 MB\r\n");
  const ShownColumnChooser& chooser = dialogs.columnChoosers().front();
  EXPECT_EQ(chooser.lbl1, "Select the columns you want to export");
  EXPECT_TRUE(chooser.btnOK);  // enabled at once
  EXPECT_EQ(chooser.entries.size(), 12u);
  EXPECT_EQ(exporter.totalSize(), 6720000);
  EXPECT_DOUBLE_EQ(exporter.totalDuration(), 420);
  EXPECT_EQ(exporter.format(), ExportFormat::Text);
  EXPECT_FALSE(std::filesystem::exists(dir.file("list.htm")));
}

// Every column unticked: the text has its rules around an empty line, an empty line per track
// and the footer; the HTML has rows without cells.
TEST_F(TrackExporterTest, NoColumnsAtAll) {
  FillTracks({1, 1});
  tables.setActiveGrid(GridId::Playlist);
  const std::string footer = "Total Time: 00:02     Total Size: 30.53 KB";
  EXPECT_EQ(Export(ExportSource::Playlist, {}, "none", kTxt), "Untitled\r\n" + kRule + "\r\n\r\n" +
                                                                  kRule + "\r\n\r\n\r\n\r\n" +
                                                                  kRule + "\r\n" + footer + "\r\n");
  const std::string html = Export(ExportSource::Playlist, {}, "none", kHtml);
  EXPECT_NE(html.find("<table width=\"2\" border=\"0\">\r\n  <tr>\r\n</tr>\r\n  <tr>\r\n</tr>\r\n"
                      "  <tr>\r\n</tr>\r\n</table>\r\n" +
                      footer + "\r\n"),
            std::string::npos)
      << html;
}

// Names in other scripts line up with ASCII ones: padding counts characters, not bytes.
TEST_F(TrackExporterTest, NonAsciiValuesLineUp) {
  Fill({Tagged("a.mp3", "Björk", "Jóga"), Tagged("b.mp3", "Дельфин", "Тишина"),
        Tagged("c.mp3", "ABBA", "SOS")});
  tables.setActiveGrid(GridId::Playlist);
  const std::string text = Export(ExportSource::Playlist, {"Artist", "Title"}, "x", kTxt);
  EXPECT_NE(
      text.find("\r\nBjörk" + std::string(45, ' ') + "\tJóga" + std::string(46, ' ') +
                "\t\r\nДельфин" + std::string(43, ' ') + "\tТишина" + std::string(44, ' ') +
                "\t\r\nABBA" + std::string(46, ' ') + "\tSOS" + std::string(47, ' ') + "\t\r\n"),
      std::string::npos)
      << text;
}

TEST_F(TrackExporterTest, MissingFilesAreRowsOfZeros) {
  const std::vector<std::string> paths = FillTracks({1});
  std::filesystem::remove(paths[0]);
  tables.setActiveGrid(GridId::Playlist);
  const std::string text =
      Export(ExportSource::Playlist, {"File Name", "Artist", "Size", "Duration", "Bitrate", "Path"},
             "x", kTxt);
  EXPECT_NE(text.find("\r\n" + Padded("1.mp3", 60) + Padded("", 50) + Padded("0", 10) +
                      Padded("00:00", 10) + Padded("0 kbps", 10) + Padded(paths[0], 100) + "\r\n"),
            std::string::npos)
      << text;
}

// The HTML page: UTF-8, the title and every value escaped, well-formed, one cell per column
// in every row.
TEST_F(TrackExporterTest, APlaylistAsAnHtmlPage) {
  Fill({Tagged("a.mp3", "Tom & \"Jerry\"", "<b>bold</b>"), Tagged("b.mp3", "Дельфин", "Тишина")});
  dialogs.willEnterText("Mix <1> & \"2\"");
  document.actEditExecute();
  tables.setActiveGrid(GridId::Playlist);
  const std::string html =
      Export(ExportSource::Playlist, ExportColumnNames(PlaylistExportColumns()), "page", kHtml);
  EXPECT_EQ(exporter.format(), ExportFormat::Html);
  EXPECT_NE(html.find("<title>Mix &lt;1&gt; &amp; &quot;2&quot;</title>"), std::string::npos);
  EXPECT_NE(html.find("   <td>Tom &amp; &quot;Jerry&quot;</td>\r\n   <td>&lt;b&gt;bold&lt;/b&gt;"),
            std::string::npos);
  EXPECT_EQ(html.find("<b>"), std::string::npos);
  EXPECT_NE(html.find("<table width=\"2670\" border=\"0\">"), std::string::npos);
  EXPECT_TRUE(html.ends_with("</html>\r\n\r\n"));

  const std::optional<ParsedHtmlPage> page = ParseHtmlPage(dir.file("page.html"));
  if (!page) GTEST_SKIP() << "python3 is not at hand to parse the page";
  EXPECT_EQ(page->problems, Names{});
  EXPECT_EQ(page->charset, "utf-8");
  EXPECT_EQ(page->title, "Mix <1> & \"2\"");
  ASSERT_EQ(page->rows.size(), 3u);
  EXPECT_EQ(page->rows[0], ExportColumnNames(PlaylistExportColumns()));
  EXPECT_EQ(page->rows[1][0], "1.");
  EXPECT_EQ(page->rows[1][1], "Tom & \"Jerry\" - <b>bold</b>");
  EXPECT_EQ(page->rows[2][3], "Дельфин");
  for (const Names& row : page->rows) EXPECT_EQ(row.size(), 12u);
  const std::optional<std::string> xmllint = XmllintHtmlComplaints(dir.file("page.html"));
  EXPECT_EQ(xmllint.value_or(""), "");
}

// Totals of 2 GB and more are summed in 64 bits and shown in full.
TEST_F(TrackExporterTest, TotalsBeyondTwoGigabytes) {
  constexpr std::uintmax_t kSize = 1'200'000'000;  // sparse: no disk space taken
  std::vector<std::string> paths;
  for (const char* name : {"big1.mp3", "big2.mp3"}) {
    paths.push_back(dir.write(name, Mp3Frames(MpegFrame{}, 2)));
    std::filesystem::resize_file(paths.back(), kSize);
  }
  Fill(paths);
  tables.setActiveGrid(GridId::Playlist);
  const std::string text = Export(ExportSource::Playlist, {"Size"}, "big", kTxt);
  EXPECT_EQ(exporter.totalSize(), 2 * static_cast<std::int64_t>(kSize));
  EXPECT_TRUE(text.ends_with("Total Time: 41:40:00     Total Size: 2.29 GB\r\n")) << text;
}

// Export Selected: an MP3 row gives its file, a folder its MP3 files (subfolders when asked),
// and a playlist file among other rows nothing; no title and no numbers.
TEST_F(TrackExporterTest, SelectedRowsAreExpanded) {
  const std::string a = Track("a", 1);
  Track("F/b", 1);
  Track("F/S/c", 1);
  const std::string list = dir.write("list.m3u", "a.mp3\r\nF/b.mp3\r\n");
  Browse({FileItem(a), FolderItem(dir.path(), "F"), FileItem(list)}, {1, 2, 3});
  dialogs.willChooseColumns(Keep({"File Name"}))
      .willChooseSaveFile(dir.file("sel"), kTxt)
      .willAnswer(DialogAnswer::Yes);  // the subfolders of F
  exporter.mniExportSel1Click();
  EXPECT_EQ(ReadFileBytes(dir.file("sel.txt")),
            kRule + "\r\n" + Padded("File Name", 60) + "\r\n" + kRule + "\r\n\r\n" +
                Padded("a.mp3", 60) + "\r\n" + Padded("b.mp3", 60) + "\r\n" + Padded("c.mp3", 60) +
                "\r\n" + kRule + "\r\n" + "Total Time: 00:03     Total Size: 45.80 KB\r\n");
  EXPECT_EQ(dialogs.columnChoosers().front().entries.size(), 10u);
  ASSERT_EQ(dialogs.addItemsViews().size(), 1u);
  EXPECT_EQ(dialogs.addItemsViews().front().caption, "Export items...");
  EXPECT_EQ(dialogs.addItemsViews().front().lblAdd2, "3");
}

// A playlist file selected alone gives its tracks, under its file name as the title.
TEST_F(TrackExporterTest, APlaylistFileAloneGivesItsTracksAndItsName) {
  const std::string a = Track("a", 1);
  const std::string list = dir.write("my list.m3u", "a.mp3\r\nmissing.mp3\r\na.mp3\r\n");
  Browse({FileItem(a), FileItem(list)}, {2});
  const std::string text = Export(ExportSource::Selection, {"File Name"}, "sel", kTxt);
  EXPECT_TRUE(text.starts_with("my list.m3u\r\n" + kRule)) << text;
  EXPECT_NE(
      text.find("\r\n\r\n" + Padded("a.mp3", 60) + "\r\n" + Padded("a.mp3", 60) + "\r\n" + kRule),
      std::string::npos)
      << text;
}

// On the playlist, Export Selected writes the selected rows as tracks, without numbers.
TEST_F(TrackExporterTest, SelectedPlaylistRowsAreTracks) {
  FillTracks({1, 2, 3});
  Select({1, 3});
  tables.setActiveGrid(GridId::Playlist);
  const std::string text = Export(ExportSource::Selection, {"File Name"}, "sel", kTxt);
  EXPECT_TRUE(text.starts_with(kRule)) << text;  // no title
  EXPECT_NE(text.find(Padded("1.mp3", 60) + "\r\n" + Padded("3.mp3", 60) + "\r\n" + kRule),
            std::string::npos);
}

// Export All on the browser side writes every MP3 file the scan finds where the library is
// built, and leaves the library as it was.
TEST_F(TrackExporterTest, TheBrowserExportScansTheLibrarysPlaces) {
  dir.write("lib/x/one.mp3", Mp3Frames(MpegFrame{}, 20));
  dir.write("lib/two.mp3", Mp3Frames(MpegFrame{}, 20));
  dir.write("lib/list.m3u", "two.mp3\r\n");
  tables.setActiveGrid(GridId::Browser);
  dialogs.willChooseColumns(Keep({"Path"})).willChooseSaveFile(dir.file("all"), kTxt);
  exporter.actExportExecute();
  const std::string text = ReadFileBytes(dir.file("all.txt"));
  EXPECT_NE(text.find(Padded(dir.file("lib/two.mp3"), 100)), std::string::npos) << text;
  EXPECT_NE(text.find(Padded(dir.file("lib/x/one.mp3"), 100)), std::string::npos) << text;
  EXPECT_EQ(text.find("list.m3u"), std::string::npos);
  ASSERT_EQ(dialogs.scanProgress().size(), 1u);
  EXPECT_EQ(dialogs.scanProgress().front().caption, "Export in process...");
  EXPECT_EQ(dialogs.scanProgress().front().lblFnd, "2");
  EXPECT_TRUE(tables.grdLibrary().isEmpty());
}

// Whatever fails, nothing is left under the chosen name, a file there before is kept, and the
// message names the file and the reason.
TEST_F(TrackExporterTest, AFailedWriteLeavesNoFileAndSaysWhy) {
  struct Case {
    const char* what;
    void (*fault)(FaultyFileSystem&);
    const char* reason;
  };
  const std::vector<Case> cases = {
      {"create", [](FaultyFileSystem& f) { f.failCreate = true; }, "Its folder is not writable."},
      {"write",
       [](FaultyFileSystem& f) {
         f.failWriteAfterBytes = true;
         f.writeLimit = 600;
       },
       "The file could not be written."},
      {"disk full",
       [](FaultyFileSystem& f) {
         f.failWriteAfterBytes = true;
         f.writeLimit = 600;
         f.freeSpaceOverride = 0;
       },
       "The disk is full."},
      {"close", [](FaultyFileSystem& f) { f.failClose = true; }, "The file could not be written."},
      {"rename", [](FaultyFileSystem& f) { f.failRename = true; },
       "The file could not be replaced."},
  };
  FillTracks({1, 1, 1});
  tables.setActiveGrid(GridId::Playlist);
  for (const bool existing : {false, true}) {
    for (const Case& c : cases) {
      SCOPED_TRACE(std::string(c.what) + (existing ? ", over an old file" : ""));
      const std::string path = dir.file("out.txt");
      std::filesystem::remove(path);
      if (existing) dir.write("out.txt", "old");
      c.fault(fs);
      dialogs.willChooseColumns().willChooseSaveFile(path, kTxt);
      if (existing) dialogs.willAnswer(DialogAnswer::Yes);
      exporter.actExportExecute();
      ClearFaults();
      EXPECT_EQ(dialogs.texts(DialogKind::Error).back(),
                "Cannot write the export file \"" + path + "\". " + c.reason);
      EXPECT_EQ(std::filesystem::exists(path), existing);
      EXPECT_EQ(ReadFileBytes(path), existing ? "old" : "");
      // No temporary file stays beside it.
      for (const std::string& name : SortedFolderNames(dir.path()))
        EXPECT_EQ(name.find("export"), std::string::npos) << name;
    }
  }
}

// A write that fails ends the scan and the adding at once: nothing more is read or written.
TEST_F(TrackExporterTest, AFailedWriteStopsTheScanAndTheAdding) {
  for (const char* name : {"a", "b", "c", "d"}) {
    Track(std::string("lib/") + name, 1);
    Track(std::string("F/") + name, 1);
  }
  scanned.push_back(dir.mkdir("F"));
  fs.failWriteAfterBytes = true;
  fs.writeLimit = 1200;  // the header of one column and one row
  tables.setActiveGrid(GridId::Browser);
  dialogs.willChooseColumns(Keep({"Path"})).willChooseSaveFile(dir.file("all"), kTxt);
  exporter.actExportExecute();
  EXPECT_EQ(dialogs.scanProgress().back().lblFnd, "1");
  EXPECT_EQ(dialogs.scanProgress().back().drives, (std::vector<std::string>{"Drive", library}));

  Browse({FolderItem(dir.path(), "F")}, {1});
  dialogs.willChooseColumns(Keep({"Path"})).willChooseSaveFile(dir.file("sel"), kTxt);
  exporter.mniExportSel1Click();
  EXPECT_EQ(dialogs.addItemsViews().back().lblAdd2, "1");

  EXPECT_EQ(dialogs.texts(DialogKind::Error).size(), 2u);
  EXPECT_FALSE(std::filesystem::exists(dir.file("all.txt")));
  EXPECT_FALSE(std::filesystem::exists(dir.file("sel.txt")));
}

// Cancel in either dialog, or No to replacing, ends the export without touching any file.
TEST_F(TrackExporterTest, CancellingChangesNoFile) {
  FillTracks({1});
  tables.setActiveGrid(GridId::Playlist);
  const std::string old = dir.write("old.txt", "old");
  const std::vector<std::string> before = SortedFolderNames(dir.path());
  dialogs.willCancelColumns();
  exporter.actExportExecute();
  dialogs.willChooseColumns().willChooseSaveFile("", kTxt);
  exporter.actExportExecute();
  dialogs.willChooseColumns().willChooseSaveFile(old, kTxt).willAnswer(DialogAnswer::No);
  exporter.actExportExecute();
  EXPECT_EQ(SortedFolderNames(dir.path()), before);
  EXPECT_EQ(ReadFileBytes(old), "old");
  EXPECT_TRUE(dialogs.texts(DialogKind::Error).empty());
  EXPECT_EQ(dialogs.texts(DialogKind::SaveFile).size(), 2u);  // none after the cancelled chooser
}

// Guards: an empty playlist exports nothing, Export Selected needs a selected row, and a second
// export while one runs does nothing.
TEST_F(TrackExporterTest, WhenThereIsNothingToExport) {
  tables.setActiveGrid(GridId::Playlist);
  exporter.actExportExecute();
  exporter.mniExportSel1Click();
  FillTracks({1});
  playlist.clearSelection();
  exporter.mniExportSel1Click();
  EXPECT_TRUE(dialogs.columnChoosers().empty());

  const std::string a = Track("a", 1);
  Track("F/b", 1);
  Browse({FileItem(a), FolderItem(dir.path(), "F")}, {1, 2});
  bool again = false;
  dialogs.willChooseColumns().willChooseSaveFile(dir.file("sel"), kTxt).duringNextEvents([&] {
    again = true;
    exporter.ExportTracks(ExportSource::Playlist);
    exporter.mniExportSel1Click();
  });
  exporter.mniExportSel1Click();
  EXPECT_TRUE(again);
  EXPECT_FALSE(exporter.exporting());
  EXPECT_EQ(dialogs.columnChoosers().size(), 1u);
  EXPECT_NE(ReadFileBytes(dir.file("sel.txt")).find("b.mp3"), std::string::npos);
}

}  // namespace
