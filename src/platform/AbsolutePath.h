#pragma once

#include <string>
#include <string_view>

namespace platform {

// The path made absolute against the current folder and written plainly: no "." or ".."
// components, no doubled or trailing "/" ("/" itself stays). Links are not resolved. Empty for
// an empty path.
std::string AbsolutePath(std::string_view path);

}  // namespace platform
