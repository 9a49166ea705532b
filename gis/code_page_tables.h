// Raw tables behind code_pages.h: the Unicode code points of the bytes 0x80 to 0xFF of the DOS
// and Windows code pages that map data may use. Not for use outside gis/.
#pragma once

namespace tarnik::gis::internal {

extern const char16_t kCp437[128];
extern const char16_t kCp850[128];
extern const char16_t kCp852[128];
extern const char16_t kKamenicky[128];
extern const char16_t kCp1252[128];

}  // namespace tarnik::gis::internal
