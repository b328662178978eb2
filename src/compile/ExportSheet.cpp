#include "compile/ExportSheet.h"

#include <utility>

#include "metadata/TrackInfo.h"

ExportSheet::ExportSheet(TMPEGaudio& analyser, platform::WriteFile& file, ExportFormat format,
                         std::vector<ExportColumn> columns)
    : analyser_(analyser), file_(file), format_(format), columns_(std::move(columns)) {}

bool ExportSheet::writeLine(const std::string& line) {
  if (!ok_) return false;
  ok_ = file_.write(line.data(), line.size()) && file_.write("\r\n", 2);
  return ok_;
}

bool ExportSheet::writeHeader(const std::string& rawTitle) {
  const std::string title = OneLineText(rawTitle);
  if (format_ == ExportFormat::Html) return writeLine(HtmlHeader(title, columns_));
  if (!title.empty() && !writeLine(title)) return false;
  return writeLine(TextHeader(columns_));
}

bool ExportSheet::writeRow(const std::string& path, int number) {
  return ok_ && writeLine(ExportRow(path, number));
}

bool ExportSheet::writeNumberedRows(const std::vector<std::string>& paths) {
  int number = 0;
  for (const std::string& path : paths)
    if (!writeRow(path, ++number)) return false;
  return true;
}

bool ExportSheet::writeFooter() {
  return writeLine(format_ == ExportFormat::Html ? HtmlFooter(totalSize_, totalDuration_)
                                                 : TextFooter(totalSize_, totalDuration_));
}

std::string ExportSheet::ExportRow(const std::string& path, int number) {
  recMP3Info info;
  ReadTrackInfo(analyser_, path, info);
  totalSize_ += info.size;
  totalDuration_ += info.duration;
  ++rows_;
  std::vector<std::string> values;
  values.reserve(columns_.size());
  for (const ExportColumn& column : columns_)
    values.push_back(ExportValue(column, path, info, number));
  return format_ == ExportFormat::Html ? HtmlRow(values) : TextRow(columns_, values);
}
