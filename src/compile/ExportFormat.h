#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "compile/ExportColumns.h"

// The two formats of an export file: a plain-text table of fixed-width columns, or an HTML page
// of one table. Both are UTF-8 with CR LF line ends; the writer ends every piece below with
// one more CR LF.
enum class ExportFormat { Text, Html };

// The save dialog's filters: the first is chosen at first.
inline constexpr char kExportFilter[] = "TXT File|*.txt|HTML File|*.html";

// Text when the path's extension is ".txt", whatever its case; HTML otherwise.
ExportFormat FormatOfExportPath(std::string_view path);

// value, left-aligned and padded with spaces to at least width characters (code points: a name
// in any script lines up with ASCII ones), followed by a TAB; a longer value is written whole.
std::string PadCell(int width, std::string_view value);

// `<`, `>`, `&` and `"` as character references, so a value is always text of the page.
std::string HtmlEscape(std::string_view text);

// The dashes, the column names and the dashes again, each line ended.
std::string TextHeader(const std::vector<ExportColumn>& columns);
// The page's head (UTF-8, the title), the opening of the table and its row of column names.
// The title line, when there is one, is the first line of the body.
std::string HtmlHeader(const std::string& title, const std::vector<ExportColumn>& columns);
// The dashes and the totals line.
std::string TextFooter(std::int64_t size, double duration);
// The end of the table, the totals line and the end of the page.
std::string HtmlFooter(std::int64_t size, double duration);

// One track's line from its values, one per column, in column order.
std::string TextRow(const std::vector<ExportColumn>& columns,
                    const std::vector<std::string>& values);
std::string HtmlRow(const std::vector<std::string>& values);
