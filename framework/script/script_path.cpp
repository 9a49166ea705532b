#include "framework/script/script_path.h"

namespace tarnik::framework::script {

bool IsPathDelimiter(char c) {
  switch (c) {
    case '"':
    case '\'':
    case '(':
    case ')':
    case ',':
    case '.':
    case ':':
      return true;
    default:
      return false;
  }
}

std::string TrimSpaces(std::string_view text) {
  size_t b = 0;
  size_t e = text.size();
  while (b < e && text[b] == ' ') ++b;
  while (e > b && text[e - 1] == ' ') --e;
  return std::string(text.substr(b, e - b));
}

TPathToken NextPathToken(std::string_view text, size_t pos) {
  if (pos > text.size()) pos = text.size();
  size_t i = pos;
  while (i < text.size() && !IsPathDelimiter(text[i])) ++i;
  TPathToken token;
  token.text = TrimSpaces(text.substr(pos, i - pos));
  token.delimiter = i < text.size() ? text[i] : '\0';
  token.delimiter_pos = i;
  return token;
}

TCallArguments ScanCallArguments(std::string_view text, size_t open_pos) {
  TCallArguments result;
  size_t i = open_pos + 1;
  size_t arg_start = i;
  int depth = 0;
  bool any_separator = false;
  for (; i < text.size(); ++i) {
    char c = text[i];
    if (c == '(') {
      ++depth;
    } else if (c == ')') {
      if (depth == 0) break;
      --depth;
    } else if (c == ',' && depth == 0) {
      result.args.push_back(TrimSpaces(text.substr(arg_start, i - arg_start)));
      arg_start = i + 1;
      any_separator = true;
    }
  }
  result.close_pos = i;
  result.closed = i < text.size();
  std::string last = TrimSpaces(text.substr(arg_start, i - arg_start));
  if (!last.empty() || any_separator) result.args.push_back(last);
  return result;
}

TStatementSides SplitStatement(std::string_view line) {
  TStatementSides sides;
  size_t eq = line.find('=');
  if (eq == std::string_view::npos) {
    sides.left = TrimSpaces(line);
    return sides;
  }
  sides.left = TrimSpaces(line.substr(0, eq));
  sides.right = TrimSpaces(line.substr(eq + 1));
  sides.has_right = true;
  return sides;
}

}  // namespace tarnik::framework::script
