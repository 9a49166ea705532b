#include "forest/codelists/category.h"

#include <string>
#include <vector>

#include "platform/encoding.h"
#include "platform/text.h"

namespace tarnik::plan {

int CategoryNumber(std::string_view code) {
  std::string upper = platform::UpperCz(code);
  std::vector<char32_t> chars;
  for (size_t pos = 0; pos < upper.size();) chars.push_back(platform::NextCodePoint(upper, &pos));

  int leading = 0;
  for (size_t i = 0; i < chars.size() && i < 2; ++i)
    if (chars[i] >= U'0' && chars[i] <= U'9') leading = leading * 10 + (chars[i] - U'0');
  int number = leading * 10;
  if (chars.size() == 3) {
    // The letter is taken by its Windows-1250 byte, as the code lists store it.
    int byte = platform::UnicodeToCp1250Byte(chars[2]);
    number += (byte < 0 ? static_cast<int>(chars[2]) : byte) - 64;
  }
  return number;
}

}  // namespace tarnik::plan
