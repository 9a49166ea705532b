#include "data/sources/merk/merk_detection.h"

#include <fmt/format.h>

#include <exception>
#include <vector>

#include "data/engine/aliases.h"
#include "data/engine/database.h"
#include "data/engine/engine_error.h"
#include "data/engine/identifiers.h"
#include "data/engine/local_sql.h"
#include "data/engine/paradox_convert.h"
#include "data/engine/plan_databases.h"
#include "platform/fs.h"
#include "platform/text.h"
#include "platform/ui.h"

namespace tarnik::plan {
namespace {

bool HoldsTable(const std::string& dir, const std::string& table) {
  if (!platform::FindInDirectory(dir, engine::kDatabaseFileName)) return false;
  try {
    return engine::Database::Open(dir, engine::OpenMode::kReadOnly).TableExists(table);
  } catch (const std::exception&) {
    return false;
  }
}

}  // namespace

std::optional<SourceMatch> RecogniseMerkDatabase(const SourceQuery& query) {
  if (!query.is_directory) return std::nullopt;
  const std::string& dir = query.path;
  if (engine::HoldsParadoxTablesOnly(dir)) OfferParadoxConversion(dir);
  if (!HoldsTable(dir, "OST_POZ")) return std::nullopt;
  SourceMatch match;
  try {
    const ProbeResult probe = ProbeMerkDatabase(dir);
    match.source = std::make_unique<MerkSource>(query.text, probe.kind);
    match.lhc_kod = probe.lhc_kod;
  } catch (const std::exception& e) {
    platform::ui().ShowMessage(e.what(), platform::Severity::kFailure);
    return std::nullopt;
  }
  if (query.write_manager) match.settings.emplace_back("MANAGER", "NE");
  match.settings.emplace_back("DATA", "PATH=" + query.text);
  return match;
}

void RegisterMerkSource() {
  PlanSources().Add(DetectionStep::kDatabase, "Merk", RecogniseMerkDatabase);
}

ProbeResult ProbeMerkDatabase(const std::string& directory) {
  engine::Database probe = engine::OpenProbe(directory);
  if (!probe.TableExists("LHC"))
    throw engine::EngineError(fmt::format("V adresáři \"{}\" chybí tabulka LHC.DB.", directory));
  engine::Query query(probe);
  query.SetSql("SELECT * FROM {}", {"LHC"});
  query.Open();
  ProbeResult result;
  result.kind = query.FindField("LHC_PN_PRO") ? kSourceMerk98 : kSourceMerk97;
  result.lhc_kod = query.IsEmpty() ? 0 : static_cast<int32_t>(query.AsInteger("LHC_KOD"));
  return result;
}

bool OfferParadoxConversion(const std::string& directory) {
  if (!engine::HoldsParadoxTablesOnly(directory))
    return platform::FindInDirectory(directory, engine::kDatabaseFileName).has_value();
  std::vector<std::string> dirs = {directory};
  const std::string phs = engine::PhsDirectoryOf(directory);
  if (engine::HoldsParadoxTablesOnly(phs)) dirs.push_back(platform::ResolvePath(phs));
  std::string where = fmt::format("V adresáři \"{}\"", dirs[0]);
  std::string commands = fmt::format("\"tarnik convert-paradox {}\"", dirs[0]);
  if (dirs.size() > 1) {
    where = fmt::format("V adresářích \"{}\" a \"{}\"", dirs[0], dirs[1]);
    commands += fmt::format(" a \"tarnik convert-paradox {}\"", dirs[1]);
  }
  const std::string question = fmt::format(
      "{} jsou tabulky Paradox (*.DB), které ještě nejsou převedeny do tables.sqlite. Převést je "
      "nyní? Totéž provede příkaz {}.",
      where, commands);
  const auto answer = platform::ui().MessageBox(question, "", platform::MsgType::kConfirmation,
                                                {platform::Button::kYes, platform::Button::kNo});
  if (answer != platform::Button::kYes) return false;
  for (const std::string& dir : dirs) {
    try {
      const engine::ParadoxConversion conversion = engine::ConvertParadoxDirectory(dir);
      for (const auto& table : conversion.tables) {
        if (table.outcome == engine::ConvertedTable::Outcome::kFailed)
          platform::ui().ShowMessage(table.message);
      }
    } catch (const engine::EngineError& e) {
      platform::ui().ShowMessage(e.what(), platform::Severity::kFailure);
    }
  }
  return platform::FindInDirectory(directory, engine::kDatabaseFileName).has_value();
}

}  // namespace tarnik::plan
