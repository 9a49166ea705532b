#include "platform/encoding.h"

#include <array>

#include "platform/encoding_tables.h"

namespace tarnik::platform {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

// Unicode -> Windows-1250 for the code points above 0x7F, built once from the forward table.
struct ReverseTable {
  std::array<int, 0x2200> low{};  // covers every code point the code page has (max U+2122)
  ReverseTable() {
    low.fill(-1);
    for (int b = 0; b < 256; ++b) low[internal::kCp1250ToUnicode[b]] = b;
  }
};

const ReverseTable& Reverse() {
  static const ReverseTable table;
  return table;
}

// 852 byte -> Windows-1250 byte for one letter list; other bytes map to themselves.
struct Cp852Map {
  std::array<unsigned char, 256> to1250{};
  explicit Cp852Map(const internal::Cp852Letter* letters) {
    for (int b = 0; b < 256; ++b) to1250[b] = static_cast<unsigned char>(b);
    for (int i = 0; i < internal::kCp852LetterCount; ++i) {
      to1250[letters[i].byte] = static_cast<unsigned char>(UnicodeToCp1250Byte(letters[i].unicode));
    }
  }
  std::string Convert(std::string_view bytes) const {
    std::string out(bytes);
    for (char& c : out) c = static_cast<char>(to1250[static_cast<unsigned char>(c)]);
    return out;
  }
};

const Cp852Map& ExchangeMap() {
  static const Cp852Map map(internal::kCp852ExchangeLetters);
  return map;
}

const Cp852Map& MapTextMap() {
  static const Cp852Map map(internal::kCp852MapLetters);
  return map;
}

}  // namespace

char32_t NextCodePoint(std::string_view s, size_t* pos) {
  size_t i = *pos;
  unsigned char c = static_cast<unsigned char>(s[i]);
  if (c < 0x80) {
    *pos = i + 1;
    return c;
  }
  int extra;
  char32_t cp;
  char32_t min;
  if ((c & 0xE0) == 0xC0) {
    extra = 1, cp = c & 0x1F, min = 0x80;
  } else if ((c & 0xF0) == 0xE0) {
    extra = 2, cp = c & 0x0F, min = 0x800;
  } else if ((c & 0xF8) == 0xF0) {
    extra = 3, cp = c & 0x07, min = 0x10000;
  } else {
    *pos = i + 1;
    return kReplacement;
  }
  if (i + extra >= s.size()) {
    *pos = i + 1;
    return kReplacement;
  }
  for (int k = 1; k <= extra; ++k) {
    unsigned char cc = static_cast<unsigned char>(s[i + k]);
    if ((cc & 0xC0) != 0x80) {
      *pos = i + 1;
      return kReplacement;
    }
    cp = (cp << 6) | (cc & 0x3F);
  }
  if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
    *pos = i + 1;
    return kReplacement;
  }
  *pos = i + 1 + extra;
  return cp;
}

void AppendUtf8(std::string* out, char32_t cp) {
  if (cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) cp = kReplacement;
  if (cp < 0x80) {
    out->push_back(static_cast<char>(cp));
  } else if (cp < 0x800) {
    out->push_back(static_cast<char>(0xC0 | (cp >> 6)));
    out->push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else if (cp < 0x10000) {
    out->push_back(static_cast<char>(0xE0 | (cp >> 12)));
    out->push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out->push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else {
    out->push_back(static_cast<char>(0xF0 | (cp >> 18)));
    out->push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
    out->push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out->push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  }
}

size_t Utf8Length(std::string_view text) {
  size_t n = 0;
  for (size_t pos = 0; pos < text.size(); ++n) NextCodePoint(text, &pos);
  return n;
}

std::string Utf8Prefix(std::string_view text, size_t count) {
  size_t pos = 0;
  for (size_t n = 0; n < count && pos < text.size(); ++n) NextCodePoint(text, &pos);
  return std::string(text.substr(0, pos));
}

char32_t Cp1250ByteToUnicode(unsigned char byte) { return internal::kCp1250ToUnicode[byte]; }

int UnicodeToCp1250Byte(char32_t cp) {
  if (cp < 0x80) return static_cast<int>(cp);
  const auto& low = Reverse().low;
  return cp < low.size() ? low[cp] : -1;
}

std::string Cp1250ToUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size() + bytes.size() / 4);
  for (char c : bytes) {
    unsigned char b = static_cast<unsigned char>(c);
    if (b < 0x80) {
      out.push_back(c);
    } else {
      AppendUtf8(&out, internal::kCp1250ToUnicode[b]);
    }
  }
  return out;
}

bool Utf8ToCp1250(std::string_view text, std::string* out, char32_t* missing) {
  out->clear();
  out->reserve(text.size());
  bool ok = true;
  for (size_t pos = 0; pos < text.size();) {
    char32_t cp = NextCodePoint(text, &pos);
    int b = UnicodeToCp1250Byte(cp);
    if (b < 0) {
      if (ok && missing) *missing = cp;
      ok = false;
      out->push_back('?');
    } else {
      out->push_back(static_cast<char>(b));
    }
  }
  return ok;
}

std::string Utf8ToCp1250Xml(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (size_t pos = 0; pos < text.size();) {
    char32_t cp = NextCodePoint(text, &pos);
    int b = UnicodeToCp1250Byte(cp);
    if (b < 0) {
      out += "&#" + std::to_string(static_cast<uint32_t>(cp)) + ";";
    } else {
      out.push_back(static_cast<char>(b));
    }
  }
  return out;
}

std::string Cp852ExchangeToCp1250(std::string_view bytes) { return ExchangeMap().Convert(bytes); }
std::string Cp852ExchangeToUtf8(std::string_view bytes) {
  return Cp1250ToUtf8(Cp852ExchangeToCp1250(bytes));
}
std::string Cp852MapToCp1250(std::string_view bytes) { return MapTextMap().Convert(bytes); }
std::string Cp852MapToUtf8(std::string_view bytes) { return Cp1250ToUtf8(Cp852MapToCp1250(bytes)); }

}  // namespace tarnik::platform
