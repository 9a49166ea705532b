#include "islh/xml_scanner.h"

#include <cerrno>
#include <cstring>
#include <stdexcept>

#include "platform/encoding.h"
#include "platform/text.h"

namespace tarnik::islh {
namespace {

bool IsBlank(int c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

bool EndsName(int c) {
  return c < 0 || IsBlank(c) || c == '=' || c == '>' || c == '/' || c == '<' || c == '\'' ||
         c == '"';
}

// The code point of a character reference body ("#38", "#x26"); 0 when it is none.
char32_t NumericReference(std::string_view body) {
  if (body.size() < 2 || body[0] != '#') return 0;
  const bool hex = body[1] == 'x';
  std::string_view digits = body.substr(hex ? 2 : 1);
  if (digits.empty() || digits.size() > 8) return 0;
  uint32_t value = 0;
  for (char c : digits) {
    int d;
    if (c >= '0' && c <= '9') {
      d = c - '0';
    } else if (hex && c >= 'a' && c <= 'f') {
      d = c - 'a' + 10;
    } else if (hex && c >= 'A' && c <= 'F') {
      d = c - 'A' + 10;
    } else {
      return 0;
    }
    value = value * (hex ? 16 : 10) + static_cast<uint32_t>(d);
  }
  // Only characters an XML document may hold.
  const bool allowed = value == 0x9 || value == 0xA || value == 0xD ||
                       (value >= 0x20 && value <= 0xD7FF) || (value >= 0xE000 && value <= 0xFFFD) ||
                       (value >= 0x10000 && value <= 0x10FFFF);
  return allowed ? static_cast<char32_t>(value) : 0;
}

char32_t NamedReference(std::string_view body) {
  if (body == "lt") return '<';
  if (body == "gt") return '>';
  if (body == "amp") return '&';
  if (body == "apos") return '\'';
  if (body == "quot") return '"';
  return 0;
}

// The encoding named by the pseudo-attribute of an XML declaration ("" when none).
std::string DeclaredEncoding(std::string_view content) {
  const size_t at = content.find("encoding");
  if (at == std::string_view::npos) return {};
  size_t i = at + 8;
  while (i < content.size() && IsBlank(static_cast<unsigned char>(content[i]))) ++i;
  if (i >= content.size() || content[i] != '=') return {};
  ++i;
  while (i < content.size() && IsBlank(static_cast<unsigned char>(content[i]))) ++i;
  if (i >= content.size() || (content[i] != '"' && content[i] != '\'')) return {};
  const char quote = content[i++];
  const size_t close = content.find(quote, i);
  if (close == std::string_view::npos) return {};
  return std::string(content.substr(i, close - i));
}

}  // namespace

XmlScanner::XmlScanner(std::string_view bytes, Report report)
    : data_(bytes.data()), end_(bytes.size()), size_(bytes.size()), report_(std::move(report)) {}

XmlScanner::XmlScanner(std::FILE* file, uint64_t size, Report report)
    : file_(file), size_(size), report_(std::move(report)) {
  block_.resize(kBlockSize);
  data_ = block_.data();
}

void XmlScanner::SetProgress(uint64_t step, std::function<void(uint64_t)> progress) {
  progress_step_ = step;
  progress_ = std::move(progress);
  next_progress_ = step ? (position() / step + 1) * step : 0;
}

bool XmlScanner::Refill() {
  if (!file_) return false;
  consumed_ += end_;
  pos_ = end_ = 0;
  const size_t n = std::fread(block_.data(), 1, block_.size(), file_);
  if (n == 0 && std::ferror(file_))
    throw std::runtime_error(std::string("Chyba při čtení souboru: ") + std::strerror(errno));
  end_ = n;
  return n > 0;
}

void XmlScanner::Take() {
  const char c = data_[pos_++];
  if (c == '\r') {
    ++line_;
    after_cr_ = true;
  } else {
    if (c == '\n' && !after_cr_) ++line_;
    after_cr_ = false;
  }
  if (progress_ && position() >= next_progress_) {
    next_progress_ += progress_step_;
    progress_(position());
  }
}

bool XmlScanner::LooksAt(std::string_view text) {
  if (end_ - pos_ < text.size() && file_) {
    // Keep the unread bytes and read the rest of a block behind them.
    const size_t rest = end_ - pos_;
    std::memmove(block_.data(), block_.data() + pos_, rest);
    consumed_ += pos_;
    pos_ = 0;
    const size_t more = std::fread(block_.data() + rest, 1, block_.size() - rest, file_);
    if (more == 0 && std::ferror(file_))
      throw std::runtime_error(std::string("Chyba při čtení souboru: ") + std::strerror(errno));
    end_ = rest + more;
  }
  if (end_ - pos_ < text.size()) return false;
  return std::string_view(data_ + pos_, text.size()) == text;
}

void XmlScanner::SkipBlanks() {
  for (int c = Peek(); c >= 0 && IsBlank(c); c = Peek()) Take();
}

void XmlScanner::SkipUntil(std::string_view terminator) {
  while (Peek() >= 0) {
    if (LooksAt(terminator)) {
      for (size_t i = 0; i < terminator.size(); ++i) Take();
      return;
    }
    Take();
  }
}

void XmlScanner::SkipDeclaration() {
  // Quoted literals and an internal subset in brackets may hold ">" of their own.
  int depth = 0;
  for (int c = Peek(); c >= 0; c = Peek()) {
    if (c == '"' || c == '\'') {
      Take();
      for (int d = Peek(); d >= 0 && d != c; d = Peek()) Take();
      if (Peek() >= 0) Take();
      continue;
    }
    if (c == '<' && LooksAt("<!--")) {
      for (int i = 0; i < 4; ++i) Take();
      SkipUntil("-->");
      continue;
    }
    Take();
    if (c == '[') ++depth;
    if (c == ']' && depth > 0) --depth;
    if (c == '>' && depth == 0) return;
  }
}

void XmlScanner::ReadProcessingInstruction() {
  // The target ends at "?" too: "<?x?>" has no content.
  std::string target;
  for (int c = Peek(); !EndsName(c) && c != '?'; c = Peek()) {
    if (target.size() < kMaxNameBytes) target.push_back(static_cast<char>(c));
    Take();
  }
  std::string content;
  while (Peek() >= 0 && !LooksAt("?>")) {
    if (target == "xml" && content.size() < kMaxNameBytes)
      content.push_back(static_cast<char>(Peek()));
    Take();
  }
  if (Peek() >= 0) {
    Take();
    Take();
  }
  if (target != "xml") return;
  const std::string encoding = platform::UpperAscii(DeclaredEncoding(content));
  if (encoding == "UTF-8" || encoding == "UTF8") {
    utf8_ = true;
  } else if (!encoding.empty() && encoding != "WINDOWS-1250" && encoding != "CP1250") {
    Problem("Kódování \"" + ToUtf8(DeclaredEncoding(content)) +
                "\" neznám, dokument se čte jako Windows-1250.",
            platform::Severity::kInformation);
  }
}

std::string XmlScanner::ReadName() {
  std::string raw;
  bool cut = false;
  for (int c = Peek(); !EndsName(c); c = Peek()) {
    if (raw.size() < kMaxNameBytes) {
      raw.push_back(static_cast<char>(c));
    } else {
      cut = true;
    }
    Take();
  }
  std::string name = ToUtf8(raw);
  if (cut) Problem("Jméno \"" + name + "…\" na řádku " + std::to_string(line_) + " je zkráceno.");
  return name;
}

bool XmlScanner::Next(XmlTag& tag) {
  if (at_start_) {
    at_start_ = false;
    if (LooksAt("\xEF\xBB\xBF")) {
      for (int i = 0; i < 3; ++i) Take();
      utf8_ = true;
    }
  }
  for (;;) {
    for (int c = Peek(); c >= 0 && c != '<'; c = Peek()) Take();  // character data
    if (Peek() < 0) return false;
    tag = XmlTag{};
    tag.line = line_;
    Take();  // "<"
    const int c = Peek();
    if (c == '!') {
      if (LooksAt("!--")) {
        for (int i = 0; i < 3; ++i) Take();
        SkipUntil("-->");
      } else if (LooksAt("![CDATA[")) {
        for (int i = 0; i < 8; ++i) Take();
        SkipUntil("]]>");
      } else {
        Take();
        SkipDeclaration();
      }
      continue;
    }
    if (c == '?') {
      Take();
      ReadProcessingInstruction();
      continue;
    }
    if (c == '/') {
      Take();
      ReadEndTag(tag);
      return true;
    }
    ReadStartTag(tag);
    if (tag.name.empty()) {
      Problem("Značka bez jména na řádku " + std::to_string(tag.line) + " je vynechána.");
      continue;
    }
    return true;
  }
}

void XmlScanner::ReadEndTag(XmlTag& tag) {
  tag.kind = XmlTag::Kind::kEnd;
  tag.name = ReadName();
  for (int c = Peek(); c >= 0 && c != '>' && c != '<'; c = Peek()) Take();
  if (Peek() == '>') Take();
}

void XmlScanner::ReadStartTag(XmlTag& tag) {
  tag.kind = XmlTag::Kind::kStart;
  tag.name = ReadName();
  bool reported_many = false;
  for (;;) {
    SkipBlanks();
    const int c = Peek();
    if (c < 0) {
      tag.empty = true;
      return;
    }
    if (c == '>') {
      Take();
      return;
    }
    if (c == '/') {
      Take();
      if (Peek() == '>') Take();
      tag.empty = true;
      return;
    }
    if (c == '<') {
      if (LooksAt("<!--")) {  // a comment between the attributes
        for (int i = 0; i < 4; ++i) Take();
        SkipUntil("-->");
        continue;
      }
      // The next tag begins: this one was never closed.
      Problem("Značka <" + tag.name + "> na řádku " + std::to_string(tag.line) + " není ukončena.");
      tag.empty = true;
      return;
    }
    if (c == '=' || c == '"' || c == '\'') {
      // A value without a name: read past it.
      Take();
      if (c != '=') {
        for (int d = Peek(); d >= 0 && d != c && d != '<'; d = Peek()) Take();
        if (Peek() == c) Take();
      }
      Problem("Hodnota bez jména atributu na řádku " + std::to_string(line_) + " je vynechána.");
      continue;
    }
    std::string name = ReadName();
    SkipBlanks();
    if (Peek() != '=') {
      Problem("CHYBA při načítání atributu \"" + name +
              "\", nenalezen úvodní apostrof nebo uvozovka\r\nřádek č." + std::to_string(line_));
      continue;
    }
    Take();  // "="
    std::string raw;
    bool tag_ends = false;
    const bool read = ReadValue(name, raw, tag_ends);
    if (read) {
      if (tag.attributes.size() < kMaxAttributes) {
        tag.attributes.push_back({std::move(name), Decode(raw)});
      } else if (!reported_many) {
        reported_many = true;
        Problem("Značka <" + tag.name + "> na řádku " + std::to_string(tag.line) + " má více než " +
                std::to_string(kMaxAttributes) + " atributů, další jsou vynechány.");
      }
    }
    if (tag_ends) {
      tag.empty = true;
      return;
    }
  }
}

bool XmlScanner::ReadValue(const std::string& name, std::string& raw, bool& tag_ends) {
  SkipBlanks();
  const int quote = Peek();
  if (quote != '"' && quote != '\'') {
    Problem("CHYBA při načítání atributu \"" + name +
            "\", nenalezen úvodní apostrof nebo uvozovka\r\nřádek č." + std::to_string(line_));
    // An unquoted value is read past up to the next blank or the end of the tag.
    for (int c = Peek(); c >= 0 && !IsBlank(c) && c != '>' && c != '<' && c != '/'; c = Peek())
      Take();
    tag_ends = Peek() < 0;
    return false;
  }
  Take();
  bool cut = false;
  for (int c = Peek();; c = Peek()) {
    // A "<" cannot stand in a value: the value was never closed and the next tag begins.
    if (c < 0 || c == '<') {
      Problem("CHYBA při načítání atributu \"" + name + "\"\r\nřádek č." + std::to_string(line_));
      tag_ends = true;
      return false;
    }
    if (c == quote) {
      Take();
      break;
    }
    if (raw.size() < kMaxValueBytes) {
      raw.push_back(static_cast<char>(c));
    } else {
      cut = true;
    }
    Take();
  }
  if (cut)
    Problem("Hodnota atributu \"" + name + "\" před řádkem " + std::to_string(line_ + 1) +
            " je delší než " + std::to_string(kMaxValueBytes) + " bajtů a je zkrácena.");
  return true;
}

std::string XmlScanner::ToUtf8(std::string_view raw) const {
  bool ascii = true;
  for (char c : raw) ascii = ascii && static_cast<unsigned char>(c) < 0x80;
  if (ascii) return std::string(raw);
  if (!utf8_) return platform::Cp1250ToUtf8(raw);
  // Re-encoded so that malformed sequences become U+FFFD and never reach the model.
  std::string out;
  out.reserve(raw.size());
  for (size_t pos = 0; pos < raw.size();)
    platform::AppendUtf8(&out, platform::NextCodePoint(raw, &pos));
  return out;
}

std::string XmlScanner::Decode(std::string_view raw) const {
  if (raw.find('&') == std::string_view::npos) return ToUtf8(raw);
  std::string out;
  out.reserve(raw.size());
  size_t done = 0;  // raw bytes converted so far
  for (size_t amp = raw.find('&'); amp != std::string_view::npos; amp = raw.find('&', amp + 1)) {
    const size_t semicolon = raw.find(';', amp + 1);
    if (semicolon == std::string_view::npos || semicolon - amp > 12) continue;
    const std::string_view body = raw.substr(amp + 1, semicolon - amp - 1);
    const char32_t cp = body.empty()     ? 0
                        : body[0] == '#' ? NumericReference(body)
                                         : NamedReference(body);
    if (cp == 0) continue;  // not a reference the document may use: kept as written
    out += ToUtf8(raw.substr(done, amp - done));
    platform::AppendUtf8(&out, cp);
    done = semicolon + 1;
    amp = semicolon;
  }
  out += ToUtf8(raw.substr(done));
  return out;
}

void XmlScanner::Problem(const std::string& text, platform::Severity severity) {
  if (report_) report_(text, severity);
}

}  // namespace tarnik::islh
