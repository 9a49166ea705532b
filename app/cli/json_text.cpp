#include "app/cli/json_text.h"

#include <fmt/format.h>

namespace tarnik::cli {

std::string JsonText(const std::string& text) {
  std::string out = "\"";
  for (unsigned char c : text) {
    switch (c) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\t':
        out += "\\t";
        break;
      default:
        if (c < 0x20) {
          out += fmt::format("\\u{:04x}", c);
        } else {
          out += static_cast<char>(c);
        }
    }
  }
  return out + "\"";
}

std::string JsonMessages(const std::vector<platform::ConsoleUi::Logged>& log) {
  std::string out = "\"messages\":[";
  bool first = true;
  for (const platform::ConsoleUi::Logged& m : log) {
    if (m.severity == platform::Severity::kProgress) continue;  // status lines
    out += fmt::format("{}{{\"severity\":\"{}\",\"text\":{}}}", first ? "" : ",",
                       platform::SeverityName(m.severity), JsonText(m.text));
    first = false;
  }
  return out + "]";
}

}  // namespace tarnik::cli
