#include "forest/unit/source_register.h"

#include <algorithm>

#include "data/engine/plan_databases.h"
#include "platform/fs.h"
#include "platform/paths.h"
#include "platform/text.h"

namespace tarnik::plan {
namespace {

SourceRegister* installed = nullptr;

}  // namespace

void SourceRegister::Add(DetectionStep step, std::string name, Recogniser recognise) {
  if (Contains(name)) return;
  // After every entry of the same or an earlier step.
  auto at = std::find_if(entries_.begin(), entries_.end(),
                         [step](const Entry& entry) { return entry.step > step; });
  entries_.insert(at, Entry{step, std::move(name), std::move(recognise)});
}

bool SourceRegister::Contains(std::string_view name) const {
  return std::any_of(entries_.begin(), entries_.end(),
                     [name](const Entry& entry) { return entry.name == name; });
}

std::vector<std::string> SourceRegister::Names() const {
  std::vector<std::string> names;
  for (const Entry& entry : entries_) names.push_back(entry.name);
  return names;
}

SourceChoice SourceRegister::Choose(const std::string& text, bool write_manager) const {
  const SourceQuery query = MakeSourceQuery(text, write_manager);
  SourceChoice choice;
  choice.directory = query.text;
  for (const Entry& entry : entries_) {
    std::optional<SourceMatch> match = entry.recognise(query);
    if (!match || !match->source) continue;
    choice.source = std::move(match->source);
    if (match->lhc_kod) choice.lhc_kod = match->lhc_kod;
    choice.exchange_files = choice.exchange_files || match->exchange_files;
    for (Setting& setting : match->settings) choice.settings.push_back(std::move(setting));
  }
  return choice;
}

SourceRegister& PlanSources() {
  static SourceRegister process_wide;
  return installed ? *installed : process_wide;
}

SourceRegister* SetPlanSources(SourceRegister* sources) {
  SourceRegister* previous = installed;
  installed = sources;
  return previous;
}

SourceQuery MakeSourceQuery(const std::string& text, bool write_manager) {
  SourceQuery query;
  query.text = CleanDirectoryText(text);
  query.path = platform::NormalizePath(query.text);
  query.is_directory = query.text != engine::kNothingChosen && !query.path.empty() &&
                       platform::DirectoryExists(query.path);
  query.write_manager = write_manager;
  return query;
}

std::string CleanDirectoryText(const std::string& text) {
  std::string dir = platform::Trim(text);
  if (!dir.empty() && (dir.back() == '\\' || dir.back() == '/') && dir.size() > 1) dir.pop_back();
  return dir;
}

}  // namespace tarnik::plan
