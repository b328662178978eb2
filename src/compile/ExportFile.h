#pragma once

#include <functional>
#include <string>

#include "platform/FileSystem.h"

// The temporary file of an export lies beside the chosen one, named after it with this mark.
inline constexpr char kExportTempSuffix[] = "~export";

// Writes the export file at path in one step: write fills a new file beside it, which then
// takes the path's place. On any failure nothing is left under that name (a file there before
// is kept as it was) and the answer is the message to show, naming the path and the reason;
// empty when the file was written.
std::string WriteExportFile(platform::FileSystem& fs, const std::string& path,
                            const std::function<bool(platform::WriteFile&)>& write);
