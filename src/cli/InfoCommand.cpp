#include "cli/InfoCommand.h"

#include <cstdio>

#include "cli/FileArgument.h"
#include "metadata/MPEGaudio.h"

std::string InfoHeaderLine() {
  return "path\tduration\tbitrate\tsize\ttitle\tartist\talbum\tyear\tgenre\tcomment";
}

std::string InfoFieldText(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte == 0x7F) c = ' ';
  }
  return out;
}

std::string FormatInfoLine(const std::string& path, const recMP3Info& info) {
  char numbers[96];
  std::snprintf(numbers, sizeof numbers, "\t%.3f\t%d\t%lld", info.duration, info.bitrate,
                static_cast<long long>(info.size));
  std::string line = InfoFieldText(path);
  line += numbers;
  for (const std::string* text :
       {&info.title, &info.artist, &info.album, &info.year, &info.genre, &info.comment}) {
    line += '\t';
    line += InfoFieldText(*text);
  }
  return line;
}

namespace {

constexpr int kFailureStatus = 1;

}  // namespace

int RunInfoCommand(const std::vector<std::string>& files, std::ostream& out, std::ostream& err,
                   platform::FileSystem& fs) {
  TMPEGaudio analyser(fs);
  recMP3Info info;
  int status = 0;
  out << InfoHeaderLine() << '\n';
  for (const std::string& file : files) {
    if (CheckFileArgument(file, err, fs)) {
      ReadTrackInfo(analyser, file, info);
    } else {
      info = recMP3Info{};
      status = kFailureStatus;
    }
    out << FormatInfoLine(file, info) << '\n';
  }
  out.flush();
  return status;
}
