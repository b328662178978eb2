#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// What the fuzz targets share: turning libFuzzer's input into bytes, and failing a property with
// a message that says what was lost, so that libFuzzer keeps the input as a crash.

inline std::string InputBytes(const std::uint8_t* data, std::size_t size) {
  return {reinterpret_cast<const char*>(data), size};
}

// The text in double quotes, with bytes outside printable ASCII as \xNN, for messages.
std::string Quoted(std::string_view text);

// Prints "property failed: " and the message, then aborts.
[[noreturn]] void FailProperty(const std::string& message);
