#include "cli/ExportCommand.h"

#include <algorithm>
#include <utility>

#include "cli/FileArgument.h"
#include "compile/ChooseExportFile.h"
#include "compile/ExportColumns.h"
#include "compile/ExportFile.h"
#include "compile/ExportFormat.h"
#include "compile/ExportSheet.h"
#include "metadata/MPEGaudio.h"
#include "platform/PathParts.h"
#include "tracks/PlaylistFile.h"

namespace {

constexpr int kFailureStatus = 1;
constexpr char kColumnsOption[] = "--columns";
constexpr int kTextFilter = 0;
constexpr int kHtmlFilter = 1;

std::string Trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return std::string();
  return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

std::string ValidNames() {
  std::string names;
  for (const std::string& name : ExportColumnNames(PlaylistExportColumns()))
    names += (names.empty() ? "" : ", ") + name;
  return names;
}

// The columns a --columns text names, in its order; nullopt after telling err what is wrong.
std::optional<std::vector<ExportColumn>> ParseColumns(const std::optional<std::string>& text,
                                                      std::ostream& err) {
  const std::span<const ExportColumn> all = PlaylistExportColumns();
  if (!text) return std::vector<ExportColumn>(all.begin(), all.end());
  std::vector<ExportColumn> columns;
  if (Trimmed(*text).empty()) return columns;  // every column unticked
  for (std::size_t start = 0; start <= text->size();) {
    const std::size_t comma = std::min(text->find(',', start), text->size());
    const std::string name = Trimmed(std::string_view(*text).substr(start, comma - start));
    const ExportColumn* column = FindExportColumn(name);
    if (!column) {
      err << "songloom-cli: unknown column \"" << name << "\"; the columns are: " << ValidNames()
          << "\n";
      return std::nullopt;
    }
    if (std::ranges::find(columns, *column) != columns.end()) {
      err << "songloom-cli: column \"" << name << "\" is named twice\n";
      return std::nullopt;
    }
    columns.push_back(*column);
    start = comma + 1;
  }
  return columns;
}

// OUT with the extension of the filter its own extension picks.
std::string ExportPath(const std::string& out) {
  const int filter = FormatOfExportPath(out) == ExportFormat::Text ? kTextFilter : kHtmlFilter;
  return ChangeExtension(out, FilterExtension(kExportFilter, filter));
}

}  // namespace

std::optional<ExportArguments> ParseExportArguments(const std::vector<std::string>& args) {
  ExportArguments arguments;
  std::vector<std::string> files;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == kColumnsOption) {
      if (i + 1 >= args.size() || arguments.columns) return std::nullopt;
      arguments.columns = args[++i];
    } else {
      files.push_back(args[i]);
    }
  }
  if (files.size() != 2) return std::nullopt;
  arguments.playlist = std::move(files[0]);
  arguments.out = std::move(files[1]);
  return arguments;
}

int RunExportCommand(const ExportArguments& arguments, std::ostream& out, std::ostream& err,
                     platform::FileSystem& fs) {
  const std::optional<std::vector<ExportColumn>> columns = ParseColumns(arguments.columns, err);
  if (!columns) return kFailureStatus;
  if (arguments.out.empty()) {
    err << "songloom-cli: no file to export to\n";
    return kFailureStatus;
  }
  if (!CheckFileArgument(arguments.playlist, err, fs)) return kFailureStatus;
  std::vector<std::string> items;
  const PlaylistReadResult read = ReadPlaylistFile(arguments.playlist, items, fs);
  if (read.error) {
    err << "songloom-cli: " << *read.error << "\n";
    return kFailureStatus;
  }
  std::vector<std::string> paths;
  for (const std::string& item : items) paths.push_back(SplitItem(item).FilePath);

  const std::string path = ExportPath(arguments.out);
  TMPEGaudio analyser(fs);
  const std::string error = WriteExportFile(fs, path, [&](platform::WriteFile& file) {
    ExportSheet sheet(analyser, file, FormatOfExportPath(path), *columns);
    return sheet.writeHeader(arguments.playlist) && sheet.writeNumberedRows(paths) &&
           sheet.writeFooter();
  });
  if (!error.empty()) {
    err << "songloom-cli: " << error << "\n";
    return kFailureStatus;
  }
  if (read.missing > 0)
    err << "songloom-cli: " << read.missing
        << " missing track(s) of the playlist were left out: their files do not exist\n";
  out << path << "\n";
  return 0;
}
