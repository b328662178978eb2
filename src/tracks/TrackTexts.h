#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The size and duration texts every list and totals line shows.

// "0" for 0; else the size with two decimals ('.' whatever the locale) and " KB", " MB" or
// " GB", chosen by the number of decimal digits (1-6, 7-9, 10+); the divisors are 1048,
// 1048576 and 1048576000.
std::string SizeText(std::int64_t bytes);

// A totals line, "Total: 3 tracks | 12:40 | 28.96 MB": the label, the count with its unit, the
// duration and the size.
std::string TotalsLine(std::string_view label, std::string_view unit, std::int32_t count,
                       double duration, std::int64_t size);

// "mm:ss" below an hour, else "h:mm:ss"; the seconds are truncated toward zero.
std::string DurationText(double seconds);
