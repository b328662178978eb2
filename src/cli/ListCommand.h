#pragma once

#include <ostream>
#include <string>

#include "platform/FileSystem.h"
#include "tracks/TrackTable.h"

// `songloom-cli list FOLDER`: the rows the folder browser shows for FOLDER with both filters
// on, in the browser's order (subfolders, then MP3 and playlist files, each by name): a header
// line of the eleven browser columns, one tab-separated line per row (tabs and line breaks
// inside texts become spaces), then the browser's totals line. Returns the exit status: 0, or
// 1 with a message on err when FOLDER is not a folder or the platform refuses to read it.
int RunListCommand(const std::string& folder, std::ostream& out, std::ostream& err,
                   platform::FileSystem& fs = platform::localFileSystem());

// The eleven browser column names, tab-separated, without a line break.
std::string ListHeaderLine();

// A browser-side grid as the list command prints it: the header line, one line per row (none
// for an empty grid), then the totals line.
void WriteBrowserRows(const TrackTables& tables, const TrackGrid& grid, const std::string& totals,
                      std::ostream& out);
