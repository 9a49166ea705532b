#include "platform/text.h"

#include "platform/encoding.h"

namespace tarnik::platform {
namespace {

bool IsTrimmed(unsigned char c) { return c <= ' '; }

// Position of an upper-case letter in the Czech alphabet: base letter A..Z (0..25) and the rank
// of its accent (0 for the plain letter, Czech accents first, then the other ones of Central
// Europe). Letters outside this table answer false.
struct LetterKey {
  int base;
  int rank;
};

bool LatinLetterKey(char32_t u, LetterKey* key) {
  if (u >= 'A' && u <= 'Z') {
    *key = {static_cast<int>(u - 'A'), 0};
    return true;
  }
  struct Accented {
    char32_t cp;
    char base;
    int rank;
  };
  static constexpr Accented kAccented[] = {
      {0xC1, 'A', 1},  {0xC4, 'A', 2},  {0x102, 'A', 3}, {0x104, 'A', 4}, {0xC2, 'A', 5},
      {0xC0, 'A', 6},  {0xC3, 'A', 7},  {0xC5, 'A', 8},  {0x10C, 'C', 1}, {0x106, 'C', 2},
      {0xC7, 'C', 3},  {0x10E, 'D', 1}, {0x110, 'D', 2}, {0xC9, 'E', 1},  {0x11A, 'E', 2},
      {0xCB, 'E', 3},  {0x118, 'E', 4}, {0xC8, 'E', 5},  {0xCA, 'E', 6},  {0xCD, 'I', 1},
      {0xCE, 'I', 2},  {0xCC, 'I', 3},  {0xCF, 'I', 4},  {0x139, 'L', 1}, {0x13D, 'L', 2},
      {0x141, 'L', 3}, {0x147, 'N', 1}, {0x143, 'N', 2}, {0xD1, 'N', 3},  {0xD3, 'O', 1},
      {0xD4, 'O', 2},  {0xD6, 'O', 3},  {0x150, 'O', 4}, {0xD2, 'O', 5},  {0xD5, 'O', 6},
      {0xD8, 'O', 7},  {0x158, 'R', 1}, {0x154, 'R', 2}, {0x160, 'S', 1}, {0x15A, 'S', 2},
      {0x15E, 'S', 3}, {0xDF, 'S', 4},  {0x164, 'T', 1}, {0x162, 'T', 2}, {0xDA, 'U', 1},
      {0x16E, 'U', 2}, {0xDC, 'U', 3},  {0x170, 'U', 4}, {0xD9, 'U', 5},  {0xDB, 'U', 6},
      {0xDD, 'Y', 1},  {0x178, 'Y', 2}, {0x17D, 'Z', 1}, {0x179, 'Z', 2}, {0x17B, 'Z', 3},
  };
  for (const auto& a : kAccented) {
    if (a.cp == u) {
      *key = {a.base - 'A', a.rank};
      return true;
    }
  }
  return false;
}

// Collation weight of one upper-case code point (or of the digraph CH, passed as `ch`).
// Blank < punctuation < digits < letters < everything else.
long Weight(char32_t u, bool ch) {
  constexpr long kLetters = 1'000'000;
  constexpr long kRanks = 16;
  if (ch) return kLetters + ('H' - 'A') * kRanks + (kRanks - 1);
  if (u == ' ') return 1;
  if (u >= '0' && u <= '9') return 500'000 + static_cast<long>(u - '0');
  LetterKey key;
  if (LatinLetterKey(u, &key)) return kLetters + key.base * kRanks + key.rank;
  if (u < 0x80) return 10 + static_cast<long>(u);  // punctuation and controls
  return 2'000'000 + static_cast<long>(u);
}

std::u32string UpperCodePoints(std::string_view text) {
  std::u32string out;
  out.reserve(text.size());
  for (size_t pos = 0; pos < text.size();) out.push_back(UpperCodePoint(NextCodePoint(text, &pos)));
  return out;
}

}  // namespace

char32_t UpperCodePoint(char32_t c) {
  if (c < 0x80) return (c >= 'a' && c <= 'z') ? c - 32 : c;
  if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return c - 0x20;
  if (c == 0xFF) return 0x178;
  if ((c >= 0x100 && c <= 0x137) || (c >= 0x14A && c <= 0x177)) return c & ~char32_t{1};
  if ((c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E)) return (c & 1) ? c : c - 1;
  if (c >= 0x3B1 && c <= 0x3C9 && c != 0x3C2) return c - 0x20;
  if (c >= 0x430 && c <= 0x44F) return c - 0x20;
  if (c >= 0x450 && c <= 0x45F) return c - 0x50;
  return c;
}

char32_t LowerCodePoint(char32_t c) {
  if (c < 0x80) return (c >= 'A' && c <= 'Z') ? c + 32 : c;
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 0x20;
  if (c == 0x178) return 0xFF;
  if ((c >= 0x100 && c <= 0x137) || (c >= 0x14A && c <= 0x177)) return c | 1;
  if ((c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E)) return (c & 1) ? c + 1 : c;
  if (c >= 0x391 && c <= 0x3A9 && c != 0x3A2) return c + 0x20;
  if (c >= 0x410 && c <= 0x42F) return c + 0x20;
  if (c >= 0x400 && c <= 0x40F) return c + 0x50;
  return c;
}

std::string UpperCz(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (size_t pos = 0; pos < text.size();) {
    unsigned char c = static_cast<unsigned char>(text[pos]);
    if (c < 0x80) {  // fast path
      out.push_back(static_cast<char>(c >= 'a' && c <= 'z' ? c - 32 : c));
      ++pos;
      continue;
    }
    AppendUtf8(&out, UpperCodePoint(NextCodePoint(text, &pos)));
  }
  return out;
}

std::string LowerCz(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (size_t pos = 0; pos < text.size();)
    AppendUtf8(&out, LowerCodePoint(NextCodePoint(text, &pos)));
  return out;
}

std::string UpperAscii(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
  }
  return out;
}

