#include "data/sources/exchange/fst_line_decoder.h"

#include <fmt/format.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <limits>
#include <unordered_map>

#include "platform/fs.h"
#include "platform/text.h"

namespace tarnik::plan {
namespace {

constexpr std::array<std::string_view, kKnownColumnCount> kKnownNames = {
    "LHC_KOD",    "LHC_NAZ",    "LHP_OD",      "LHP_DO",     "ETAT_TV",    "ETAT_TO",
    "ETAT",       "ODD",        "DIL",         "POR",        "SDR_POR",    "MAJ_KOD",
    "MAJ_NAZ",    "MAJ_DRUH",   "ORG_UROVEN",  "KATEGORIE",  "KAT_SPEC",   "PAS_OHR",
    "LES_OBL",    "ZVL_STATUT", "OLH",         "POR_TEXT",   "PSK",        "PSK_P0",
    "PSK_V",      "PSK_P",      "KVAL_P",      "KU_KOD",     "KU_NAZ",     "LES_URAD",
    "SLT",        "LT",         "TER_TYP",     "PRIB_VZD",   "HOSP_ZP",    "DAN",
    "PSK_TEXT",   "ETAZ",       "ETAZ_PS",     "ETAZ_PP",    "HS",         "OBMYTI",
    "OBN_DOBA",   "POC_OBNOVY", "MZD",         "VEK",        "ZAKM",       "M_Z_ZASOBY",
    "HOSP_TV",    "PRO_P",      "PRO_NAL",     "PRO_POC",    "TV_P",       "TV_NAL",
    "TV_POC",     "TO_P",       "TO_NAL",      "TO_DUVOD",   "ZAL_DRUH",   "ZAL_P",
    "ZAL_DR",     "ZAL_DR_P",   "DR_ZKR",      "DR_KOD",     "DR_PUVOD",   "ZAST",
    "VYSKA",      "TLOUSTKA",   "BON_A",       "BON_R",      "GEN_KLAS",   "VYB_STR",
    "DR_ZAS_HA",  "DR_ZAS_CEL", "DR_KVAL",     "IMISE",      "HMOT",       "DR_TV",
    "DR_TO",      "POSKOZ_D",   "POSKOZ_R",    "PROC_SOUS",  "BZL",        "BZL_P0",
    "BZL_V",      "BZL_P",      "BZL_VYUZ",    "JP",         "JP_PUPFL",   "JP_P0",
    "JP_V",       "JP_P",       "DRUH_POZ",    "JP_VYUZ",    "JP_DRUH",    "BZL_DRUH",
    "DR_TVYB",    "TO_ZPUSOB",  "TVYB_P",      "TVYB_NAL",   "ETAT_TVYB",  "LHP_Z_OD",
    "LHP_Z_DO",   "LHP_Z_TAX",  "LHP_TAX",     "TEZ_PROC",   "NOR_PAS",    "LHC_PN_PRO",
    "LHC_IND",    "LHC_MAX",    "KAT_PAR_KOD", "PROC_HS",    "LHC_LIC",    "LHP_Z_LIC",
    "M_TEZ_PROC", "ODVOZ_TEZ",  "OLH_LIC",     "MVYCH_DO40", "DR_ZAS_TAB",
};

// The digits rule of the header counts: only the digits count, none gives 0, and a number that
// does not fit gives 0.
int32_t HeaderCount(const std::string& text) {
  int64_t value = 0;
  bool any = false;
  for (char c : text) {
    if (c < '0' || c > '9') continue;
    any = true;
    value = value * 10 + (c - '0');
    if (value > std::numeric_limits<int32_t>::max()) return 0;
  }
  return any ? static_cast<int32_t>(value) : 0;
}

const std::string kEmpty;

}  // namespace

std::string_view KnownColumnName(int number) {
  if (number < 0 || number >= kKnownColumnCount) return {};
  return kKnownNames[static_cast<size_t>(number)];
}

// Where the bytes come from: a file read block by block, or bytes held in memory.
class FstLineDecoder::Bytes {
 public:
  virtual ~Bytes() = default;
  virtual uint64_t Size() const = 0;
  // Reads up to `count` bytes from `offset` into `out` (replacing it).
  virtual void Read(uint64_t offset, size_t count, std::string& out) = 0;
};

FstLineDecoder::FstLineDecoder() { std::fill(std::begin(known_), std::end(known_), -1); }

FstLineDecoder::~FstLineDecoder() = default;

namespace {

class OpenFileBytes final : public FstLineDecoder::Bytes {
 public:
  explicit OpenFileBytes(std::FILE* file) : file_(file) {
    if (std::fseek(file_, 0, SEEK_END) == 0) {
      const long end = std::ftell(file_);
      size_ = end > 0 ? static_cast<uint64_t>(end) : 0;
    }
  }
  ~OpenFileBytes() override { std::fclose(file_); }
  uint64_t Size() const override { return size_; }
  void Read(uint64_t offset, size_t count, std::string& out) override {
    out.clear();
    if (offset >= size_) return;
    count = static_cast<size_t>(std::min<uint64_t>(count, size_ - offset));
    out.resize(count);
    if (std::fseek(file_, static_cast<long>(offset), SEEK_SET) != 0) {
      out.clear();
      return;
    }
    out.resize(std::fread(out.data(), 1, count, file_));
  }

