#include "data/sources/oracle/oracle_source.h"

#include <memory>
#include <string>

#include "forest/unit/source_without_reader.h"

namespace tarnik::plan {
namespace {

SourceMatch Match(uint8_t kind) {
  SourceMatch match;
  match.source = std::make_unique<SourceWithoutReader>(kind);
  return match;
}

}  // namespace

std::optional<SourceMatch> RecogniseAliasChoice(const SourceQuery& query) {
  if (query.text != kAliasChoice) return std::nullopt;
  return Match(kSourceAlias);
}

std::optional<SourceMatch> RecogniseLcrOracle(const SourceQuery& query) {
  if (query.text.find("LCR-Oracle") == std::string::npos) return std::nullopt;
  return Match(kSourceLcrOracle);
}

void RegisterOracleSources() {
  PlanSources().Add(DetectionStep::kChoice, "ALIAS", RecogniseAliasChoice);
  PlanSources().Add(DetectionStep::kChoice, "LCR-Oracle", RecogniseLcrOracle);
}

}  // namespace tarnik::plan
