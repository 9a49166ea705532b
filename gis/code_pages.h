// Code pages of map files. Texts of attribute tables and map texts are bytes in a DOS or Windows
// code page; inside the program they are UTF-8. Bytes 0 to 127 are ASCII in every code page;
// every byte decodes (a byte a code page leaves undefined decodes as the C1 control of the same
// value), so decoding never fails. Pure functions, thread-safe.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tarnik::gis {

enum class TextCodePage : uint8_t { kCp1250, kCp852, kCp437, kCp850, kKamenicky, kCp1252 };

// The code page a block's "INFO.TXT" names for its texts (the ordinals are the published ones).
enum TCodePage : uint8_t { cpIBM = 0, cpLatin2 = 1, cpKamenickych = 2, cpWindows = 3 };

// How map texts of a block are decoded: cpLatin2 as 852, cpKamenickych as Kamenický, every other
// value as 1250.
TextCodePage TextCodePageOf(TCodePage code_page);

// The code page's usual name ("1250", "852", "437", "850", "Kamenický", "1252").
const char* CodePageName(TextCodePage code_page);

std::string DecodeText(std::string_view bytes, TextCodePage code_page);
// Encodes UTF-8 text. False when a character has no byte in the code page: it is written as
// "?" and the first such character is stored in *missing (when given).
bool EncodeText(std::string_view text, TextCodePage code_page, std::string* out,
                char32_t* missing = nullptr);

// The code page a dBase table's language-driver byte (header byte 29) names: 0x01 437, 0x02 850,
// 0x03 1252, 0x64 852, 0x68 Kamenický, 0xC8 1250 and 0x57 ("ANSI", the Windows code page of
// the Czech systems that write these maps) 1250; 0 (no mark) and every other value 1250.
TextCodePage CodePageOfLanguageDriver(uint8_t language_driver);
// The language-driver byte that marks a table written in that code page.
uint8_t LanguageDriverOf(TextCodePage code_page);

}  // namespace tarnik::gis
