#include "tracks/ItemText.h"

#include "platform/PathParts.h"

namespace {

std::string LastComponent(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// "parent/[name]" -> "parent/name": only the bracket that opens the last component and the
// one that ends the text go; brackets elsewhere belong to the names.
std::string FolderPath(std::string text) {
  if (!text.empty() && text.back() == ']') text.pop_back();
  const std::size_t slash = text.rfind('/');
  const std::size_t start = slash == std::string::npos ? 0 : slash + 1;
  if (start < text.size() && text[start] == '[') text.erase(start, 1);
  return text;
}

}  // namespace

ItemText ParseItemText(const std::string& item) {
  ItemText parts;
  const std::size_t bar = item.find('|');
  if (bar == std::string::npos) {
    parts.path = item;
  } else {
    parts.name = item.substr(0, bar);
    parts.path = item.substr(bar + 1);
  }
  if (!parts.path.empty() && parts.path[0] == '*') {
    parts.folder = true;
    parts.path = FolderPath(parts.path.substr(1));
    parts.type = "FOLDER";
  } else {
    parts.type = UpperExtension(parts.path);
  }
  parts.fileName = LastComponent(parts.path);
  return parts;
}
