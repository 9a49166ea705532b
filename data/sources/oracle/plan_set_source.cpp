#include "data/sources/oracle/plan_set_source.h"

#include <exception>

#include <fmt/format.h>

#include "data/engine/server_connections.h"
#include "data/sources/oracle/plan_set_reader.h"
#include "data/sources/oracle/server_login.h"
#include "data/sources/oracle/unit_choice.h"
#include "forest/hierarchy/lhc.h"
#include "forest/hierarchy/oddeleni.h"
#include "forest/unit/compartment_list.h"
#include "forest/unit/lesni_celek.h"
#include "platform/ui.h"

namespace tarnik::plan {

using engine::Value;

PlanSetSource::PlanSetSource() = default;

PlanSetSource::~PlanSetSource() {
  reader_.reset();
  connection_.reset();
}

bool PlanSetSource::Open(TLesniCelek& unit) {
  if (connection_) return true;
  try {
    std::unique_ptr<engine::SqlConnection> db = PripojDatabazi(engine::kLhpServer);
    if (!db) {
      platform::ui().ShowMessage(NotOpenedText(engine::kLhpServer), platform::Severity::kFailure);
      return false;
    }
    const std::optional<LcrUnitVersion> chosen =
        ChooseUnitVersionIn(*db, "LHC", "LHC_KOD_ID", engine::kLhpServer);
    if (!chosen) return false;
    code_ = chosen->code;
    version_ = chosen->version;
    unit.LHC()->SetLHC_KOD(static_cast<int32_t>(code_));
    unit.LHC()->SetPropertyInteger("LHC_KOD_ID", static_cast<int32_t>(version_));
    connection_ = std::move(db);
  } catch (const std::exception& e) {
    platform::ui().ShowMessage(e.what(), platform::Severity::kFailure);
    return false;
  }
  return true;
}

bool PlanSetSource::ListCompartments(TLesniCelek& unit, CompartmentList& out) {
  if (!Open(unit)) return false;
  try {
    auto rows =
        connection_->Query("select distinct ODD from POROST where LHC_KOD = ? and LHC_KOD_ID = ?",
                           {Value(code_), Value(version_)});
    while (rows->Next()) out.Add(std::to_string(rows->AsInteger("ODD")));
  } catch (const std::exception& e) {
    platform::ui().ShowMessage(e.what(), platform::Severity::kFailure);
    return false;
  }
  return true;
}

bool PlanSetSource::ReadHeader(TLesniCelek& unit) {
  if (!Open(unit)) return false;
  try {
    reader_ = std::make_unique<PlanSetReader>(*connection_, code_, version_,
                                              [&unit](const std::string& t) { unit.Log(t); });
    if (!reader_->ReadHeader(*unit.LHC())) {
      reader_.reset();
      platform::ui().ShowMessage(
          fmt::format("V tabulce LHC databáze \"{}\" není LHC {} (LHC_KOD_ID {}).",
                      engine::kLhpServer, code_, version_),
          platform::Severity::kFailure);
      return false;
    }
    unit.Log("Z IDC načteny polozky LHC ");
    reader_->Start();
  } catch (const std::exception& e) {
    reader_.reset();
    platform::ui().ShowMessage(e.what(), platform::Severity::kFailure);
    return false;
  }
  return true;
}

TOddeleni* PlanSetSource::ReadCompartment(TLesniCelek& unit, bool /*show_progress*/) {
  if (!reader_ || reader_->AtEnd()) return nullptr;
  TOddeleni* compartment = nullptr;
  try {
    compartment = reader_->ReadCompartment();
  } catch (const std::exception& e) {
    // The rows cannot be walked on: the data end here.
    reader_.reset();
    platform::ui().ShowMessage(e.what(), platform::Severity::kPassedOver);
  }
  if (compartment) unit.Log(fmt::format("Z merku 98 načteno oddělení {}", compartment->ODD()));
  return compartment;
}

bool PlanSetSource::AtEnd() { return !reader_ || reader_->AtEnd(); }

}  // namespace tarnik::plan
