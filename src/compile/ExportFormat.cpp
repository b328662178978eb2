#include "compile/ExportFormat.h"

#include <cstdio>

#include "platform/PathParts.h"
#include "tracks/TrackTexts.h"

namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::size_t kRuleLength = 455;
constexpr char kTextExtension[] = "TXT";
constexpr int kHtmlCellSpacing = 4;
constexpr int kHtmlTableMargin = 2;

std::size_t CodePoints(std::string_view text) {
  std::size_t count = 0;
  for (const char c : text)
    if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++count;
  return count;
}

std::string Rule() { return std::string(kRuleLength, '-') + std::string(kLineEnd); }

std::string TotalsText(std::int64_t size, double duration) {
  return "Total Time: " + DurationText(duration) + "     Total Size: " + SizeText(size);
}

int TableWidth(const std::vector<ExportColumn>& columns) {
  int width = kHtmlTableMargin;
  for (const ExportColumn& column : columns) width += column.htmlWidth + kHtmlCellSpacing;
  return width;
}

}  // namespace

ExportFormat FormatOfExportPath(std::string_view path) {
  return UpperExtension(path) == kTextExtension ? ExportFormat::Text : ExportFormat::Html;
}

std::string PadCell(int width, std::string_view value) {
  std::string cell(value);
  const std::size_t shown = CodePoints(value);
  const std::size_t wanted = width > 0 ? static_cast<std::size_t>(width) : 0;
  if (shown < wanted) cell.append(wanted - shown, ' ');
  cell += '\t';
  return cell;
}

std::string HtmlEscape(std::string_view text) {
  std::string escaped;
  escaped.reserve(text.size());
  for (const char c : text) {
    switch (c) {
      case '<':
        escaped += "&lt;";
        break;
      case '>':
        escaped += "&gt;";
        break;
      case '&':
        escaped += "&amp;";
        break;
      case '"':
        escaped += "&quot;";
        break;
      default:
        escaped += c;
    }
  }
  return escaped;
}

std::string TextHeader(const std::vector<ExportColumn>& columns) {
  std::string names;
  for (const ExportColumn& column : columns) names += PadCell(column.textWidth, column.name);
  return Rule() + names + std::string(kLineEnd) + Rule();
}

std::string HtmlHeader(const std::string& title, const std::vector<ExportColumn>& columns) {
  std::string head =
      "<html>\r\n<head>\r\n"
      "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">\r\n<title>" +
      HtmlEscape(title) + "</title>\r\n</head>\r\n\r\n<body>\r\n";
  if (!title.empty()) head += HtmlEscape(title) + std::string(kLineEnd);
  head += "<table width=\"" + std::to_string(TableWidth(columns)) + "\" border=\"0\">\r\n";
  head += "  <tr>\r\n";
  for (const ExportColumn& column : columns) {
    head += "    <td width=\"" + std::to_string(column.htmlWidth) + "\">" +
            HtmlEscape(column.name) + "</td>\r\n";
  }
  return head + "</tr>";
}

std::string TextFooter(std::int64_t size, double duration) {
  return Rule() + TotalsText(size, duration);
}

std::string HtmlFooter(std::int64_t size, double duration) {
  return "</table>\r\n" + TotalsText(size, duration) + "\r\n</body>\r\n</html>\r\n";
}

std::string TextRow(const std::vector<ExportColumn>& columns,
                    const std::vector<std::string>& values) {
  std::string line;
  for (std::size_t i = 0; i < columns.size() && i < values.size(); ++i)
    line += PadCell(columns[i].textWidth, values[i]);
  return line;
}

std::string HtmlRow(const std::vector<std::string>& values) {
  std::string line = "  <tr>\r\n";
  for (const std::string& value : values) line += "   <td>" + HtmlEscape(value) + "</td>\r\n";
  return line + "</tr>";
}
