#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "platform/FileSystem.h"
#include "tageditor/TagTexts.h"

// `songloom-cli tag FILE... [--title T] [--artist A] [--album A] [--year Y] [--genre G]
// [--comment C]`: the tag editor without a window.

// The arguments after "tag": the files, and the texts to set (none: only print).
struct TagArguments {
  std::vector<std::string> files;
  std::optional<std::string> title, artist, album, year, genre, comment;

  bool setsTexts() const;
  // The texts with the given options in place of theirs.
  TagTexts Changed(TagTexts texts) const;
};

// Options may come before, between or after the files; "--" ends them. Nothing for an unknown
// option, an option without its value, or no file.
std::optional<TagArguments> ParseTagArguments(const std::vector<std::string>& args);

// Prints the info header line and, per file, its info line (stream information and the six
// texts). With texts to set, each file gets them first, as the tag editor's Update writes them
// (the other texts and frames kept), and its line shows what it then holds. A file that is not
// there or could not be written is named on err with the reason, and the status is 1; else 0.
int RunTagCommand(const TagArguments& args, std::ostream& out, std::ostream& err,
                  platform::FileSystem& fs = platform::localFileSystem());
