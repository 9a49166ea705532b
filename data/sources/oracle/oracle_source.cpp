#include "data/sources/oracle/oracle_source.h"

#include <memory>
#include <string>

namespace tarnik::plan {

std::optional<SourceMatch> RecogniseAliasChoice(const SourceQuery& query) {
  if (query.text != kAliasChoice) return std::nullopt;
  SourceMatch match;
  match.source = std::make_unique<PlanSetSource>();
  return match;
}

std::optional<SourceMatch> RecogniseLcrOracle(const SourceQuery& query) {
  if (query.text.find("LCR-Oracle") == std::string::npos) return std::nullopt;
  SourceMatch match;
  match.source = std::make_unique<LcrOracleSource>();
  return match;
}

void RegisterOracleSources() {
  PlanSources().Add(DetectionStep::kChoice, "ALIAS", RecogniseAliasChoice);
  PlanSources().Add(DetectionStep::kChoice, "LCR-Oracle", RecogniseLcrOracle);
}

}  // namespace tarnik::plan
