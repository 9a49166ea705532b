#include "data/sources/part_files/part_record.h"

#include <algorithm>
#include <charconv>

#include "platform/encoding.h"

namespace tarnik::plan {
namespace {

// Widths of D1 to D65; the positions follow from them.
constexpr std::array<int, kPartFieldCount> kWidths = {
    5, 1, 2, 2, 1, 2, 3, 1, 2, 3,  // D1-D10
    2, 2, 1, 1, 5, 3, 4, 3, 3, 5,  // D11-D20
    3, 2, 3, 3, 4, 2, 2, 2, 1, 4,  // D21-D30
    3, 5, 2, 2, 2, 2, 1, 2, 4, 5,  // D31-D40
    3, 4, 2, 4, 2, 1, 4, 2, 1, 4,  // D41-D50
    2, 1, 4, 2, 1, 4, 2, 2, 1, 2,  // D51-D60
    1, 1, 2, 2, 1,                 // D61-D65
};

constexpr std::array<int, kPartFieldCount> Positions() {
  std::array<int, kPartFieldCount> positions{};
  int at = 1;
  for (int i = 0; i < kPartFieldCount; ++i) {
    positions[i] = at;
    at += kWidths[i];
  }
  return positions;
}
constexpr std::array<int, kPartFieldCount> kPositions = Positions();
static_assert(kPositions[kPartFieldCount - 1] + kWidths[kPartFieldCount - 1] - 1 ==
              static_cast<int>(kPartLineLength));

const std::string& Empty() {
  static const std::string empty;
  return empty;
}

}  // namespace

PartField PartFieldLayout(int n) {
  if (n < 1 || n > kPartFieldCount) return {0, 0};
  return {kPositions[n - 1], kWidths[n - 1]};
}

PartRecord::PartRecord() {
  for (int i = 0; i < kPartFieldCount; ++i) fields_[i].assign(kWidths[i], ' ');
}

const std::string& PartRecord::D(int n) const {
  if (n < 1 || n > kPartFieldCount) return Empty();
  return fields_[n - 1];
}

std::string NormalizePartLine(std::string_view bytes) {
  std::string line;
  line.reserve(kPartLineLength);
  for (char c : bytes) {
    if (c == '\r' || c == '\n' || c == '\x1a') continue;
    if (line.size() == kPartLineLength) break;
    line.push_back(c);
  }
  line.resize(kPartLineLength, ' ');
  return line;
}

std::vector<std::string> SplitPartText(std::string_view bytes) {
  bytes = bytes.substr(0, bytes.find('\x1a'));
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < bytes.size()) {
    size_t end = bytes.find_first_of("\r\n", start);
    if (end == std::string_view::npos) end = bytes.size();
    const std::string_view line = bytes.substr(start, end - start);
    if (line.find_first_not_of(" \t") != std::string_view::npos) lines.emplace_back(line);
    start = end + 1;
  }
  return lines;
}

PartRecord PartRecord::FromLine(std::string_view bytes) {
  const std::string line = NormalizePartLine(bytes);
  PartRecord record;
  for (int i = 0; i < kPartFieldCount; ++i)
    record.fields_[i] = platform::Cp1250ToUtf8(
        std::string_view(line).substr(static_cast<size_t>(kPositions[i] - 1), kWidths[i]));
  record.d8_byte_ = static_cast<unsigned char>(line[kPositions[7] - 1]);
  return record;
}

std::string LayOutFields(const std::array<std::string, kPartFieldCount>& raw) {
  std::string line;
  line.reserve(kPartLineLength);
  for (int i = 0; i < kPartFieldCount; ++i) line += NormalizePartLine(raw[i]).substr(0, kWidths[i]);
  return line;
}

DescriptionRecord DecodeDescriptionRecord(std::string_view bytes) {
  DescriptionRecord record;
  for (size_t k = 0; k < kDescriptionStringCount; ++k) {
    const size_t start = kDescriptionStringSize * k;
    if (start >= bytes.size()) break;
    const size_t length =
        std::min<size_t>(static_cast<unsigned char>(bytes[start]), kDescriptionStringSize - 1);
    const std::string_view text = bytes.substr(start + 1, length);  // cut at the end of the bytes
    record[k] = platform::Cp1250ToUtf8(text);
  }
  return record;
}

int32_t DigitsNumber(std::string_view text) {
  std::string digits;
  for (char c : text) {
    if (c >= '0' && c <= '9') digits.push_back(c);
  }
  if (digits.empty()) return 0;
  int32_t value = 0;
  auto [ptr, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (ec != std::errc() || ptr != digits.data() + digits.size()) return 0;
  return value;
}

std::string SpeciesOfNumber(int32_t number) {
  struct Entry {
    int32_t number;
    const char* species;
  };
  static constexpr Entry kTable[] = {
      {1, "SM "},  {2, "SMP"},  {3, "SMC"},  {4, "SMS"},  {5, "SMO"},  {6, "SME"},  {9, "SMX"},
      {10, "JD "}, {11, "JDO"}, {12, "JDJ"}, {13, "JDK"}, {14, "JDV"}, {16, "JDX"}, {18, "DG "},
      {20, "BO "}, {21, "BOC"}, {22, "BKS"}, {23, "VJ "}, {24, "LMB"}, {25, "BOP"}, {27, "BOX"},
      {28, "KOS"}, {29, "BL "}, {30, "MD "}, {31, "MDX"}, {33, "TS "}, {35, "JAL"}, {39, "JX "},
      {40, "DB "}, {41, "DBS"}, {42, "DBZ"}, {43, "DBC"}, {44, "DBP"}, {45, "DBB"}, {47, "DBX"},
      {48, "CER"}, {50, "BK "}, {51, "HB "}, {52, "JV "}, {53, "KL "}, {54, "BB "}, {55, "JVJ"},
      {56, "JVX"}, {57, "JS "}, {58, "JSA"}, {59, "JSU"}, {60, "JL "}, {61, "JLH"}, {62, "JLV"},
      {63, "AK "}, {64, "BR "}, {65, "BRP"}, {66, "JR "}, {67, "BRK"}, {68, "MK "}, {70, "OR "},
      {71, "ORC"}, {72, "PL "}, {74, "TR "}, {75, "STR"}, {76, "HR "}, {77, "JB "}, {79, "LTX"},
      {80, "LP "}, {81, "LPV"}, {82, "LPS"}, {83, "OL "}, {84, "OLS"}, {85, "OLZ"}, {86, "OS "},
      {87, "TP "}, {88, "TPC"}, {89, "TPX"}, {90, "TPS"}, {91, "JIV"}, {92, "VR "}, {93, "KS "},
      {94, "KJ "}, {95, "PJ "}, {97, "LMX"}, {98, "KR "}, {99, "SOU"},
  };
  for (const Entry& e : kTable) {
    if (e.number == number) return e.species;
  }
  return "   ";
}

}  // namespace tarnik::plan
