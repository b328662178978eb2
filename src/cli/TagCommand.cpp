#include "cli/TagCommand.h"

#include <array>
#include <utility>

#include "cli/FileArgument.h"
#include "cli/InfoCommand.h"
#include "metadata/MPEGaudio.h"
#include "tageditor/TagUpdate.h"
#include "tageditor/TagWriteMessage.h"

namespace {

constexpr int kFailureStatus = 1;

// The option names, each with the text it sets.
using TextOption = std::pair<const char*, std::optional<std::string> TagArguments::*>;
constexpr std::array<TextOption, 6> kTextOptions = {{
    {"--title", &TagArguments::title},
    {"--artist", &TagArguments::artist},
    {"--album", &TagArguments::album},
    {"--year", &TagArguments::year},
    {"--genre", &TagArguments::genre},
    {"--comment", &TagArguments::comment},
}};

std::optional<std::string> TagArguments::*OptionNamed(const std::string& name) {
  for (const auto& [option, member] : kTextOptions)
    if (name == option) return member;
  return nullptr;
}

// Sets the texts of one file; false after naming it on err.
bool SetTexts(const TagArguments& args, TMPEGaudio& analyser, const std::string& file,
              std::ostream& err) {
  const TagEditSource source = ReadTagForEditing(analyser, file);
  const TagWriteResult result =
      StoreEditedTag(source.tag, args.Changed(TagTextsOf(source.info)), file);
  if (result == TagWriteResult::Written) return true;
  err << "songloom-cli: " << TagWriteErrorText(file, result) << "\n";
  return false;
}

}  // namespace

bool TagArguments::setsTexts() const {
  for (const auto& [option, member] : kTextOptions)
    if (this->*member) return true;
  return false;
}

TagTexts TagArguments::Changed(TagTexts texts) const {
  const auto take = [](const std::optional<std::string>& given, std::string& text) {
    if (given) text = *given;
  };
  take(title, texts.title);
  take(artist, texts.artist);
  take(album, texts.album);
  take(year, texts.year);
  take(genre, texts.genre);
  take(comment, texts.comment);
  return texts;
}

std::optional<TagArguments> ParseTagArguments(const std::vector<std::string>& args) {
  TagArguments parsed;
  bool optionsEnded = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (optionsEnded || arg.rfind("--", 0) != 0) {
      parsed.files.push_back(arg);
    } else if (arg == "--") {
      optionsEnded = true;
    } else {
      const auto member = OptionNamed(arg);
      if (!member || i + 1 >= args.size()) return std::nullopt;
      parsed.*member = args[++i];
    }
  }
  if (parsed.files.empty()) return std::nullopt;
  return parsed;
}

int RunTagCommand(const TagArguments& args, std::ostream& out, std::ostream& err,
                  platform::FileSystem& fs) {
  TMPEGaudio analyser(fs);
  int status = 0;
  out << InfoHeaderLine() << '\n';
  for (const std::string& file : args.files) {
    recMP3Info info;
    if (!CheckFileArgument(file, err, fs)) {
      status = kFailureStatus;
    } else {
      if (args.setsTexts() && !SetTexts(args, analyser, file, err)) status = kFailureStatus;
      ReadTrackInfo(analyser, file, info);
    }
    out << FormatInfoLine(file, info) << '\n';
  }
  out.flush();
  return status;
}
