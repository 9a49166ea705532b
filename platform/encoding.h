// Text encodings at the file edges. Inside the program all text is UTF-8; files from Windows are
// Windows-1250 and the exchange files and some map texts are code page 852.
//
// Policy for characters Windows-1250 lacks: Utf8ToCp1250 reports them (returns false and names
// the first one), Utf8ToCp1250Xml writes each as a numeric character reference "&#N;".
// Malformed UTF-8 decodes as U+FFFD, one per bad byte.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tarnik::platform {

// Decodes one code point starting at text[*pos] and advances *pos (at least by one byte).
char32_t NextCodePoint(std::string_view text, size_t* pos);
// Appends the UTF-8 form of a code point (surrogates and values above U+10FFFF as U+FFFD).
void AppendUtf8(std::string* out, char32_t cp);
// Number of code points in a UTF-8 text.
size_t Utf8Length(std::string_view text);
// The first `count` code points of a UTF-8 text (never splits a character).
std::string Utf8Prefix(std::string_view text, size_t count);

// Windows-1250. Every byte value decodes; the five undefined bytes become the C1 controls of the
// same value and encode back to those bytes.
char32_t Cp1250ByteToUnicode(unsigned char byte);
// The Windows-1250 byte of a code point, or -1 when the code page lacks it.
int UnicodeToCp1250Byte(char32_t cp);
std::string Cp1250ToUtf8(std::string_view bytes);
// Encodes UTF-8 as Windows-1250. Returns false when a character has no byte; such characters are
// written as "?" and the first one is stored in *missing (when given).
bool Utf8ToCp1250(std::string_view text, std::string* out, char32_t* missing = nullptr);
// Windows-1250 for an XML document: characters the code page lacks become "&#N;".
std::string Utf8ToCp1250Xml(std::string_view text);

// Code page 852 as the exchange-file readers convert it: the 38 letters
// ÁÉÍĹÓŔÚÝáéíĺóŕúýČĎĚĽŇÔŘŠŤŮŽčďěľňôřšťůž map to themselves; every other byte is kept as it was,
// that is, it is read as a Windows-1250 byte.
std::string Cp852ExchangeToUtf8(std::string_view bytes);
// The same at byte level: 852 bytes in, Windows-1250 bytes out.
std::string Cp852ExchangeToCp1250(std::string_view bytes);
// Code page 852 as map texts are converted: the letter list has Ö/ö in place of Ô/ô.
std::string Cp852MapToUtf8(std::string_view bytes);
std::string Cp852MapToCp1250(std::string_view bytes);

}  // namespace tarnik::platform