 private:
  std::FILE* file_;
  uint64_t size_ = 0;
};

class MemoryBytes final : public FstLineDecoder::Bytes {
 public:
  explicit MemoryBytes(std::string bytes) : bytes_(std::move(bytes)) {}
  uint64_t Size() const override { return bytes_.size(); }
  void Read(uint64_t offset, size_t count, std::string& out) override {
    out.clear();
    if (offset >= bytes_.size()) return;
    out.assign(bytes_, static_cast<size_t>(offset), count);
  }

 private:
  std::string bytes_;
};

}  // namespace

bool FstLineDecoder::OpenFile(const std::string& path, const std::string& label, Report report) {
  std::FILE* file = std::fopen(platform::ResolvePath(path).c_str(), "rb");
  if (!file) {
    Start(nullptr, label, std::move(report));
    return false;
  }
  Start(std::make_unique<OpenFileBytes>(file), label, std::move(report));
  return true;
}

void FstLineDecoder::OpenBytes(std::string bytes, const std::string& label, Report report) {
  Start(std::make_unique<MemoryBytes>(std::move(bytes)), label, std::move(report));
}

void FstLineDecoder::Start(std::unique_ptr<Bytes> bytes, const std::string& label, Report report) {
  bytes_ = std::move(bytes);
  label_ = label;
  report_ = std::move(report);
  opened_ = bytes_ != nullptr;
  has_header_ = false;
  column_separator_ = value_separator_ = '\0';
  declared_lines_ = -1;
  columns_.clear();
  values_.clear();
  std::fill(std::begin(known_), std::end(known_), -1);
  odd_position_ = -1;
  block_.clear();
  block_offset_ = 0;
  index_ = 0;
  size_ = opened_ ? bytes_->Size() : 0;
  line_offset_ = 0;
  line_number_ = 0;
  at_end_ = true;
  last_text_.clear();
  if (!opened_) return;
  FillFrom(0);
  ReadHeader();
}

bool FstLineDecoder::FillFrom(uint64_t offset) {
  block_offset_ = offset;
  index_ = 0;
  bytes_->Read(offset, kFstBlockSize, block_);
  return !block_.empty();
}

int FstLineDecoder::Next() {
  const uint64_t position = block_offset_ + index_;
  if (position >= size_) {
    ++index_;  // the end is seen as a position past the last byte
    return -1;
  }
  if (index_ >= block_.size() && !FillFrom(position)) {
    ++index_;
    return -1;
  }
  return static_cast<unsigned char>(block_[index_++]);
}

int FstLineDecoder::Peek() {
  const uint64_t position = block_offset_ + index_;
  if (position >= size_) return -1;
  if (index_ >= block_.size() && !FillFrom(position)) return -1;
  return static_cast<unsigned char>(block_[index_]);
}

std::string FstLineDecoder::HeaderLine(bool& complete) {
  std::string line;
  complete = false;
  for (;;) {
    const int c = Next();
    if (c < 0) {
      complete = !line.empty();
      break;
    }
    if (c == '\n') {
      complete = true;
      break;
    }
    if (line.size() < kMaxValueLength) line.push_back(static_cast<char>(c));
  }
  if (!line.empty() && line.back() == '\r') line.pop_back();
  last_text_ = line;
  return line;
}

void FstLineDecoder::ReadHeader() {
  bool complete = false;
  const std::string first = HeaderLine(complete);
  bool ok = complete && !first.empty();
  if (ok) column_separator_ = first[0];
  const std::string second = ok ? HeaderLine(complete) : std::string();
  ok = ok && complete && !second.empty();
  if (ok) value_separator_ = second[0];
  int32_t count = 0;
  if (ok) {
    count = HeaderCount(HeaderLine(complete));
    ok = complete;
  }
  for (int32_t i = 0; ok && i < count; ++i) {
    std::string name = platform::UpperAscii(HeaderLine(complete));
    if (!complete) {
      ok = false;
      break;
    }
    columns_.push_back(std::move(name));
  }
  if (ok) {
    const std::string lines = HeaderLine(complete);
    ok = complete;
    if (ok) declared_lines_ = HeaderCount(lines);
  }
  if (!ok || columns_.empty()) {
    Tell(fmt::format("Soubor {} nemá úplnou hlavičku sloupců, jeho data se nenačtou.", label_));
    columns_.clear();
    declared_lines_ = 0;
    line_offset_ = size_;
    at_end_ = true;
    return;
  }
  has_header_ = true;
  values_.assign(columns_.size(), std::string());
  static const std::unordered_map<std::string_view, int> by_name = [] {
    std::unordered_map<std::string_view, int> map;
    for (int i = 0; i < kKnownColumnCount; ++i) map.emplace(kKnownNames[static_cast<size_t>(i)], i);
    return map;
  }();
  for (size_t i = columns_.size(); i-- > 0;) {
    // The first column of a name counts.
    auto it = by_name.find(platform::Trim(columns_[i]));
    if (it != by_name.end()) known_[it->second] = static_cast<int>(i);
  }
  odd_position_ = known_[kColODD];
  line_offset_ = block_offset_ + index_;
  at_end_ = false;
}

void FstLineDecoder::Tell(const std::string& text) const {
  if (report_) report_(text);
}

bool FstLineDecoder::AtEnd() const {
  if (!has_header_) return true;
  if (line_number_ > declared_lines_) return true;
  return !end_by_count_ && at_end_;
}

int32_t FstLineDecoder::Compartment() const {
  if (AtEnd()) return 32000;
  const std::string& odd = Known(kColODD);
  const std::string trimmed = platform::Trim(odd);
  if (trimmed.empty()) return 0;
  // A whole number (a sign allowed); anything else counts as 0.
  int64_t value = 0;
  size_t i = 0;
  const bool negative = trimmed[0] == '-';
  if (trimmed[0] == '-' || trimmed[0] == '+') i = 1;
  if (i == trimmed.size()) return 0;
  for (; i < trimmed.size(); ++i) {
    const char c = trimmed[i];
    if (c < '0' || c > '9') return 0;
    value = value * 10 + (c - '0');
    if (value > std::numeric_limits<int32_t>::max()) return 0;
  }
  return static_cast<int32_t>(negative ? -value : value);
}

const std::string& FstLineDecoder::Known(int number) const {
  const int position = KnownPosition(number);
  if (position < 0 || static_cast<size_t>(position) >= values_.size()) return kEmpty;
  return values_[static_cast<size_t>(position)];
}

int FstLineDecoder::KnownPosition(int number) const {
  if (number < 0 || number >= kKnownColumnCount) return -1;
  return known_[number];
}

void FstLineDecoder::Seek(uint64_t offset) {
  if (!opened_ || !has_header_) return;
  offset = std::min(offset, size_);
  FillFrom(offset);
  line_offset_ = offset;
  at_end_ = offset >= size_;
}

std::string FstLineDecoder::SkipRestOfLine() {
  std::string skipped;
  for (;;) {
    const int c = Next();
    if (c < 0 || c == '\n') break;
    if (skipped.size() < kMaxValueLength) skipped.push_back(static_cast<char>(c));
  }
  if (!skipped.empty() && skipped.back() == '\r') skipped.pop_back();
  return skipped;
}

void FstLineDecoder::NextLine(bool only_to_odd) {
  if (!has_header_) return;
  line_offset_ = block_offset_ + index_;
  ++line_number_;
  at_end_ = line_offset_ >= size_;
  if (AtEnd()) return;
  const size_t count = columns_.size();
  bool eof = false;
  for (size_t i = 0; i < count; ++i) {
    std::string& value = values_[i];
    value.clear();
    if (eof) continue;
    const bool last = i + 1 == count;
    bool cut = false, at_cr = false, at_separator = false;
    for (;;) {
      const int c = Next();
      if (c < 0) {
        eof = true;
        break;
      }
      if (c == static_cast<unsigned char>(column_separator_)) {
        at_separator = true;
        break;
      }
      if (c == '\r') {
        if (last) {
          at_cr = true;
          break;
        }
        continue;  // only the last value ends at the line break
      }
      if (c == '\n') {
        if (last) {
          // A line ended by LF alone: the last value ends there too.
          break;
        }
        continue;
      }
      if (value.size() < kMaxValueLength)
        value.push_back(static_cast<char>(c));
      else
        cut = true;
    }
    last_text_ = value;
    if (cut) {
      Tell(
          fmt::format("Soubor {}, řádek {}: hodnota sloupce {} je delší než {} znaků, zbytek "
                      "hodnoty přeskočen.",
                      label_, line_number_, columns_[i], kMaxValueLength));
    }
    if (only_to_odd && static_cast<int>(i) == odd_position_) {
      if (at_cr) {
        if (Peek() == '\n') Next();
      } else if (!eof && !(last && !at_separator)) {
        SkipRestOfLine();
      }
      for (size_t k = i + 1; k < count; ++k) values_[k].clear();
      return;
    }
    if (at_cr) {
      if (Peek() == '\n') Next();
    } else if (last && at_separator) {
      const std::string rest = SkipRestOfLine();
      Tell(fmt::format("Soubor {}, řádek {}: víc hodnot než sloupců, přeskočeno \"{}\".", label_,
                       line_number_, rest));
    }
  }
}

}  // namespace tarnik::plan
