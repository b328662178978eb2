#include "cli/SongloomCli.h"

#include "cli/InfoCommand.h"
#include "cli/PlaylistCommand.h"

namespace {

constexpr int kUsageStatus = 2;

int Usage(std::ostream& err) {
  err << "usage: songloom-cli info FILE...\n";
  return kUsageStatus;
}

}  // namespace

int RunSongloomCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                   platform::FileSystem& fs) {
  if (args.size() >= 2 && args[0] == "info")
    return RunInfoCommand(std::vector<std::string>(args.begin() + 1, args.end()), out, fs);
  if (args.size() == 2 && args[0] == "playlist") return RunPlaylistCommand(args[1], out, err, fs);
  return Usage(err);
}
