#pragma once

#include <string>

// An item text as the row filler gets it: [track name "|"] path, where a path that starts with
// "*" is a folder entry of a listing: "*" + parent folder + "/" + "[" + name + "]".
struct ItemText {
  std::string name;      // the track name before the first "|"; empty when there is none
  std::string path;      // a folder's path without "*", brackets or a trailing "/"
  std::string fileName;  // the last path component, extension kept; a folder's own name
  std::string type;      // "FOLDER", or the extension upper-cased without the dot (may be empty)
  bool folder = false;
};

ItemText ParseItemText(const std::string& item);
