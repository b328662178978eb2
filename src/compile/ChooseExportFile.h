#pragma once

#include <string>
#include <string_view>

#include "dialogs/UserDialogs.h"
#include "platform/FileSystem.h"

// The extension of filter number `index` (from 0) of a filter text "TXT File|*.txt|HTML
// File|*.html": its pattern without the leading "*" (".txt"); empty when there is no such
// filter.
std::string FilterExtension(std::string_view filter, int index);

// The export's save dialog: the chosen name with the extension of the chosen filter in place of
// its own ("list.htm" with the HTML filter is "list.html"), after asking before an existing
// file is replaced. Empty when the person cancelled or did not want the file replaced.
std::string ChooseExportFile(UserDialogs& dialogs, platform::FileSystem& fs,
                             const std::string& filter);
