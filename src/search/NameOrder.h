#pragma once

#include <string_view>

// The order in which folder entries are listed and walked: names compared byte by byte after
// folding the ASCII letters to lower case, so "Mix.m3u" sorts between "a.pls" and "z.mp3";
// bytes beyond ASCII (UTF-8 sequences) compare by value, which is code point order. Names
// that differ only in letter case fall back to their plain bytes, so the order is total and
// a listing never depends on the order the file system returned.
//
// It stands in for the user's locale order of the Windows file list and for the name order in
// which NTFS returns a folder's entries: close to both for ASCII names, without depending on
// the process's locale.
bool NameLess(std::string_view a, std::string_view b);
