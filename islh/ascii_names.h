// Element and attribute names of the documents compared as the DTD compares them for the export:
// ASCII letters without regard to case, every other byte as it is. No text is built.
#pragma once

#include <string_view>

namespace tarnik::islh {

inline char UpperAsciiChar(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; }

// UpperAscii(a) == UpperAscii(b), without building either.
inline bool SameAsciiNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (UpperAsciiChar(a[i]) != UpperAsciiChar(b[i])) return false;
  return true;
}

}  // namespace tarnik::islh
