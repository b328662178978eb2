#include "support/IncludeFloors.h"

#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

namespace fs = std::filesystem;

namespace {

bool IsForm(const fs::path& file) {
  const std::string name = file.filename().string();
  return name.size() > 1 && name[0] == 'f' && name[1] >= 'A' && name[1] <= 'Z';
}

bool IsSource(const fs::path& file) {
  const std::string extension = file.extension().string();
  return extension == ".h" || extension == ".cpp";
}

std::set<std::string> AllowedFor(const std::string& folder, const fs::path& file,
                                 const FloorTable& table) {
  std::set<std::string> allowed = table.at(folder);
  allowed.insert(folder);
  if (IsForm(file) && table.contains("forms")) allowed.merge(std::set(table.at("forms")));
  return allowed;
}

void CheckFile(const fs::path& file, const std::string& folder, const FloorTable& table,
               const fs::path& srcDir, std::vector<std::string>& violations) {
  static const std::regex kInclude(R"(^\s*#\s*include\s*"([A-Za-z0-9_]+)/)");
  const std::string shown = fs::relative(file, srcDir.parent_path()).string();
  if (!table.contains(folder)) {
    violations.push_back(shown + ": the folder " + folder + " has no floor");
    return;
  }
  const std::set<std::string> allowed = AllowedFor(folder, file, table);
  std::ifstream in(file);
  std::string line;
  for (int number = 1; std::getline(in, line); ++number) {
    std::smatch match;
    if (!std::regex_search(line, match, kInclude)) continue;
    if (allowed.contains(match[1].str())) continue;
    violations.push_back(shown + ":" + std::to_string(number) + ": " + folder + " may not use " +
                         match[1].str());
  }
}

}  // namespace

FloorTable ParseFloorTable(const std::string& text) {
  FloorTable table;
  std::istringstream lines(text);
  std::string line;
  while (std::getline(lines, line)) {
    const std::size_t colon = line.find(':');
    if (colon == std::string::npos) continue;
    std::set<std::string>& uses = table[line.substr(0, colon)];
    std::istringstream words(line.substr(colon + 1));
    for (std::string word; words >> word;) uses.insert(word);
  }
  return table;
}

std::vector<std::string> FloorViolations(const std::string& srcDir, const FloorTable& table) {
  std::vector<std::string> violations;
  const fs::path root(srcDir);
  for (const fs::directory_entry& folder : fs::directory_iterator(root)) {
    if (!folder.is_directory()) continue;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(folder.path())) {
      if (entry.is_regular_file() && IsSource(entry.path()))
        CheckFile(entry.path(), folder.path().filename().string(), table, root, violations);
    }
  }
  std::sort(violations.begin(), violations.end());
  return violations;
}
