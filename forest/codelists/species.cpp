#include "forest/codelists/species.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "platform/encoding.h"

namespace tarnik::plan {
namespace {

struct CodeGroup {
  const char* code;  // normalised: three characters
  int group;
};

// The 84 codes of the growth groups; everything else is XXX.
constexpr CodeGroup kGroups[] = {
    {"SM ", 0},  {"SMP", 0},  {"SMC", 0},  {"SMS", 0},  {"SMO", 0},  {"SME", 0},  {"SMX", 0},
    {"JX ", 0},  {"SOU", 0},  {"SOJ", 0},  {"BO ", 1},  {"BOC", 1},  {"BKS", 1},  {"VJ ", 1},
    {"LMB", 1},  {"BOP", 1},  {"BOX", 1},  {"BL ", 1},  {"MD ", 2},  {"MDX", 2},  {"JD ", 3},
    {"JDO", 3},  {"JDJ", 3},  {"JDK", 3},  {"JDV", 3},  {"JDX", 3},  {"DB ", 4},  {"DBS", 4},
    {"DBZ", 4},  {"DBC", 4},  {"DBP", 4},  {"DBB", 4},  {"DBX", 4},  {"CER", 4},  {"JL ", 4},
    {"JLH", 4},  {"JLV", 4},  {"OR ", 4},  {"ORC", 4},  {"PL ", 4},  {"SOL", 4},  {"BK ", 5},
    {"JV ", 5},  {"KL ", 5},  {"BB ", 5},  {"JVJ", 5},  {"JVX", 5},  {"TR ", 5},  {"STR", 5},
    {"HR ", 5},  {"JB ", 5},  {"LTX", 5},  {"LP ", 5},  {"LPV", 5},  {"LPS", 5},  {"KS ", 5},
    {"KJ ", 5},  {"JS ", 6},  {"JSA", 6},  {"JSU", 6},  {"BR ", 7},  {"BRP", 7},  {"JR ", 7},
    {"BRK", 7},  {"MK ", 7},  {"OL ", 8},  {"OLS", 8},  {"OLZ", 8},  {"OS ", 9},  {"TP ", 9},
    {"TPC", 9},  {"TPX", 9},  {"TPS", 9},  {"JIV", 9},  {"VR ", 9},  {"PJ ", 9},  {"LMX", 9},
    {"HB ", 10}, {"AK ", 11}, {"DG ", 12}, {"KOS", 13}, {"TS ", 13}, {"JAL", 13}, {"KR ", 13},
};
static_assert(sizeof(kGroups) / sizeof(kGroups[0]) == 84);

constexpr const char* kGroupNames[] = {"SM ", "BO ", "MD ", "JD ", "DB ", "BK ", "JS ", "BR ",
                                       "OL ", "TP ", "HB ", "AK ", "DG ", "KR ", "XXX"};

// Growth-table classes; codes not listed (and every code outside the table) are class 4.
constexpr CodeGroup kGrowthClasses[] = {
    {"SM ", 0}, {"SMP", 0}, {"SMC", 0}, {"SMS", 0}, {"SMO", 0}, {"SME", 0}, {"SMX", 0}, {"JD ", 0},
    {"JDO", 0}, {"JDJ", 0}, {"JDK", 0}, {"JDV", 0}, {"JDX", 0}, {"DG ", 0}, {"JX ", 0}, {"BO ", 1},
    {"BOC", 1}, {"BKS", 1}, {"VJ ", 1}, {"LMB", 1}, {"BOP", 1}, {"BOX", 1}, {"BL ", 1}, {"MD ", 1},
    {"MDX", 1}, {"DB ", 3}, {"DBS", 3}, {"DBZ", 3}, {"DBC", 3}, {"DBP", 3}, {"DBB", 3}, {"DBX", 3},
    {"CER", 3}, {"JL ", 3}, {"JLH", 3}, {"JLV", 3}, {"OR ", 3}, {"ORC", 3}, {"PL ", 3}, {"BK ", 2},
    {"HB ", 2}, {"JV ", 2}, {"KL ", 2}, {"BB ", 2}, {"JVJ", 2}, {"JVX", 2}, {"JS ", 2}, {"JSA", 2},
    {"JSU", 2}, {"AK ", 2}, {"BR ", 2}, {"BRP", 2}, {"JR ", 2}, {"BRK", 2}, {"MK ", 2}, {"TR ", 2},
    {"STR", 2}, {"HR ", 2}, {"JB ", 2}, {"LTX", 2}, {"LP ", 2}, {"LPV", 2}, {"LPS", 2}, {"OL ", 2},
    {"OLS", 2}, {"OLZ", 2}, {"OS ", 2}, {"TP ", 2}, {"TPC", 2}, {"TPX", 2}, {"TPS", 2}, {"JIV", 2},
    {"VR ", 2}, {"KS ", 2}, {"KJ ", 2}, {"PJ ", 2}, {"LMX", 2},
};

constexpr const char* kGrowthSpecies[] = {"SM", "BO", "BK", "DB", "XXX"};

// Table A: 42 rows of sixteen relative site classes, column 1 first.
constexpr const char* kTableA[42] = {
    "9987665432111111", "9987665432111111", "9997765433211111", "9998765543211111",
    "9999876543211111", "9999987654321111", "9999998754321111", "9987654321111111",
    "9987654321111111", "9987654321111111", "9987765321111111", "9998765431111111",
    "9999875432111111", "9999876542111111", "9999654321111111", "9999865432111111",
    "9987665421111111", "9987654321111111", "9998765432111111", "9999999955555543",
    "9998765431111111", "9998765431111111", "9998765432111111", "9998765432111111",
    "9998766543211111", "9999876543211111", "9999976653211111", "9877654321111111",
    "9877654321111111", "9877654321111111", "9987655421111111", "9987765421111111",
    "9998765431111111", "9999876532111111", "3333333322111111", "5555554322111111",
    "3333332111111111", "9998776511111111", "9887665411111111", "9999999987611111",
    "9987642111111111", "9986532111111111",
};

// Table B: 25 rows.
constexpr const char* kTableB[25] = {
    "9997765433211111", "9998765543211111", "9998876543211111", "9987654321111111",
    "9987765321111111", "9988765431111111", "9999754321111111", "9999865432111111",
    "9987665421111111", "9987654321111111", "5555555555555543", "9998765432111111",
    "9998766543211111", "9877654321111111", "9987655421111111", "9987765421111111",
    "3333333322111111", "5555554322111111", "3333332111111111", "3333332111111111",
    "9998776111111111", "9887665411111111", "9999999987611111", "9987642111111111",
    "9986532111111111",
};

// Three ASCII bytes as one number; 0 for anything else. The tables' codes are all such.
constexpr uint32_t Packed(const char* code) {
  if (!code[0] || !code[1] || !code[2] || code[3]) return 0;
  return static_cast<uint32_t>(static_cast<unsigned char>(code[0])) << 16 |
         static_cast<uint32_t>(static_cast<unsigned char>(code[1])) << 8 |
         static_cast<unsigned char>(code[2]);
}

// The normalised form of a code (see NormalizeSpeciesCode) packed as above, without building
// it: 0 when it is not three ASCII characters, so that it matches none of the tables' codes.
uint32_t PackedNormalized(std::string_view code) {
  uint32_t key = 0;
  int characters = 0;
  for (size_t i = 0; i < code.size() && characters < 3; ++i, ++characters) {
    unsigned char c = static_cast<unsigned char>(code[i]);
    if (c >= 0x80 || c == 0) return 0;
    if (c >= 'a' && c <= 'z') c = static_cast<unsigned char>(c - 'a' + 'A');
    key = key << 8 | c;
  }
  if (characters == 2) return key << 8 | ' ';
  return characters == 3 ? key : 0;
}

struct PackedGroup {
  uint32_t key;
  int group;
};

// A table's codes packed and sorted for a binary search; among equal codes the first listed
// comes first (a stable insertion sort), as a walk of the table would find it.
template <size_t N>
constexpr std::array<PackedGroup, N> SortedKeys(const CodeGroup (&table)[N]) {
  std::array<PackedGroup, N> out{};
  for (size_t i = 0; i < N; ++i) {
    PackedGroup entry{Packed(table[i].code), table[i].group};
    size_t j = i;
    for (; j > 0 && out[j - 1].key > entry.key; --j) out[j] = out[j - 1];
    out[j] = entry;
  }
  return out;
}

template <size_t N>
constexpr bool AllPacked(const CodeGroup (&table)[N]) {
  for (const CodeGroup& entry : table)
    if (Packed(entry.code) == 0) return false;
  return true;
}
static_assert(AllPacked(kGroups) && AllPacked(kGrowthClasses));

constexpr auto kGroupKeys = SortedKeys(kGroups);
constexpr auto kGrowthClassKeys = SortedKeys(kGrowthClasses);

template <size_t N>
int Lookup(const std::array<PackedGroup, N>& keys, std::string_view code, int fallback) {
  const uint32_t key = PackedNormalized(code);
  if (key == 0) return fallback;
  auto it = std::lower_bound(keys.begin(), keys.end(), key,
                             [](const PackedGroup& e, uint32_t k) { return e.key < k; });
  return it != keys.end() && it->key == key ? it->group : fallback;
}

// Age steps of 20 years: 0 up to 20, 1 up to 40, ..., 6 above 120.
int TwentyYearStep(int age) {
  if (age <= 20) return 0;
  if (age <= 40) return 1;
  if (age <= 60) return 2;
  if (age <= 80) return 3;
  if (age <= 100) return 4;
  if (age <= 120) return 5;
  return 6;
}

// Row number (1-based) of table A, 0 for none.
int RowA(const std::string& code, int group, int age) {
  if (code == "OS ") return 37;
  switch (group) {
    case kGroupSM:
      return 1 + TwentyYearStep(age);
    case kGroupBO:
      return 8 + TwentyYearStep(age);
    case kGroupBK:
      return 22 + TwentyYearStep(age);
    case kGroupDB:
      return 29 + TwentyYearStep(age);  // above 120 the step 6 gives row 35
    case kGroupMD:
      return age <= 50 ? 17 : (age <= 90 ? 18 : 19);
    case kGroupJD:
      return age <= 50 ? 15 : 16;
    case kGroupJS:
      return 35;
    case kGroupOL:
      return 36;
    case kGroupBR:
      return 37;
    case kGroupAK:
      return age <= 50 ? 38 : 39;
    case kGroupTP:
      return 40;
    case kGroupHB:
      return age <= 50 ? 41 : 42;
    case kGroupDG:
      return 20;
    default:
      return 0;
  }
}

int Steps60To80(int age) { return age <= 60 ? 0 : (age <= 80 ? 1 : 2); }

int RowB(const std::string& code, int group, int age) {
  if (code == "OS ") return 19;
  switch (group) {
    case kGroupSM:
      return 1 + Steps60To80(age);
    case kGroupBO:
      return 4 + Steps60To80(age);
    case kGroupDB:
      return 14 + Steps60To80(age);
    case kGroupBK:
      return age <= 80 ? 12 : 13;
    case kGroupJD:
      return age <= 50 ? 7 : 8;
    case kGroupMD:
      return age <= 50 ? 9 : 10;
    case kGroupDG:
      return 11;
    case kGroupJS:
      return 17;
    case kGroupOL:
      return 18;
    case kGroupBR:
      return 19;
    case kGroupAK:
      return age <= 50 ? 21 : 22;
    case kGroupTP:
      return 23;
    case kGroupHB:
      return age <= 50 ? 24 : 25;
    default:
      return 0;
  }
}

int SiteClassColumn(int bon_a) { return (bon_a - 8) / 2; }  // C++ division truncates toward zero

int CellOf(const char* const* table, int rows, int row, int bon_a) {
  int column = SiteClassColumn(bon_a);
  if (row < 1 || row > rows || column < 1 || column > 16) return 0;
  return table[row - 1][column - 1] - '0';
}

}  // namespace

std::string NormalizeSpeciesCode(std::string_view code) {
  // Three characters (code points), letters a..z upper-cased.
  std::string out;
  size_t pos = 0;
  int characters = 0;
  while (pos < code.size() && characters < 3) {
    char32_t cp = platform::NextCodePoint(code, &pos);
    if (cp >= U'a' && cp <= U'z') cp = cp - U'a' + U'A';
    platform::AppendUtf8(&out, cp);
    ++characters;
  }
  if (characters == 2) out += ' ';
  return out;
}

int SpeciesGroupOf(std::string_view code) { return Lookup(kGroupKeys, code, kGroupXXX); }

std::string SpeciesGroupName(int group) {
  if (group < 0 || group > 14) return "";
  return kGroupNames[group];
}

bool IsConiferous(std::string_view code) {
  int group = SpeciesGroupOf(code);
  return (group >= kGroupSM && group <= kGroupJD) || group == kGroupDG;
}

double BarkFactor(std::string_view code) { return IsConiferous(code) ? 0.90909 : 0.86956; }

double UnderBark(double over_bark, std::string_view code) { return over_bark * BarkFactor(code); }

int UnderBarkInt(double over_bark, std::string_view code) {
  return static_cast<int>(RoundHalfEven(UnderBark(over_bark, code)));
}

int OverBarkInt(double under_bark, std::string_view code) {
  return static_cast<int>(RoundHalfEven(under_bark / BarkFactor(code)));
}

int GrowthClassOf(std::string_view code) { return Lookup(kGrowthClassKeys, code, 4); }

std::string GrowthClassSpecies(int growth_class) {
  if (growth_class < 0 || growth_class > 4) return "XXX";
  return kGrowthSpecies[growth_class];
}

int RelativeSiteClassA(std::string_view code, int age, int bon_a) {
  std::string normal = NormalizeSpeciesCode(code);
  int row = RowA(normal, SpeciesGroupOf(code), age);
  return CellOf(kTableA, 42, row, bon_a);
}

int RelativeSiteClassB(std::string_view code, int age, int bon_a) {
  std::string normal = NormalizeSpeciesCode(code);
  int row = RowB(normal, SpeciesGroupOf(code), age);
  return CellOf(kTableB, 25, row, bon_a);
}

long RoundHalfEven(double value) {
  if (!std::isfinite(value)) return 0;
  double floor = std::floor(value);
  double diff = value - floor;
  double result = floor;
  if (diff > 0.5 || (diff == 0.5 && std::fmod(floor, 2.0) != 0.0)) result = floor + 1.0;
  if (result > 2147483647.0 || result < -2147483648.0) return 0;
  return static_cast<long>(result);
}

}  // namespace tarnik::plan
