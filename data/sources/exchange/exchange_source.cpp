#include "data/sources/exchange/exchange_source.h"

#include <memory>
#include <string>

#include "data/sources/exchange/exchange_header.h"
#include "data/sources/exchange/fst_readers.h"
#include "platform/fs.h"

namespace tarnik::plan {

std::optional<SourceMatch> RecogniseExchangeFiles(const SourceQuery& query) {
  if (!query.is_directory || !platform::FindInDirectory(query.path, "PP.FST")) return std::nullopt;
  const auto jp = platform::FindInDirectory(query.path, "JP.FST");
  bool has_por = false;
  if (jp) {
    for (const std::string& column : StandardFileColumns(*jp)) has_por = has_por || column == "POR";
  }
  uint8_t kind = kSourceStandard97;
  if (has_por) {
    const auto katalog = platform::FindInDirectory(query.path, "KATALOG.FST");
    kind =
        katalog && FirstLineTrimmed(*katalog) == "2000" ? kSourceStandard2000 : kSourceStandard98;
  }
  SourceMatch match;
  match.source = std::make_unique<FstSource>(query.text, kind);
  match.exchange_files = true;
  return match;
}

void RegisterExchangeSource() {
  RegisterExchangeReaderClasses();
  PlanSources().Add(DetectionStep::kExchangeFiles, "FST", RecogniseExchangeFiles);
}

}  // namespace tarnik::plan
