#include "data/sources/exchange/fst_values.h"

#include <limits>

#include "platform/encoding.h"
#include "platform/numtext.h"

namespace tarnik::plan::fst {

int32_t Digits(std::string_view value) {
  int64_t number = 0;
  for (char c : value) {
    if (c < '0' || c > '9') continue;
    number = number * 10 + (c - '0');
    if (number > std::numeric_limits<int32_t>::max()) return 0;
  }
  return static_cast<int32_t>(number);
}

std::string Blanks(std::string_view value) {
  std::string out;
  for (char c : value) {
    if (c != ' ') out.push_back(c);
  }
  return out.empty() ? "0" : out;
}

std::optional<int32_t> Whole(std::string_view value) {
  const std::string text = Blanks(value);
  size_t i = 0;
  const bool negative = text[0] == '-';
  if (text[0] == '-' || text[0] == '+') i = 1;
  if (i == text.size()) return std::nullopt;
  int64_t number = 0;
  for (; i < text.size(); ++i) {
    if (text[i] < '0' || text[i] > '9') return std::nullopt;
    number = number * 10 + (text[i] - '0');
    if (number > std::numeric_limits<int32_t>::max()) return std::nullopt;
  }
  return static_cast<int32_t>(negative ? -number : number);
}

int32_t WholeDigits(std::string_view value) { return Digits(value); }

double Decimal(std::string_view value) { return platform::DecimalTextToFloat(Blanks(value)); }

std::string CodePage(std::string_view value) { return platform::Cp852ExchangeToUtf8(value); }

std::string Text(std::string_view value) { return platform::Cp852ExchangeToUtf8(value); }

}  // namespace tarnik::plan::fst
