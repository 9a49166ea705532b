#include "forest/set_algorithms.h"

#include <functional>

#include "forest/sorted_search.h"
#include "platform/numtext.h"
#include "platform/text.h"

namespace tarnik::plan {
namespace {

// Inserts the positions from the last to the first. `search_compare(a, b)` orders two
// positions in the binary search, `less(a, b)` tells whether a goes before the first value.
std::vector<size_t> InsertionOrder(size_t count,
                                   const std::function<int(size_t, size_t)>& search_compare,
                                   const std::function<bool(size_t, size_t)>& less) {
  std::vector<size_t> order;
  for (size_t n = count; n-- > 0;) {
    const int p =
        SortedPosition(order.size(), [&](size_t i) { return search_compare(order[i], n); });
    size_t at;
    if (p != 0)
      at = static_cast<size_t>(p + 1);  // -1 for the empty order gives 0
    else
      at = less(n, order.front()) ? 0 : 1;
    order.insert(order.begin() + static_cast<std::ptrdiff_t>(at), n);
  }
  return order;
}

int Sign(int64_t a, int64_t b) { return a < b ? -1 : (a > b ? 1 : 0); }

}  // namespace

std::string SetElementName(std::string_view prefix, std::string_view key) {
  std::string name(prefix);
  name += ' ';
  name += key;
  return name;
}

bool HasSetPrefix(std::string_view name, std::string_view prefix) {
  return name.substr(0, prefix.size()) == prefix;
}

std::string SetElementKey(std::string_view name, std::string_view prefix) {
  if (!HasSetPrefix(name, prefix)) return std::string(name);
  std::string_view rest = name.substr(prefix.size());
  if (!rest.empty() && rest.front() == ' ') rest.remove_prefix(1);
  return std::string(rest);
}

std::string JoinPropertyValues(const std::vector<std::string>& values, std::string_view separator) {
  std::string joined;
  for (const auto& value : values) {
    if (platform::RemoveBlanks(value).empty()) continue;
    joined += value;
    joined += separator;
  }
  if (!joined.empty()) joined.resize(joined.size() - separator.size());
  return joined;
}

std::vector<std::string> SplitPropertyText(std::string_view text, std::string_view separator) {
  std::vector<std::string> pieces;
  if (separator.empty()) return {std::string(text)};
  size_t start = 0;
  while (true) {
    const size_t at = text.find(separator, start);
    if (at == std::string_view::npos) {
      if (start < text.size() || pieces.empty()) pieces.emplace_back(text.substr(start));
      break;
    }
    pieces.emplace_back(text.substr(start, at - start));
    start = at + separator.size();
  }
  return pieces;
}

double SumPropertyValues(const std::vector<std::string>& values) {
  double sum = 0;
  for (const auto& value : values) sum += platform::DecimalTextToFloat(platform::Trim(value));
  return sum;
}

int MaxValuePosition(const std::vector<std::string>& values) {
  int best = -1;
  double max = -1e21;
  for (size_t i = 0; i < values.size(); ++i) {
    const double v = platform::DecimalTextToFloat(platform::Trim(values[i]));
    if (v > max) {
      max = v;
      best = static_cast<int>(i);
    }
  }
  return best;
}

bool SameValue(std::string_view a, std::string_view b) {
  return platform::UpperCz(platform::Trim(a)) == platform::UpperCz(platform::Trim(b));
}

std::string ValueByKey(const std::vector<std::pair<std::string, std::string>>& key_result,
                       std::string_view key) {
  if (key_result.empty()) return "*0";
  std::string result = "*";
  for (const auto& [k, r] : key_result)
    if (SameValue(k, key)) result = r;
  return result;
}

std::vector<size_t> SortOrderText(const std::vector<std::string>& values) {
  std::vector<std::string> keys;
  for (const auto& v : values) keys.push_back(SearchKey(v));
  return InsertionOrder(
      values.size(), [&](size_t a, size_t b) { return CompareOrdinal(keys[a], keys[b]); },
      [&](size_t a, size_t b) { return CompareOrdinal(keys[a], keys[b]) < 0; });
}

std::vector<size_t> SortOrderNumber(const std::vector<int64_t>& values) {
  return InsertionOrder(
      values.size(), [&](size_t a, size_t b) { return Sign(values[a], values[b]); },
      [&](size_t a, size_t b) { return values[a] < values[b]; });
}

}  // namespace tarnik::plan
