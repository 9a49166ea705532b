#include "gis/code_pages.h"

#include "gis/code_page_tables.h"
#include "platform/encoding.h"

namespace tarnik::gis {
namespace {

// The upper half of a DOS or Windows code page other than 1250; nullptr for 1250.
const char16_t* UpperHalf(TextCodePage code_page) {
  switch (code_page) {
    case TextCodePage::kCp852:
      return internal::kCp852;
    case TextCodePage::kCp437:
      return internal::kCp437;
    case TextCodePage::kCp850:
      return internal::kCp850;
    case TextCodePage::kKamenicky:
      return internal::kKamenicky;
    case TextCodePage::kCp1252:
      return internal::kCp1252;
    case TextCodePage::kCp1250:
      break;
  }
  return nullptr;
}

int ByteOf(const char16_t* upper, char32_t cp) {
  if (cp < 0x80) return static_cast<int>(cp);
  for (int i = 0; i < 128; ++i) {
    if (upper[i] == cp) return 0x80 + i;
  }
  return -1;
}

}  // namespace

TextCodePage TextCodePageOf(TCodePage code_page) {
  switch (code_page) {
    case cpLatin2:
      return TextCodePage::kCp852;
    case cpKamenickych:
      return TextCodePage::kKamenicky;
    default:
      return TextCodePage::kCp1250;
  }
}

const char* CodePageName(TextCodePage code_page) {
  switch (code_page) {
    case TextCodePage::kCp1250:
      return "1250";
    case TextCodePage::kCp852:
      return "852";
    case TextCodePage::kCp437:
      return "437";
    case TextCodePage::kCp850:
      return "850";
    case TextCodePage::kKamenicky:
      return "Kamenický";
    case TextCodePage::kCp1252:
      return "1252";
  }
  return "1250";
}

std::string DecodeText(std::string_view bytes, TextCodePage code_page) {
  const char16_t* upper = UpperHalf(code_page);
  if (!upper) return platform::Cp1250ToUtf8(bytes);
  std::string out;
  out.reserve(bytes.size());
  for (const char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x80) {
      out.push_back(c);
    } else {
      platform::AppendUtf8(&out, upper[byte - 0x80]);
    }
  }
  return out;
}

bool EncodeText(std::string_view text, TextCodePage code_page, std::string* out,
                char32_t* missing) {
  const char16_t* upper = UpperHalf(code_page);
  if (!upper) return platform::Utf8ToCp1250(text, out, missing);
  out->clear();
  bool complete = true;
  size_t pos = 0;
  while (pos < text.size()) {
    const char32_t cp = platform::NextCodePoint(text, &pos);
    const int byte = ByteOf(upper, cp);
    if (byte < 0) {
      if (complete && missing) *missing = cp;
      complete = false;
      out->push_back('?');
    } else {
      out->push_back(static_cast<char>(byte));
    }
  }
  return complete;
}

TextCodePage CodePageOfLanguageDriver(uint8_t language_driver) {
  switch (language_driver) {
    case 0x01:
      return TextCodePage::kCp437;
    case 0x02:
      return TextCodePage::kCp850;
    case 0x03:
      return TextCodePage::kCp1252;
    case 0x64:
      return TextCodePage::kCp852;
    case 0x68:
      return TextCodePage::kKamenicky;
    default:
      return TextCodePage::kCp1250;
  }
}

uint8_t LanguageDriverOf(TextCodePage code_page) {
  switch (code_page) {
    case TextCodePage::kCp1250:
      return 0xC8;
    case TextCodePage::kCp852:
      return 0x64;
    case TextCodePage::kCp437:
      return 0x01;
    case TextCodePage::kCp850:
      return 0x02;
    case TextCodePage::kKamenicky:
      return 0x68;
    case TextCodePage::kCp1252:
      return 0x03;
  }
  return 0xC8;
}

}  // namespace tarnik::gis
