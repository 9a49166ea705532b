#include "testing/xml_check.h"

#include <set>
#include <vector>

namespace tarnik::testing {
namespace {

class Checker {
 public:
  explicit Checker(std::string_view text) : t_(text) {}

  std::optional<std::string> Run() {
    if (Starts("<?xml")) {
      if (!ProcessingInstruction()) return error_;
    }
    bool doctype = false;
    bool root_done = false;
    for (;;) {
      SkipBlanks();
      if (pos_ >= t_.size()) break;
      if (Starts("<?")) {
        if (!ProcessingInstruction()) return error_;
      } else if (Starts("<!--")) {
        if (!Comment()) return error_;
      } else if (Starts("<!DOCTYPE")) {
        if (doctype || root_done) return Fail("DOCTYPE na nesprávném místě");
        doctype = true;
        if (!Doctype()) return error_;
      } else if (Starts("<")) {
        if (root_done) return Fail("druhý kořenový element");
        if (!Element()) return error_;
        root_done = true;
      } else {
        return Fail("text mimo kořenový element");
      }
    }
    if (!root_done) return Fail("chybí kořenový element");
    return std::nullopt;
  }

 private:
  std::optional<std::string> Fail(const std::string& what) {
    size_t line = 1;
    for (size_t i = 0; i < pos_ && i < t_.size(); ++i)
      if (t_[i] == '\n') ++line;
    error_ = "řádek " + std::to_string(line) + ": " + what;
    return error_;
  }
  bool Failed(const std::string& what) {
    Fail(what);
    return false;
  }

