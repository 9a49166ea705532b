#include "islh/dtd_element.h"

#include <stdexcept>

#include "platform/encoding.h"
#include "platform/fs.h"
#include "platform/text.h"
#include "platform/ui.h"

namespace tarnik::islh {
namespace {

bool IsSkipped(char c) { return c == ' ' || c == '\t' || c == ','; }
bool EndsToken(char c) { return c == ' ' || c == '\t' || c == ')' || c == ',' || c == '>'; }

bool SameAscii(const std::string& a, const std::string& b) {
  return platform::UpperAscii(a) == platform::UpperAscii(b);
}

std::vector<std::string> SplitLines(const std::string& bytes) {
  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] == '\r' || bytes[i] == '\n') {
      lines.push_back(platform::Cp1250ToUtf8(std::string_view(bytes).substr(start, i - start)));
      if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
      start = i + 1;
    }
  }
  if (start < bytes.size()) lines.push_back(platform::Cp1250ToUtf8(bytes.substr(start)));
  return lines;
}

}  // namespace

bool TDTDelement::Open(const std::string& path) {
  path_ = path;
  lines_.clear();
  auto bytes = platform::ReadFileBytes(path);
  opened_ = bytes.has_value();
  if (!opened_) {
    platform::ui().ShowMessage("Soubor " + path + " neexistuje !", platform::Severity::kFailure);
    return false;
  }
  lines_ = SplitLines(*bytes);
  return true;
}

void TDTDelement::OpenText(std::string path, std::string text) {
  path_ = std::move(path);
  lines_ = SplitLines(text);
  opened_ = true;
}

std::string TDTDelement::NextToken(const std::string& line, size_t* pos) {
  // Positions are 1-based, as the declarations are described by column.
  size_t i = *pos;
  while (i >= 1 && i <= line.size() && IsSkipped(line[i - 1])) ++i;
  if (i < 1 || i > line.size()) {
    *pos = i;
    return "";
  }
  if (line[i - 1] == '(') {
    *pos = i + 1;
    return "(";
  }
  size_t start = i;
  while (i <= line.size() && !EndsToken(line[i - 1])) ++i;
  *pos = i;
  return line.substr(start - 1, i - start);
}

void TDTDelement::ReadElement(const std::string& name) {
  children_.clear();
  attributes_.clear();
  attribute_lines_.clear();
  declaration_line_ = 0;
  name_ = name;
  if (!opened_) throw std::runtime_error("Soubor " + path_ + " nelze číst");

  size_t line_no = 0;
  size_t pos = 0;
  bool found = false;
  for (; line_no < lines_.size(); ++line_no) {
    const std::string& line = lines_[line_no];
    if (line.compare(0, 9, "<!ELEMENT") != 0) continue;
    pos = 11;
    if (SameAscii(NextToken(line, &pos), name)) {
      found = true;
      break;
    }
  }
  if (!found) {
    platform::ui().ShowMessage("Nenalezen element " + name, platform::Severity::kPassedOver);
    return;
  }

  declaration_line_ = line_no + 1;
  const std::string& decl = lines_[line_no];
  std::string content = NextToken(decl, &pos);
  if (content == "(") {
    for (;;) {
      size_t before = pos;
      std::string token = NextToken(decl, &pos);
      if (pos == before || token.empty()) break;
      children_.push_back(token);
    }
  } else if (content != "EMPTY") {
    platform::ui().ShowMessage("Chybný element " + name, platform::Severity::kPassedOver);
    return;
  }

  for (++line_no; line_no < lines_.size(); ++line_no) {
    const std::string& line = lines_[line_no];
    if (line.compare(0, 9, "<!ATTLIST") != 0) continue;
    size_t p = 11;
    if (!SameAscii(NextToken(line, &p), name)) break;
    attributes_.push_back(NextToken(line, &p));
    attribute_lines_.push_back(line_no + 1);
  }
}

}  // namespace tarnik::islh
