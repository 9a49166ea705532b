#include "data/sources/part_files/part_files_source.h"

#include <fmt/format.h>

#include <memory>
#include <string>

#include "data/sources/part_files/part_file_name.h"
#include "forest/unit/source_without_reader.h"
#include "platform/fs.h"
#include "platform/ui.h"

namespace tarnik::plan {

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
  match.source = std::make_unique<SourceWithoutReader>(kSourcePartFiles);
  match.lhc_kod = first;
  return match;
}

void RegisterPartFilesSource() {
  PlanSources().Add(DetectionStep::kPartFiles, "LHP160", RecognisePartFiles);
}

}  // namespace tarnik::plan
