#pragma once

#include <optional>
#include <string>
#include <vector>

// What an HTML page of ours holds, as Python's html.parser reads it.
struct ParsedHtmlPage {
  std::string title;
  std::string charset;                         // of the Content-Type meta element
  std::vector<std::vector<std::string>> rows;  // every table row's cells, as text, in order
  std::vector<std::string> problems;  // tags left open or closed out of turn, text outside <html>
};

// Parses the page at path with Python's html.parser; nullopt when python3 is not at hand.
std::optional<ParsedHtmlPage> ParseHtmlPage(const std::string& path);

// What `xmllint --html --noout` says of the page (empty when it finds nothing wrong); nullopt
// when xmllint is not at hand.
std::optional<std::string> XmllintHtmlComplaints(const std::string& path);
