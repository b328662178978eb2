#pragma once

#include <string>
#include <string_view>

// Splitting "/"-separated paths by text alone, without asking the file system.

// Everything up to and including the last "/"; empty when there is none.
std::string FolderPart(std::string_view path);
// Everything after the last "/".
std::string FileNamePart(std::string_view path);
// The path without the extension of its last component (from its last "."),
// unchanged when that component has none. A leading "." names a hidden file, not
// an extension.
std::string RemoveExtension(std::string_view path);
// RemoveExtension(path) + extension (which carries its dot, ".m3u").
std::string ChangeExtension(std::string_view path, std::string_view extension);
// The extension of the last component, upper-cased (ASCII), without the dot; empty when none.
std::string UpperExtension(std::string_view path);