  bool Starts(std::string_view s) const { return t_.substr(pos_, s.size()) == s; }
  static bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
  static bool IsControl(unsigned char c) { return c < 0x20 && c != '\t' && c != '\r' && c != '\n'; }
  static bool IsNameStart(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' || c == ':' || c >= 0x80;
  }
  static bool IsNameChar(unsigned char c) {
    return IsNameStart(c) || (c >= '0' && c <= '9') || c == '-' || c == '.';
  }
  void SkipBlanks() {
    while (pos_ < t_.size() && IsBlank(t_[pos_])) ++pos_;
  }
  bool Name(std::string* out) {
    const size_t start = pos_;
    if (pos_ >= t_.size() || !IsNameStart(static_cast<unsigned char>(t_[pos_])))
      return Failed("očekáváno jméno");
    while (pos_ < t_.size() && IsNameChar(static_cast<unsigned char>(t_[pos_]))) ++pos_;
    *out = std::string(t_.substr(start, pos_ - start));
    return true;
  }
  // Text up to `end` (consumed), without control characters.
  bool Until(std::string_view end, const char* what) {
    const size_t found = t_.find(end, pos_);
    if (found == std::string_view::npos) return Failed(std::string("neukončen(a) ") + what);
    for (size_t i = pos_; i < found; ++i) {
      if (IsControl(static_cast<unsigned char>(t_[i]))) {
        pos_ = i;
        return Failed("řídicí znak");
      }
    }
    pos_ = found + end.size();
    return true;
  }
  bool ProcessingInstruction() {
    pos_ += 2;
    std::string target;
    if (!Name(&target)) return false;
    return Until("?>", "instrukce");
  }
  bool Comment() {
    pos_ += 4;
    const size_t start = pos_;
    if (!Until("-->", "komentář")) return false;
    if (t_.substr(start, pos_ - 3 - start).find("--") != std::string_view::npos)
      return Failed("-- v komentáři");
    return true;
  }
  bool Doctype() {
    pos_ += 9;
    for (; pos_ < t_.size(); ++pos_) {
      const char c = t_[pos_];
      if (c == '[') return Failed("vnitřní podmnožina DTD se nekontroluje");
      if (c == '"' || c == '\'') {
        const size_t end = t_.find(c, pos_ + 1);
        if (end == std::string_view::npos) return Failed("neukončený literál");
        pos_ = end;
      } else if (c == '>') {
        ++pos_;
        return true;
      }
    }
    return Failed("neukončený DOCTYPE");
  }
  bool Reference() {
    // pos_ is on '&'.
    const size_t end = t_.find(';', pos_);
    if (end == std::string_view::npos || end - pos_ > 12) return Failed("chybný odkaz &");
    std::string_view ref = t_.substr(pos_ + 1, end - pos_ - 1);
    if (ref == "lt" || ref == "gt" || ref == "amp" || ref == "apos" || ref == "quot") {
      pos_ = end + 1;
      return true;
    }
    if (ref.size() >= 2 && ref[0] == '#') {
      const bool hex = ref[1] == 'x';
      std::string_view digits = ref.substr(hex ? 2 : 1);
      if (digits.empty()) return Failed("chybný znakový odkaz");
      unsigned long value = 0;
      for (char c : digits) {
        int d = -1;
        if (c >= '0' && c <= '9') d = c - '0';
        if (hex && c >= 'a' && c <= 'f') d = c - 'a' + 10;
        if (hex && c >= 'A' && c <= 'F') d = c - 'A' + 10;
        if (d < 0) return Failed("chybný znakový odkaz");
        value = value * (hex ? 16 : 10) + static_cast<unsigned long>(d);
        if (value > 0x10FFFF) return Failed("znakový odkaz mimo rozsah");
      }
      const bool ok = value == 0x9 || value == 0xA || value == 0xD ||
                      (value >= 0x20 && value <= 0xD7FF) || (value >= 0xE000 && value <= 0xFFFD) ||
                      (value >= 0x10000 && value <= 0x10FFFF);
      if (!ok) return Failed("znakový odkaz na nepřípustný znak");
      pos_ = end + 1;
      return true;
    }
    return Failed("odkaz na neznámou entitu &" + std::string(ref) + ";");
  }
  bool AttributeValue() {
    if (pos_ >= t_.size() || (t_[pos_] != '"' && t_[pos_] != '\''))
      return Failed("hodnota bez uvozovek");
    const char quote = t_[pos_++];
    while (pos_ < t_.size() && t_[pos_] != quote) {
      const unsigned char c = static_cast<unsigned char>(t_[pos_]);
      if (c == '<') return Failed("< v hodnotě atributu");
      if (IsControl(c)) return Failed("řídicí znak v hodnotě atributu");
      if (c == '&') {
        if (!Reference()) return false;
      } else {
        ++pos_;
      }
    }
    if (pos_ >= t_.size()) return Failed("neukončená hodnota atributu");
    ++pos_;
    return true;
  }
  // A start tag; `empty` tells whether it closed itself.
  bool StartTag(std::string* name, bool* empty) {
    ++pos_;  // '<'
    if (!Name(name)) return false;
    std::set<std::string> seen;
    for (;;) {
      const size_t before = pos_;
      SkipBlanks();
      if (Starts("/>")) {
        pos_ += 2;
        *empty = true;
        return true;
      }
      if (Starts(">")) {
        ++pos_;
        *empty = false;
        return true;
      }
      if (pos_ == before) return Failed("chybí mezera před atributem");
      std::string attribute;
      if (!Name(&attribute)) return false;
      if (!seen.insert(attribute).second) return Failed("atribut " + attribute + " dvakrát");
      SkipBlanks();
      if (!Starts("=")) return Failed("chybí = za atributem " + attribute);
      ++pos_;
      SkipBlanks();
      if (!AttributeValue()) return false;
    }
  }
  bool Element() {
    std::vector<std::string> open;
    std::string name;
    bool empty = false;
    if (!StartTag(&name, &empty)) return false;
    if (empty) return true;
    open.push_back(name);
    while (!open.empty()) {
      if (pos_ >= t_.size()) return Failed("neuzavřený element " + open.back());
      const unsigned char c = static_cast<unsigned char>(t_[pos_]);
      if (Starts("</")) {
        pos_ += 2;
        std::string end;
        if (!Name(&end)) return false;
        SkipBlanks();
        if (!Starts(">")) return Failed("chybný koncový tag");
        ++pos_;
        if (end != open.back()) return Failed("koncový tag " + end + " místo " + open.back());
        open.pop_back();
      } else if (Starts("<!--")) {
        if (!Comment()) return false;
      } else if (Starts("<![CDATA[")) {
        pos_ += 9;
        if (!Until("]]>", "sekce CDATA")) return false;
      } else if (Starts("<?")) {
        if (!ProcessingInstruction()) return false;
      } else if (c == '<') {
        if (!StartTag(&name, &empty)) return false;
        if (!empty) open.push_back(name);
      } else if (c == '&') {
        if (!Reference()) return false;
      } else if (IsControl(c)) {
        return Failed("řídicí znak v textu");
      } else if (Starts("]]>")) {
        return Failed("]]> v textu");
      } else {
        ++pos_;
      }
    }
    return true;
  }

  std::string_view t_;
  size_t pos_ = 0;
  std::optional<std::string> error_;
};

}  // namespace

std::optional<std::string> XmlWellFormednessError(std::string_view document) {
  return Checker(document).Run();
}

}  // namespace tarnik::testing
