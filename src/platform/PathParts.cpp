#include "platform/PathParts.h"

#include <cctype>

namespace {

// Where the extension of the last component starts, or npos.
std::size_t ExtensionStart(std::string_view path) {
  const std::size_t nameStart = path.rfind('/') == std::string_view::npos ? 0 : path.rfind('/') + 1;
  const std::size_t dot = path.rfind('.');
  if (dot == std::string_view::npos || dot <= nameStart) return std::string_view::npos;
  return dot;
}

}  // namespace

std::string FolderPart(std::string_view path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string_view::npos ? std::string() : std::string(path.substr(0, slash + 1));
}

std::string FileNamePart(std::string_view path) {
  const std::size_t slash = path.rfind('/');
  return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

std::string RemoveExtension(std::string_view path) {
  return std::string(path.substr(0, ExtensionStart(path)));
}

std::string ChangeExtension(std::string_view path, std::string_view extension) {
  return RemoveExtension(path) + std::string(extension);
}

std::string UpperExtension(std::string_view path) {
  const std::string name = FileNamePart(path);
  const std::size_t dot = name.rfind('.');
  if (dot == std::string::npos) return {};
  std::string extension = name.substr(dot + 1);
  for (char& c : extension) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return extension;
}
