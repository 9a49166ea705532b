// Czech-aware text helpers over UTF-8: upper-casing by the locale's rules (á/Á, č/Č, ř/Ř, ...),
// case-insensitive comparison and the Czech collation, and the small string helpers the model
// uses everywhere. All functions are pure and thread-safe.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tarnik::platform {

// Upper-/lower-cases every letter that has a case partner (Latin, Latin-1, Latin Extended-A,
// Greek and Cyrillic basics); other characters stay.
std::string UpperCz(std::string_view text);
std::string LowerCz(std::string_view text);
char32_t UpperCodePoint(char32_t cp);
char32_t LowerCodePoint(char32_t cp);
// ASCII-only upper-casing (for the places that upper-case by ASCII rules alone).
std::string UpperAscii(std::string_view text);

// Equality ignoring case under the Czech rules ("pe" == "PE", "čáp" == "ČÁP").
bool SameTextCz(std::string_view a, std::string_view b);
// Ordering ignoring case: upper-cased code points compared one by one (<0, 0, >0). A total
// order consistent with SameTextCz; used for sorted name lookups.
int CompareTextCz(std::string_view a, std::string_view b);

// The Czech collation used for index order: texts upper-cased by the Czech rules and compared
// letter by letter in the Czech alphabet A Á B C Č D Ď E É Ě F G H CH I Í J K L M N Ň O Ó P Q R Ř
// S Š T Ť U Ú Ů V W X Y Ý Z Ž, where CH is one letter after H and every other accented letter
// sorts right after its base letter; blanks and digits sort before letters, other characters by
// code point after them. The empty text sorts lowest. Returns <0, 0, >0.
int CollateCz(std::string_view a, std::string_view b);

std::string Trim(std::string_view text);  // blanks and control characters at both ends
std::string TrimLeft(std::string_view text);
std::string TrimRight(std::string_view text);
std::string RemoveBlanks(std::string_view text);  // removes every " " of a key
std::string CommaToDot(std::string_view text);    // replaces every "," by "."
bool StartsWithNoCase(std::string_view text, std::string_view prefix);
bool EndsWithNoCase(std::string_view text, std::string_view suffix);
std::vector<std::string> Split(std::string_view text, char delimiter);
std::string Join(const std::vector<std::string>& parts, std::string_view delimiter);

}  // namespace tarnik::platform
