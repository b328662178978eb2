#include "support/HtmlCheck.h"

#include <sstream>

#include "support/CliProcess.h"

namespace {

// Prints "title\t…", "charset\t…", one "row\tcell\tcell…" line per row and one "problem\t…"
// line per fault it sees.
constexpr char kParser[] = R"PY(
import sys
from html.parser import HTMLParser

VOID = {"meta", "br", "hr", "img", "input", "link"}

class Page(HTMLParser):
    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.stack, self.rows, self.problems = [], [], []
        self.title, self.charset, self.cell = "", "", None
    def handle_starttag(self, tag, attrs):
        if tag == "meta":
            content = dict(attrs).get("content", "")
            if "charset=" in content:
                self.charset = content.split("charset=")[1]
        if tag == "tr":
            self.rows.append([])
        if tag == "td":
            self.cell = ""
        if tag not in VOID:
            self.stack.append(tag)
    def handle_endtag(self, tag):
        if not self.stack or self.stack[-1] != tag:
            self.problems.append("</%s> closes %s" % (tag, self.stack[-1:] or "nothing"))
            return
        self.stack.pop()
        if tag == "td" and self.rows:
            self.rows[-1].append(self.cell)
            self.cell = None
    def handle_data(self, data):
        if not self.stack and data.strip():
            self.problems.append("text outside the page: " + data.strip())
        if self.stack and self.stack[-1] == "title":
            self.title += data
        if self.cell is not None:
            self.cell += data

page = Page()
page.feed(open(sys.argv[1], encoding="utf-8", newline="").read())
page.close()
if page.stack:
    page.problems.append("left open: " + " ".join(page.stack))
clean = lambda text: text.replace("\t", " ").replace("\r", " ").replace("\n", " ")
print("title\t" + clean(page.title))
print("charset\t" + page.charset)
for row in page.rows:
    print("\t".join(["row"] + [clean(cell) for cell in row]))
for problem in page.problems:
    print("problem\t" + clean(problem))
)PY";

std::vector<std::string> Fields(const std::string& line) {
  std::vector<std::string> fields;
  std::size_t start = 0;
  for (std::size_t tab = line.find('\t'); tab != std::string::npos; tab = line.find('\t', start)) {
    fields.push_back(line.substr(start, tab - start));
    start = tab + 1;
  }
  fields.push_back(line.substr(start));
  return fields;
}

bool ToolAtHand(const std::string& tool) {
  return RunShellCommand("command -v " + tool + " >/dev/null 2>&1").exitStatus == 0;
}

}  // namespace

std::optional<ParsedHtmlPage> ParseHtmlPage(const std::string& path) {
  if (!ToolAtHand("python3")) return std::nullopt;
  const CliRun run =
      RunShellCommand("python3 -c " + ShellQuoted(kParser) + " " + ShellQuoted(path) + " 2>&1");
  ParsedHtmlPage page;
  if (run.exitStatus != 0) {
    page.problems.push_back("the parser failed: " + run.output);
    return page;
  }
  std::istringstream lines(run.output);
  for (std::string line; std::getline(lines, line);) {
    std::vector<std::string> fields = Fields(line);
    const std::string kind = fields.front();
    fields.erase(fields.begin());
    const std::string first = fields.empty() ? std::string() : fields.front();
    if (kind == "title")
      page.title = first;
    else if (kind == "charset")
      page.charset = first;
    else if (kind == "row")
      page.rows.push_back(fields);
    else
      page.problems.push_back(first);
  }
  return page;
}

std::optional<std::string> XmllintHtmlComplaints(const std::string& path) {
  if (!ToolAtHand("xmllint")) return std::nullopt;
  return RunShellCommand("xmllint --html --noout " + ShellQuoted(path) + " 2>&1").output;
}
