#include "browser/LibrarySearch.h"

#include "metadata/TextCodec.h"
#include "metadata/UpperCase.h"

namespace {

constexpr std::string_view kLineBreak = "\r\n";

}  // namespace

std::string SearchText(std::string_view boxText) { return UpperCaseText(TrimText(boxText)); }

RowMatcher::RowMatcher(std::string_view searchText) {
  key_ = kLineBreak;
  key_ += searchText;
}

bool RowMatcher::matches(const TrackGrid& grid, int row) {
  rowText_.assign(kLineBreak);
  for (int col = 0; col < grid.columnCount(); ++col) {
    AppendUpperCase(rowText_, grid.cellView(row, col));
    rowText_ += kLineBreak;
  }
  return rowText_.find(key_) != std::string::npos;
}
