// The unit header of a part file and its completion from the code list "SEZLHC00.DB".
#include <exception>
#include <memory>
#include <stdexcept>

#include "data/engine/table.h"
#include "data/sources/part_files/part_translator.h"
#include "forest/property_writes.h"
#include "forest/codelists/code_list_tables.h"
#include "forest/hierarchy/lhc.h"
#include "platform/clock.h"
#include "platform/fs.h"
#include "platform/text.h"
#include "platform/ui.h"

namespace tarnik::plan {
namespace {

constexpr const char* kCodeListFailed =
    "Nebudou načteny položky LHP_OD,LHP_DO,LHC_NAZ z číselníku LHC";

// Takes LHP_OD, LHP_DO and LHC_NAZ from the unit's row of SEZLHC00, when it has one; throws
// when the table cannot be read.
void CompleteFromCodeList(TLHC& lhc, const std::string& code) {
  std::unique_ptr<engine::Table> table = engine::Table::OpenPath(
      platform::JoinPath(CodeListTables::Directory(), "SEZLHC00.DB"), engine::OpenMode::kReadOnly);
  if (!table) throw std::runtime_error("SEZLHC00");
  table->SetIndexFieldNames("LHC_KOD;A");
  if (!table->FindKey({engine::Value(code)})) return;
  for (; !table->Eof() && platform::Trim(table->AsString("LHC_KOD")) == code; table->Next()) {
    if (!platform::Trim(table->AsString("A")).empty()) continue;
    const std::string od = table->AsString("LHP_OD");
    const std::string to = table->AsString("LHP_DO");
    const std::string name = table->AsString("LHC_NAZ");
    PutText(lhc, "LHP_OD", od);
    PutText(lhc, "LHP_DO", to);
    PutText(lhc, "LHC_NAZ", name);
    return;
  }
}

}  // namespace

void NactiLHC_LHP(TLHC& lhc, const PartRecords& records) {
  const PartRecord& r = records.Current();
  const std::string code_text = r.D(2) + r.D(3) + r.D(4) + r.D(5);
  const int32_t code = DigitsNumber(code_text);
  PutInt(lhc, "LHC_KOD", code);
  PutText(lhc, "LHC_NAZ", "Ze staré věty :" + code_text + "  " + r.D(1));
  PutText(lhc, "LHP_OD", platform::DateToText(platform::Today()));
  PutText(lhc, "LHP_DO", "");
  PutText(lhc, "PUVOD_DAT", "LHP 160");
  try {
    CompleteFromCodeList(lhc, std::to_string(code));
  } catch (const std::exception&) {
    platform::ui().ShowMessage(kCodeListFailed, platform::Severity::kPassedOver);
  }
}

}  // namespace tarnik::plan
