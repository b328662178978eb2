#include "tracks/TrackTexts.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <string>

std::string SizeText(std::int64_t bytes) {
  if (bytes == 0) return "0";
  // The unit follows the length of the decimal text, not the value after division.
  const std::size_t digits = std::to_string(bytes).size();
  double value = 0.0;
  const char* unit = "";
  if (digits <= 6) {
    value = static_cast<double>(bytes) / 1048.0;
    unit = " KB";
  } else if (digits <= 9) {
    value = static_cast<double>(bytes) / 1048576.0;
    unit = " MB";
  } else {
    value = static_cast<double>(bytes) / 1048576000.0;
    unit = " GB";
  }
  // to_chars ignores the locale, so the separator is always '.'.
  char buffer[64];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 2);
  return std::string(buffer, result.ptr) + unit;
}

std::string DurationText(double seconds) {
  // A value no clock can show (NaN, infinite, beyond the 64-bit range) reads as zero.
  const bool representable = std::isfinite(seconds) && std::fabs(seconds) < 9.0e18;
  const long long t = representable ? static_cast<long long>(std::trunc(seconds)) : 0;
  const long long h = t / 3600;
  const long long m = (t % 3600) / 60;
  const long long s = t % 60;
  char buffer[64];
  if (h != 0) {
    std::snprintf(buffer, sizeof buffer, "%lld:%2.2lld:%2.2lld", h, m, s);
  } else {
    std::snprintf(buffer, sizeof buffer, "%2.2lld:%2.2lld", m, s);
  }
  return buffer;
}

std::string TotalsLine(std::string_view label, std::string_view unit, std::int32_t count,
                       double duration, std::int64_t size) {
  return std::string(label) + ": " + std::to_string(count) + " " + std::string(unit) + " | " +
         DurationText(duration) + " | " + SizeText(size);
}
