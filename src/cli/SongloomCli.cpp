#include "cli/SongloomCli.h"

#include <iostream>

#include "cli/CompileCommand.h"
#include "cli/ExportCommand.h"
#include "cli/InfoCommand.h"
#include "cli/LibraryCommand.h"
#include "cli/ListCommand.h"
#include "cli/PlaylistCommand.h"
#include "cli/TagCommand.h"
#include "platform/Terminal.h"

namespace {

constexpr int kUsageStatus = 2;

int Usage(std::ostream& err) {
  err << "usage: songloom-cli info FILE...\n"
         "       songloom-cli playlist FILE\n"
         "       songloom-cli compile [--allow-unplayable] PLAYLIST DEST\n"
         "       songloom-cli list FOLDER\n"
         "       songloom-cli tag FILE... [--title T] [--artist A] [--album A] [--year Y]\n"
         "                        [--genre G] [--comment C]\n"
         "       songloom-cli library [--root DIR]... [--search TEXT]\n"
         "       songloom-cli export PLAYLIST OUT [--columns \"#,Track Name,Duration\"]\n";
  return kUsageStatus;
}

}  // namespace

int RunSongloomCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                   platform::FileSystem& fs) {
  if (args.size() >= 2 && args[0] == "info")
    return RunInfoCommand(std::vector<std::string>(args.begin() + 1, args.end()), out, err, fs);
  if (args.size() == 2 && args[0] == "playlist") return RunPlaylistCommand(args[1], out, err, fs);
  if (args.size() == 3 && args[0] == "compile")
    return RunCompileCommand(args[1], args[2], false, out, err, fs);
  if (args.size() == 4 && args[0] == "compile" && args[1] == "--allow-unplayable")
    return RunCompileCommand(args[2], args[3], true, out, err, fs);
  if (args.size() == 2 && args[0] == "list") return RunListCommand(args[1], out, err, fs);
  if (!args.empty() && args[0] == "tag") {
    const auto tag = ParseTagArguments(std::vector<std::string>(args.begin() + 1, args.end()));
    if (tag) return RunTagCommand(*tag, out, err, fs);
  }
  if (!args.empty() && args[0] == "library") {
    const auto arguments =
        ParseLibraryArguments(std::vector<std::string>(args.begin() + 1, args.end()));
    if (!arguments) return Usage(err);
    // Progress only for a person watching: never into a file, a pipe or a test's stream.
    const bool progress = &err == &std::cerr && platform::StandardErrorIsTerminal();
    return RunLibraryCommand(*arguments, out, err, progress, fs);
  }
  if (!args.empty() && args[0] == "export") {
    const auto arguments =
        ParseExportArguments(std::vector<std::string>(args.begin() + 1, args.end()));
    if (arguments) return RunExportCommand(*arguments, out, err, fs);
  }
  return Usage(err);
}
