#include "data/sources/exchange/fst_readers.h"

#include <fmt/format.h>

#include "framework/class_info.h"
#include "framework/class_register.h"
#include "framework/int_text.h"
#include "framework/values/string_list.h"
#include "platform/fs.h"
#include "platform/text.h"
#include "platform/ui.h"

namespace tarnik::plan {
namespace {

using framework::TPropDefs;
using framework::TPropInfo;

void PassedOver(const std::string& text) {
  platform::ui().ShowMessage(text, platform::Severity::kPassedOver);
}

// The carrier of a reader's header: created once, then its values follow the line last read.
framework::TStringListElement* Carrier(framework::TOwnerEntity& owner,
                                       framework::TElementRef& carrier,
                                       const std::vector<std::string>& columns,
                                       const std::vector<std::string>& values) {
  auto* list = carrier.As<framework::TStringListElement>();
  if (!list) {
    list = new framework::TStringListElement();
    list->SetName("NosicHlavicka");
    owner.AddElement(list);
    carrier = list;
    for (const std::string& column : columns) list->NextName(column);
  }
  const size_t count = std::min(columns.size(), values.size());
  for (size_t i = 0; i < count; ++i) list->SetValue(columns[i], values[i]);
  return list;
}

}  // namespace

TARNIK_DEFINE_CLASS(TPrenasecZeStandarduData, framework::TOwnerEntity,
                    &TPrenasecZeStandarduData::DefineProperties)

void TPrenasecZeStandarduData::DefineProperties(std::vector<TPropInfo>& out) {
  using R = TPrenasecZeStandarduData;
  TPropDefs<R> d(out);
  d.String("OddelovacPropert", &R::OddelovacPropert, nullptr);
  d.String("OddelovacMeziNasobnymiHodnotami", &R::OddelovacMeziNasobnymiHodnotami, nullptr);
  d.Integer("PocetHodnotHlavicky", &R::PocetHodnotHlavicky, nullptr);
  d.Integer("PocetDatovychRadku", &R::PocetDatovychRadku, nullptr);
  d.Integer("CisloNactenehoRadku", &R::CisloNactenehoRadku, &R::SetCisloNactenehoRadku);
  d.Object(
      "NosicHlavicka", framework::TStringListElement::StaticClass(),
      [](R& r) -> framework::TElement* { return r.NosicHlavicka(); }, nullptr);
  d.String(
      "CtenyStr", [](R& r) { return r.CtenyStr(); }, nullptr);
  d.Int64("SeekRadku", &R::SeekRadku, nullptr);
  d.Boolean("cistJenPoODD", &R::cistJenPoODD, &R::SetcistJenPoODD);
  d.Boolean("konecJenDleRadku", &R::konecJenDleRadku, &R::SetkonecJenDleRadku);
  d.Boolean("Konec", &R::Konec, nullptr);
  d.Integer("CisloOddeleni", &R::CisloOddeleni, nullptr);
}

void TPrenasecZeStandarduData::Open(const std::string& path) {
  decoder_.OpenFile(path, platform::FileNameOf(path), PassedOver);
  decoder_.set_end_by_count(end_by_count_);
}

void TPrenasecZeStandarduData::OpenBytes(std::string bytes, const std::string& label) {
  decoder_.OpenBytes(std::move(bytes), label, PassedOver);
  decoder_.set_end_by_count(end_by_count_);
}

std::string TPrenasecZeStandarduData::OddelovacPropert() const {
  const char c = decoder_.column_separator();
  return c ? std::string(1, c) : std::string();
}

std::string TPrenasecZeStandarduData::OddelovacMeziNasobnymiHodnotami() const {
  const char c = decoder_.value_separator();
  return c ? std::string(1, c) : std::string();
}

int32_t TPrenasecZeStandarduData::PocetHodnotHlavicky() const {
  return static_cast<int32_t>(decoder_.columns().size());
}

void TPrenasecZeStandarduData::SetkonecJenDleRadku(bool v) {
  end_by_count_ = v;
  decoder_.set_end_by_count(v);
}

framework::TStringListElement* TPrenasecZeStandarduData::NosicHlavicka() {
  return Carrier(*this, carrier_, decoder_.columns(), decoder_.values());
}

TARNIK_DEFINE_CLASS(TPrenasecZeStandarduCiselnik, framework::TOwnerEntity,
                    &TPrenasecZeStandarduCiselnik::DefineProperties)

void TPrenasecZeStandarduCiselnik::DefineProperties(std::vector<TPropInfo>& out) {
  using R = TPrenasecZeStandarduCiselnik;
  TPropDefs<R> d(out);
  d.String(
      "JmenoCiselniku", [](R& r) { return r.JmenoCiselniku(); }, nullptr);
  d.String("OddelovacPropert", &R::OddelovacPropert, nullptr);
  d.Integer("PocetHodnotHlavicky", &R::PocetHodnotHlavicky, nullptr);
  d.Integer("PocetDatovychRadku", &R::PocetDatovychRadku, nullptr);
  d.Integer("CisloNactenehoRadku", &R::CisloNactenehoRadku, &R::SetCisloNactenehoRadku);
  d.Object(
      "NosicHlavicka", framework::TStringListElement::StaticClass(),
      [](R& r) -> framework::TElement* { return r.NosicHlavicka(); }, nullptr);
  d.String(
      "CtenyStr", [](R& r) { return r.CtenyStr(); }, nullptr);
  d.String("CtenyChar", &R::CtenyChar, nullptr);
  d.Boolean("Konec", &R::Konec, nullptr);
}

void TPrenasecZeStandarduCiselnik::Open(const std::string& path) {
  OpenBytes(platform::ReadFileBytes(path).value_or(std::string()), platform::FileNameOf(path));
}

int TPrenasecZeStandarduCiselnik::Next() {
  if (position_ >= bytes_.size()) {
    last_char_ = -1;
    return -1;
  }
  last_char_ = static_cast<unsigned char>(bytes_[position_++]);
  return last_char_;
}

std::string TPrenasecZeStandarduCiselnik::Line(bool& complete) {
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
    line.push_back(static_cast<char>(c));
  }
  if (!line.empty() && line.back() == '\r') line.pop_back();
  last_text_ = line;
  return line;
}

