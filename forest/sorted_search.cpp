#include "forest/sorted_search.h"

#include <algorithm>

#include "platform/encoding.h"
#include "platform/text.h"

namespace tarnik::plan {
namespace {

// Accented letters of the search keys and their base letters, in the same order.
constexpr std::u32string_view kAccented = U"ÁÉÍĹÓŔÚÝáéíĺóŕúýČĎĚĽŇÖŘŠŤŮŽčďěľňöřšťůž";
constexpr std::u32string_view kBase = U"AEILORUYaeiloruyCDELNORSTUZcdelnorstuz";

char32_t BaseLetter(char32_t cp) {
  size_t at = kAccented.find(cp);
  return at == std::u32string_view::npos ? cp : kBase[at];
}

int ByteOf(char32_t cp) {
  int byte = platform::UnicodeToCp1250Byte(cp);
  return byte < 0 ? static_cast<int>(cp) + 256 : byte;  // characters outside the code page last
}

}  // namespace

int SortedPosition(size_t count, const CompareAt& compare_at) {
  if (count == 0) return -1;
  const int n = static_cast<int>(count);
  int pos = 0;
  int step = n;
  while (step > 1) {
    step = (step + 1) / 2;
    if (pos + step > n - 1) pos = n - step - 1;
    const int candidate = pos + step;
    if (compare_at(static_cast<size_t>(candidate)) <= 0) pos = candidate;
  }
  return pos;
}

SortedRange SortedRangeOf(size_t count, const CompareAt& compare_at) {
  SortedRange range;
  if (count == 0) return range;
  const int n = static_cast<int>(count);
  int pos = SortedPosition(count, compare_at);
  range.start = pos;
  const int at = compare_at(static_cast<size_t>(pos));
  if (at == 0) {
    while (range.start > 0 && compare_at(static_cast<size_t>(range.start - 1)) == 0) --range.start;
    int end = pos;
    while (end + 1 < n && compare_at(static_cast<size_t>(end + 1)) == 0) ++end;
    range.count = end - range.start + 1;
  } else if (at < 0) {
    int next = pos;
    while (next < n - 1 && compare_at(static_cast<size_t>(next)) < 0) ++next;
    range.start = next;
  }
  // A value greater than the key at the found position: every value is greater; the start stays.
  return range;
}

std::string SearchKey(std::string_view text) {
  std::string out;
  for (size_t pos = 0; pos < text.size();)
    platform::AppendUtf8(&out, BaseLetter(platform::NextCodePoint(text, &pos)));
  return platform::Trim(out);
}

int CompareOrdinal(std::string_view a, std::string_view b) {
  size_t i = 0, j = 0;
  while (i < a.size() && j < b.size()) {
    int x = ByteOf(platform::NextCodePoint(a, &i));
    int y = ByteOf(platform::NextCodePoint(b, &j));
    if (x != y) return x < y ? -1 : 1;
  }
  if (i < a.size()) return 1;
  if (j < b.size()) return -1;
  return 0;
}

}  // namespace tarnik::plan
