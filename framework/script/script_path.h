// The lexical layer of the command script language: cutting one side of a statement into tokens
// at the path delimiters, and scanning the argument list of a function call. Pure functions over
// the text; positions are 0-based byte offsets into the text given (callers report them 1-based).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tarnik::framework::script {

// The path delimiters: '"', '\'', '(', ')', ',', '.' and ':'. Bytes below 32 and above 127 are
// never delimiters (UTF-8 letters pass through whole).
bool IsPathDelimiter(char c);

// Blanks (spaces only) removed at both ends.
std::string TrimSpaces(std::string_view text);

// One token and the delimiter that ended it. `delimiter` is '\0' at the end of the text, and then
// `delimiter_pos` equals the text's size.
struct TPathToken {
  std::string text;  // trimmed of spaces
  char delimiter = '\0';
  size_t delimiter_pos = 0;
};

// The token that starts at `pos`.
TPathToken NextPathToken(std::string_view text, size_t pos);

// The argument list of a call whose "(" is at `open_pos`. Inside a call only "(", ")" and ","
// count: arguments are split at "," outside nested parentheses and trimmed of spaces.
struct TCallArguments {
  std::vector<std::string> args;  // empty for "()"
  bool closed = false;            // a matching ")" was found
  size_t close_pos = 0;           // position of that ")" (closed), else where the scan stopped
};
TCallArguments ScanCallArguments(std::string_view text, size_t open_pos);

// The statement split at its first "=": both sides trimmed of spaces; `has_right` false when the
// line holds no "=".
struct TStatementSides {
  std::string left;
  std::string right;
  bool has_right = false;
};
TStatementSides SplitStatement(std::string_view line);

}  // namespace tarnik::framework::script
