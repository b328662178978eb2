#include "platform/AbsolutePath.h"

#include <filesystem>
#include <system_error>

namespace platform {

std::string AbsolutePath(std::string_view path) {
  if (path.empty()) return {};
  std::error_code error;
  std::filesystem::path absolute = std::filesystem::absolute(std::filesystem::path(path), error);
  if (error) absolute = std::filesystem::path(path);
  std::string text = absolute.lexically_normal().string();
  while (text.size() > 1 && text.back() == '/') text.pop_back();
  return text;
}

}  // namespace platform
