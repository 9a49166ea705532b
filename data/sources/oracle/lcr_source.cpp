#include "data/sources/oracle/lcr_source.h"

#include <exception>

#include <fmt/format.h>

#include "data/engine/server_connections.h"
#include "data/sources/oracle/lcr_reader.h"
#include "data/sources/oracle/server_login.h"
#include "data/sources/oracle/unit_choice.h"
#include "forest/codelists/code_list_container.h"
#include "forest/codelists/lcr_connection_source.h"
#include "forest/hierarchy/lhc.h"
#include "forest/hierarchy/oddeleni.h"
#include "forest/unit/compartment_list.h"
#include "forest/unit/lesni_celek.h"
#include "platform/numtext.h"
#include "platform/text.h"
#include "platform/ui.h"

namespace tarnik::plan {

using engine::Value;

LcrOracleSource::LcrOracleSource() = default;

LcrOracleSource::~LcrOracleSource() {
  odd_.reset();
  connection_.reset();
}

bool LcrOracleSource::Open(TLesniCelek& unit) {
  if (connection_) return true;
  try {
    std::shared_ptr<engine::SqlConnection> db = PripojDatabazi(engine::kLcrServer);
    if (!db) {
      platform::ui().ShowMessage(NotOpenedText(engine::kLcrServer), platform::Severity::kFailure);
      return false;
    }
    const std::optional<LcrUnitVersion> chosen =
        ChooseUnitVersionIn(*db, "T_LHC", "LHC_ID", engine::kLcrServer);
    if (!chosen) return false;
    code_ = chosen->code;
    version_ = chosen->version;
    unit.LHC()->SetLHC_KOD(static_cast<int32_t>(code_));
    unit.LHC()->SetPropertyInteger("LHC_KOD_ID", static_cast<int32_t>(version_));
    connection_ = db;
    unit.Ciselnik()->SetLcrSource(std::make_unique<SqlLcrCodeSource>(connection_),
                                  std::to_string(version_));
  } catch (const std::exception& e) {
    platform::ui().ShowMessage(e.what(), platform::Severity::kFailure);
    return false;
  }
  return true;
}

void LcrOracleSource::UnbindCodeLists(tciselnik& code_lists) {
  if (connection_) code_lists.SetLcrSource(nullptr, std::string());
}

bool LcrOracleSource::ListCompartments(TLesniCelek& unit, CompartmentList& out) {
  if (!Open(unit)) return false;
  try {
    auto rows = connection_->Query("select distinct ODD from T_ODD where LHC_ID = ? and ODD <> 0",
                                   {Value(version_)});
    while (rows->Next()) {
      const std::string odd = platform::Trim(rows->AsString("ODD"));
      if (platform::TextToInt64(odd)) out.Add(odd);
    }
  } catch (const std::exception& e) {
    platform::ui().ShowMessage(e.what(), platform::Severity::kFailure);
    return false;
  }
  return true;
}

bool LcrOracleSource::ReadHeader(TLesniCelek& unit) {
  if (!Open(unit)) return false;
  try {
    odd_.reset();
    if (!ReadLcrHeader(*connection_, *unit.LHC(), code_, version_)) {
      platform::ui().ShowMessage(
          fmt::format("V tabulce T_LHC databáze \"{}\" není LHC {} (LHC_ID {}).",
                      engine::kLcrServer, code_, version_),
          platform::Severity::kFailure);
      return false;
    }
    odd_ =
        connection_->Query("select * from T_ODD where LHC_ID = ? and ODD <> 0", {Value(version_)});
    if (!odd_->Next()) odd_.reset();
  } catch (const std::exception& e) {
    odd_.reset();
    platform::ui().ShowMessage(e.what(), platform::Severity::kFailure);
    return false;
  }
  return true;
}

void LcrOracleSource::Advance() {
  try {
    if (odd_ && !odd_->Next()) odd_.reset();
  } catch (const std::exception& e) {
    odd_.reset();
    platform::ui().ShowMessage(e.what(), platform::Severity::kFailure);
  }
}

TOddeleni* LcrOracleSource::ReadCompartment(TLesniCelek& unit, bool /*show_progress*/) {
  if (!odd_) return nullptr;
  TOddeleni* compartment = nullptr;
  try {
    compartment = ReadLcrCompartment(*connection_, *odd_, version_);
  } catch (const std::exception& e) {
    platform::ui().ShowMessage(e.what(), platform::Severity::kPassedOver);
  }
  Advance();
  if (compartment) unit.Log(fmt::format("Z merku 98 načteno oddělení {}", compartment->ODD()));
  return compartment;
}

}  // namespace tarnik::plan
