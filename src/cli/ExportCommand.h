#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "platform/FileSystem.h"

// The arguments of `songloom-cli export PLAYLIST OUT [--columns "#,Track Name,Duration"]`.
struct ExportArguments {
  std::string playlist;
  std::string out;
  std::optional<std::string> columns;  // comma-separated names; none: every playlist column
};

// The arguments after "export", the option before, between or after the two files; nothing
// when they do not fit (then the usage is shown).
std::optional<ExportArguments> ParseExportArguments(const std::vector<std::string>& args);

// The playlist export of the window without it: the tracks of the playlist file PLAYLIST (M3U or
// PLS) whose files exist, numbered from 1, each read again from its file, under PLAYLIST as the
// title. OUT's extension picks the format as the save dialog's filter would, and takes that
// filter's extension: ".txt" (any case) gives a text table in OUT.txt, anything else an HTML
// page in OUT.html; a file there is replaced. The file written is printed on out and the status
// is 0; skipped missing tracks are named in a line on err. On any failure (an unknown column,
// whose message lists the valid ones; an unreadable playlist; a file that cannot be written,
// with the reason, leaving nothing under its name) the message goes to err and the status is 1.
int RunExportCommand(const ExportArguments& arguments, std::ostream& out, std::ostream& err,
                     platform::FileSystem& fs = platform::localFileSystem());
