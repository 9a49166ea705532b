#include "islh/xml_names.h"

#include "platform/encoding.h"

namespace tarnik::islh {
namespace {

// NameStartChar of XML 1.0 (fifth edition), the colon left out.
bool IsNameStart(char32_t c) {
  if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_') return true;
  return (c >= 0xC0 && c <= 0xD6) || (c >= 0xD8 && c <= 0xF6) || (c >= 0xF8 && c <= 0x2FF) ||
         (c >= 0x370 && c <= 0x37D) || (c >= 0x37F && c <= 0x1FFF) ||
         (c >= 0x200C && c <= 0x200D) || (c >= 0x2070 && c <= 0x218F) ||
         (c >= 0x2C00 && c <= 0x2FEF) || (c >= 0x3001 && c <= 0xD7FF) ||
         (c >= 0xF900 && c <= 0xFDCF) || (c >= 0xFDF0 && c <= 0xFFFD) ||
         (c >= 0x10000 && c <= 0xEFFFF);
}

bool IsNameChar(char32_t c) {
  if (IsNameStart(c) || c == '-' || c == '.' || (c >= '0' && c <= '9') || c == 0xB7) return true;
  return (c >= 0x300 && c <= 0x36F) || (c >= 0x203F && c <= 0x2040);
}

}  // namespace

bool IsXmlName(std::string_view utf8) {
  if (utf8.empty()) return false;
  size_t pos = 0;
  bool first = true;
  while (pos < utf8.size()) {
    const size_t before = pos;
    const char32_t c = platform::NextCodePoint(utf8, &pos);
    // A replacement character that was not in the text marks bytes that are not UTF-8.
    if (c == 0xFFFD && utf8.substr(before, pos - before) != "\xEF\xBF\xBD") return false;
    if (first ? !IsNameStart(c) : !IsNameChar(c)) return false;
    first = false;
  }
  return true;
}

}  // namespace tarnik::islh
