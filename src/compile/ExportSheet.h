#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "compile/ExportColumns.h"
#include "compile/ExportFormat.h"
#include "platform/FileSystem.h"

class TMPEGaudio;

// One export file being written: its format, its columns and the running totals of the tracks
// written so far. Every track is read again from its file (a missing or unreadable one gives
// its row of zeros). Every piece is written as one line ended by CR LF; after the first write
// that fails nothing more is written and ok() stays false.
class ExportSheet {
 public:
  ExportSheet(TMPEGaudio& analyser, platform::WriteFile& file, ExportFormat format,
              std::vector<ExportColumn> columns);
  ExportSheet(const ExportSheet&) = delete;
  ExportSheet& operator=(const ExportSheet&) = delete;

  // The title line (none when empty) and the header of the format.
  bool writeHeader(const std::string& title);
  // The line of the track at path, numbered number in the "#" column (below 1: none).
  bool writeRow(const std::string& path, int number);
  // The lines of these tracks, numbered from 1: a playlist's rows.
  bool writeNumberedRows(const std::vector<std::string>& paths);
  // The footer with the totals.
  bool writeFooter();

  // The line of one track; adds it to the totals.
  std::string ExportRow(const std::string& path, int number);

  bool ok() const { return ok_; }
  std::int64_t totalSize() const { return totalSize_; }
  double totalDuration() const { return totalDuration_; }
  int rowCount() const { return rows_; }

 private:
  bool writeLine(const std::string& line);

  TMPEGaudio& analyser_;
  platform::WriteFile& file_;
  ExportFormat format_;
  std::vector<ExportColumn> columns_;
  std::int64_t totalSize_ = 0;
  double totalDuration_ = 0.0;
  int rows_ = 0;
  bool ok_ = true;
};