void TPrenasecZeStandarduCiselnik::OpenBytes(std::string bytes, const std::string& label) {
  bytes_ = std::move(bytes);
  label_ = label;
  position_ = 0;
  name_.clear();
  separator_ = '\0';
  columns_.clear();
  values_.clear();
  declared_lines_ = -1;
  line_number_ = 0;
  exhausted_ = true;
  last_char_ = -1;
  last_text_.clear();
  bool complete = false;
  name_ = Line(complete);
  if (!complete) return;
  // The counts are whole numbers; a file whose counts are not cannot be read.
  const auto count = framework::WholeTextToInteger(platform::Trim(Line(complete)));
  bool ok = complete && count && *count >= 0;
  for (int32_t i = 0; ok && i < *count; ++i) {
    std::string column = platform::UpperAscii(Line(complete));
    ok = complete;
    if (ok) columns_.push_back(std::move(column));
  }
  if (ok) {
    const std::string separator = Line(complete);
    ok = complete && !separator.empty();
    if (ok) separator_ = separator[0];
  }
  std::optional<int32_t> lines;
  if (ok) {
    lines = framework::WholeTextToInteger(platform::Trim(Line(complete)));
    ok = complete && lines && *lines >= 0;
  }
  if (!ok) {
    columns_.clear();
    PassedOver(fmt::format("Číselník {} nelze načíst: jeho hlavička je chybná.", label_));
    return;
  }
  declared_lines_ = *lines;
  values_.assign(columns_.size(), std::string());
  exhausted_ = false;
}

void TPrenasecZeStandarduCiselnik::NactiDalsiRadek() {
  ++line_number_;
  if (Konec()) return;
  if (position_ >= bytes_.size()) {
    exhausted_ = true;  // fewer lines than declared
    return;
  }
  const size_t count = columns_.size();
  bool line_ended = false, bad = false;
  for (size_t i = 0; i < count; ++i) {
    std::string& value = values_[i];
    value.clear();
    if (line_ended) continue;
    for (;;) {
      const int c = Next();
      if (c < 0) {
        line_ended = true;
        break;
      }
      if (c == static_cast<unsigned char>(separator_)) break;
      if (c == '\r') {
        if (position_ < bytes_.size() && bytes_[position_] == '\n') Next();
        line_ended = true;
        break;
      }
      if (c == '\n') {
        line_ended = true;
        break;
      }
      value.push_back(static_cast<char>(c));
    }
    last_text_ = value;
    if (line_ended && i + 1 < count) bad = true;  // too few values
  }
  if (!line_ended && count > 0) {
    // More values than columns: the rest of the line is passed over.
    bad = true;
    while (true) {
      const int c = Next();
      if (c < 0 || c == '\n') break;
    }
  }
  if (bad) PassedOver("Chybná délka řádku \"" + last_text_ + "\"");
}

framework::TStringListElement* TPrenasecZeStandarduCiselnik::NosicHlavicka() {
  return Carrier(*this, carrier_, columns_, values_);
}

void RegisterExchangeReaderClasses() {
  framework::RegisterElementClass<TPrenasecZeStandarduData>();
  framework::RegisterElementClass<TPrenasecZeStandarduCiselnik>();
}

}  // namespace tarnik::plan
