#include "data/sources/part_files/part_files_source.h"

#include <fmt/format.h>

#include <memory>
#include <string>

#include "data/sources/part_files/part_chain.h"
#include "data/sources/part_files/part_file_name.h"
#include "data/sources/part_files/part_reader.h"
#include "data/sources/part_files/part_translator.h"
#include "forest/hierarchy/lhc.h"
#include "forest/hierarchy/oddeleni.h"
#include "forest/unit/compartment_list.h"
#include "forest/unit/lesni_celek.h"
#include "framework/class_register.h"
#include "framework/values/string_list.h"
#include "platform/fs.h"
#include "platform/ui.h"

namespace tarnik::plan {
namespace {

constexpr const char* kPartIndexName = "SeznamLHP160_elem";

// The unit's copy of the part index as a name=value list.
void PublishPartIndex(TLesniCelek& unit, const CompartmentList& list,
                      const std::map<std::string, int32_t>& index) {
  if (framework::TElement* old = unit.FindElementByName(kPartIndexName)) unit.FreeElement(old);
  auto* element = new framework::TStringListElement();
  element->SetName(kPartIndexName);
  for (const std::string& compartment : list.items()) {
    auto it = index.find(compartment);
    if (it != index.end()) element->SetValue(compartment, std::to_string(it->second));
  }
  unit.AddElement(element);
}

}  // namespace

PartFilesSource::PartFilesSource(std::string directory, int32_t unit)
    : directory_(std::move(directory)), unit_(unit) {}

PartFilesSource::~PartFilesSource() = default;

std::map<int32_t, std::string> PartFilesSource::Parts() const {
  std::map<int32_t, std::string> parts;
  const std::string dir = platform::NormalizePath(directory_);
  for (const std::string& name :
       platform::ListDirectory(dir, std::to_string(unit_) + ".*V", platform::kListFiles)) {
    auto part = ParsePartFileName(name);
    if (!part || part->unit != unit_) continue;
    parts.emplace(part->part, platform::JoinPath(dir, name));  // the first spelling wins
  }
  return parts;
}

std::vector<std::string> PartFilesSource::PartPaths() const {
  std::vector<std::string> paths;
  for (const auto& [number, path] : Parts()) paths.push_back(path);
  return paths;
}

bool PartFilesSource::ListCompartments(TLesniCelek& unit, CompartmentList& out) {
  index_.clear();
  for (const auto& [number, path] : Parts()) {
    TUnivStareLHP reader;
    reader.SetFileName(path);
    if (!reader.Open()) continue;
    std::optional<int32_t> last;
    for (; !reader.Eof(); reader.Next()) {
      const int32_t odd = DigitsNumber(reader.Current().D(7));
      if (last == odd) continue;
      last = odd;
      out.Add(std::to_string(odd));
      index_.emplace(PadCompartment(std::to_string(odd)), number);
    }
  }
  PublishPartIndex(unit, out, index_);
  opened_ = opened_ || !out.empty();
  return true;
}

bool PartFilesSource::ReadHeader(TLesniCelek& unit) {
  chain_ = std::make_unique<PartChain>(PartPaths());
  if (chain_->Eof()) {
    opened_ = false;
    return false;
  }
  opened_ = true;
  NactiLHC_LHP(*unit.LHC(), *chain_);
  return true;
}

TOddeleni* PartFilesSource::ReadCompartment(TLesniCelek& unit, bool /*show_progress*/) {
  if (!chain_ || chain_->Eof()) return nullptr;
  return NactiOddeleni_LHP(*chain_, unit.LogLine());
}

bool PartFilesSource::AtEnd() { return !chain_ || chain_->Eof(); }

std::optional<SourceMatch> RecognisePartFiles(const SourceQuery& query) {
  if (!query.is_directory) return std::nullopt;
  std::optional<int32_t> first;
  for (const std::string& name :
       platform::ListDirectory(query.path, "*.*V", platform::kListFiles)) {
    auto part = ParsePartFileName(name);
    if (!part) continue;
    if (!first) {
      first = part->unit;
    } else if (part->unit != *first) {
      platform::ui().ShowMessage(
          fmt::format("V adresáři {}jsou data lhc č.{} i lhc č.{}. Načítám pouze lhc č.{} .",
                      query.text, *first, part->unit, *first));
    }
  }
  if (!first) return std::nullopt;
  SourceMatch match;
  match.source = std::make_unique<PartFilesSource>(query.text, *first);
  match.lhc_kod = first;
  return match;
}

void RegisterPartFilesSource() {
  framework::RegisterElementClass<TUnivStareLHP>();
  PlanSources().Add(DetectionStep::kPartFiles, "LHP160", RecognisePartFiles);
}

}  // namespace tarnik::plan