int CompareTextCz(std::string_view a, std::string_view b) {
  size_t i = 0, j = 0;
  while (i < a.size() && j < b.size()) {
    char32_t x = UpperCodePoint(NextCodePoint(a, &i));
    char32_t y = UpperCodePoint(NextCodePoint(b, &j));
    if (x != y) return x < y ? -1 : 1;
  }
  if (i < a.size()) return 1;
  if (j < b.size()) return -1;
  return 0;
}

bool SameTextCz(std::string_view a, std::string_view b) {
  bool ascii = true;
  for (char c : a) ascii = ascii && static_cast<unsigned char>(c) < 0x80;
  for (char c : b) ascii = ascii && static_cast<unsigned char>(c) < 0x80;
  if (!ascii) return CompareTextCz(a, b) == 0;
  if (a.size() != b.size()) return false;
  for (size_t k = 0; k < a.size(); ++k) {
    char x = a[k], y = b[k];
    if (x >= 'a' && x <= 'z') x = static_cast<char>(x - 32);
    if (y >= 'a' && y <= 'z') y = static_cast<char>(y - 32);
    if (x != y) return false;
  }
  return true;
}

int CollateCz(std::string_view a, std::string_view b) {
  if (a.empty() || b.empty()) return a.empty() ? (b.empty() ? 0 : -1) : 1;
  std::u32string x = UpperCodePoints(a), y = UpperCodePoints(b);
  size_t i = 0, j = 0;
  while (i < x.size() && j < y.size()) {
    bool xch = x[i] == 'C' && i + 1 < x.size() && x[i + 1] == 'H';
    bool ych = y[j] == 'C' && j + 1 < y.size() && y[j + 1] == 'H';
    long wx = Weight(x[i], xch), wy = Weight(y[j], ych);
    if (wx != wy) return wx < wy ? -1 : 1;
    i += xch ? 2 : 1;
    j += ych ? 2 : 1;
  }
  if (i < x.size()) return 1;
  if (j < y.size()) return -1;
  return 0;
}

std::string TrimLeft(std::string_view t) {
  size_t b = 0;
  while (b < t.size() && IsTrimmed(static_cast<unsigned char>(t[b]))) ++b;
  return std::string(t.substr(b));
}

std::string TrimRight(std::string_view t) {
  size_t e = t.size();
  while (e > 0 && IsTrimmed(static_cast<unsigned char>(t[e - 1]))) --e;
  return std::string(t.substr(0, e));
}

std::string Trim(std::string_view t) { return TrimLeft(TrimRight(t)); }

std::string RemoveBlanks(std::string_view t) {
  std::string out;
  out.reserve(t.size());
  for (char c : t) {
    if (c != ' ') out.push_back(c);
  }
  return out;
}

std::string CommaToDot(std::string_view t) {
  std::string out(t);
  for (char& c : out) {
    if (c == ',') c = '.';
  }
  return out;
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
  if (prefix.size() > text.size()) return false;
  return SameTextCz(text.substr(0, prefix.size()), prefix);
}

bool EndsWithNoCase(std::string_view text, std::string_view suffix) {
  if (suffix.size() > text.size()) return false;
  return SameTextCz(text.substr(text.size() - suffix.size()), suffix);
}

std::vector<std::string> Split(std::string_view text, char delimiter) {
  std::vector<std::string> parts;
  size_t start = 0;
  for (;;) {
    size_t p = text.find(delimiter, start);
    if (p == std::string_view::npos) {
      parts.emplace_back(text.substr(start));
      return parts;
    }
    parts.emplace_back(text.substr(start, p - start));
    start = p + 1;
  }
}

std::string Join(const std::vector<std::string>& parts, std::string_view delimiter) {
  std::string out;
  for (size_t i = 0; i < parts.size(); ++i) {
    if (i) out += delimiter;
    out += parts[i];
  }
  return out;
}

}  // namespace tarnik::platform
