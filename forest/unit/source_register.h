// The recognisers of the plan sources and the choice of source for a chosen directory text. Each
// source registers its recogniser once at program start under a name and a detection step; the
// recognisers run in the order of their steps (within a step, in the order of registration), each
// match keeps its side effects (the unit code it read, the exchange-file directory, the settings
// it stores in vekta.ini) and the last match's source wins. The register owns its recognisers;
// the process-wide one lives as long as the program. Recognisers report through the Ui and throw
// nothing but an unanswerable question (platform::QuestionUnanswered), which stops the caller.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "forest/unit/plan_source.h"

namespace tarnik::plan {

// The order in which the forms of plan data are looked for.
enum class DetectionStep {
  kChoice,         // the chosen text itself (the alias answer, an Oracle connection)
  kPartFiles,      // old plan part files in the directory
  kExchangeFiles,  // standard exchange files in the directory
  kDatabase,       // a planning database in the directory
};

// What a recogniser looks at.
struct SourceQuery {
  std::string text;            // the chosen text trimmed, without one trailing separator
  std::string path;            // the text with this system's separators
  bool is_directory = false;   // path names an existing directory (never the cancel answer)
  bool write_manager = false;  // the database choice is also stored under MANAGER
};

// Key and value in section DATABASE of vekta.ini.
using Setting = std::pair<std::string, std::string>;

// What a recogniser answers for data it recognises.
struct SourceMatch {
  std::unique_ptr<PlanSource> source;  // not nil
  std::optional<int32_t> lhc_kod;      // the unit code read on the way
  bool exchange_files = false;         // the directory holds exchange files (AdresarStandardu)
  std::vector<Setting> settings;       // written in this order
};

using Recogniser = std::function<std::optional<SourceMatch>(const SourceQuery&)>;

// The outcome of running every recogniser.
struct SourceChoice {
  std::string directory;               // the query's text
  std::unique_ptr<PlanSource> source;  // the last match's; nil when nothing was recognised
  std::optional<int32_t> lhc_kod;      // the code of the last match that read one
  bool exchange_files = false;         // some match found exchange files
  std::vector<Setting> settings;       // every match's settings, in the order of the matches
};

class SourceRegister {
 public:
  // Adds a recogniser; a second one under a name already registered is ignored.
  void Add(DetectionStep step, std::string name, Recogniser recognise);
  bool Contains(std::string_view name) const;
  // The names in the order the recognisers run.
  std::vector<std::string> Names() const;
  // Runs the recognisers on the chosen text.
  SourceChoice Choose(const std::string& text, bool write_manager) const;

 private:
  struct Entry {
    DetectionStep step;
    std::string name;
    Recogniser recognise;
  };
  std::vector<Entry> entries_;  // in running order
};

// The register the forest unit chooses its source from.
SourceRegister& PlanSources();
// Installs another register (nullptr restores the process-wide one) and answers the previous.
SourceRegister* SetPlanSources(SourceRegister* sources);

// Installs a register for a scope (tests).
class ScopedPlanSources {
 public:
  explicit ScopedPlanSources(SourceRegister* sources) : previous_(SetPlanSources(sources)) {}
  ~ScopedPlanSources() { SetPlanSources(previous_); }
  ScopedPlanSources(const ScopedPlanSources&) = delete;
  ScopedPlanSources& operator=(const ScopedPlanSources&) = delete;

 private:
  SourceRegister* previous_;
};

// The chosen text as the recognisers see it: trimmed, one trailing "\" or "/" removed.
std::string CleanDirectoryText(const std::string& text);

// The query of a chosen text: the cleaned text, its path and whether that names a directory.
SourceQuery MakeSourceQuery(const std::string& text, bool write_manager = false);

}  // namespace tarnik::plan
