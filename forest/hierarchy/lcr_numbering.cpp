#include "forest/hierarchy/lcr_numbering.h"

#include <exception>
#include <optional>
#include <string>

#include "data/engine/table.h"
#include "forest/codelists/code_list_tables.h"
#include "platform/fs.h"
#include "platform/numtext.h"
#include "platform/text.h"
#include "platform/ui.h"

namespace tarnik::plan {
namespace {

constexpr const char* kMissingMessage =
    "V tabulce \"\\ciselnik\\LHC_LCR.DB\" není uveden LHC_KOD A LHC_KOD_LCR exportovaného LHC. "
    "V XML bude uveden LHC_KOD pro státní správu.";

// The partner code of `key` in the table, nullopt on any failure.
std::optional<int32_t> Partner(const char* table, const char* key_column, int32_t key,
                               const char* result_column) {
  try {
    auto opened = engine::Table::OpenPath(
        platform::JoinPath(CodeListTables::Directory(), std::string(table) + ".DB"),
        engine::OpenMode::kReadOnly);
    if (!opened) return std::nullopt;
    opened->SetIndexFieldNames(key_column);
    if (!opened->FindKey({engine::Value(static_cast<int64_t>(key))})) return std::nullopt;
    const std::optional<int32_t> partner =
        platform::TextToInt(platform::Trim(opened->AsString(result_column)));
    return partner;
  } catch (const std::exception&) {
    return std::nullopt;
  }
}

}  // namespace

int32_t LhcKodProXml(int32_t lhc_kod, bool export_pro_lcr) {
  std::optional<int32_t> translated;
  if (export_pro_lcr && lhc_kod > 99999) {
    translated = Partner("LHC_LCR", "LHC_KOD", lhc_kod, "LHC_KOD_LCR");
  } else if (!export_pro_lcr && lhc_kod < 100000) {
    translated = Partner("LHC_SSL_LCR", "LHC_KOD_LCR", lhc_kod, "LHC_KOD");
  } else {
    return lhc_kod;
  }
  if (translated) return *translated;
  platform::ui().ShowMessage(kMissingMessage);
  return lhc_kod;
}

}  // namespace tarnik::plan
