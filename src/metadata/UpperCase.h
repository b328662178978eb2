#pragma once

#include <string>
#include <string_view>

// Upper-casing of UTF-8 text for searches, the same whatever the process's locale (scripts run
// the command line under LC_ALL=C): each code point is replaced by its simple upper case of the
// Unicode tables ("björk" and "Björk" both give "BJÖRK", "дельфин" gives "ДЕЛЬФИН"). A code
// point whose upper case is several characters (ß) stays as it is, and bytes that are not valid
// UTF-8 are kept unchanged.
std::string UpperCaseText(std::string_view text);
// Appends the upper case of text to out, without a temporary string.
void AppendUpperCase(std::string& out, std::string_view text);
// The simple upper case of one code point.
char32_t UpperCaseCodePoint(char32_t c);
