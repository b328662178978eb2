#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

// Who may use whom among the folders of src/: each folder and the folders it may include.
// The row "forms" lists what a form (a file named f + capital letter) may include beyond its
// own folder's row.
using FloorTable = std::map<std::string, std::set<std::string>>;

// The table as the build writes it: one line per folder, "name: used used ...".
FloorTable ParseFloorTable(const std::string& text);

// Every #include "folder/..." of the sources under srcDir that runs against the table, as
// "path:line: message" texts; empty when the floors hold. Files of a folder the table does not
// know are reported too.
std::vector<std::string> FloorViolations(const std::string& srcDir, const FloorTable& table);
