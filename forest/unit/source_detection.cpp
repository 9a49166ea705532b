#include "forest/unit/source_detection.h"

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
#include "forest/unit/source_files.h"
#include "platform/fs.h"
#include "platform/text.h"
#include "platform/ui.h"

namespace tarnik::plan {
namespace {

// Step "part files": the first part file names the unit; part files of other units are reported
// and ignored.
void DetectPartFiles(const std::string& dir, SourceDetection& result) {
  std::optional<int32_t> first;
  for (const std::string& name : platform::ListDirectory(dir, "*.*V", platform::kListFiles)) {
    auto part = ParsePartFileName(name);
    if (!part) continue;
    if (!first) {
      first = part->unit;
      result.lhc_kod = part->unit;
    } else if (part->unit != *first) {
      platform::ui().ShowMessage(
          fmt::format("V adresáři {}jsou data lhc č.{} i lhc č.{}. Načítám pouze lhc č.{} .",
                      result.directory, *first, part->unit, *first));
    }
    result.kind = kSourcePartFiles;
  }
}

// Step "exchange files": JP.FST's header tells the 97 form from the later ones, KATALOG.FST's
// first line the 2000 form from the 98 one.
void DetectStandardFiles(const std::string& dir, SourceDetection& result) {
  if (!platform::FindInDirectory(dir, "PP.FST")) return;
  const auto jp = platform::FindInDirectory(dir, "JP.FST");
  bool has_por = false;
  if (jp) {
    for (const std::string& column : StandardFileColumns(*jp)) has_por = has_por || column == "POR";
  }
  if (has_por) {
    const auto katalog = platform::FindInDirectory(dir, "KATALOG.FST");
    result.kind =
        katalog && FirstLineTrimmed(*katalog) == "2000" ? kSourceStandard2000 : kSourceStandard98;
  } else {
    result.kind = kSourceStandard97;
  }
  result.standard_files = true;
}

bool HoldsTable(const std::string& dir, const std::string& table) {
  if (!platform::FindInDirectory(dir, engine::kDatabaseFileName)) return false;
  try {
    return engine::Database::Open(dir, engine::OpenMode::kReadOnly).TableExists(table);
  } catch (const std::exception&) {
    return false;
  }
}

// Step "database": a directory with the other-land table is a Merk database.
void DetectMerkDatabase(const std::string& dir, SourceDetection& result) {
  if (engine::HoldsParadoxTablesOnly(dir)) OfferParadoxConversion(dir);
  if (!HoldsTable(dir, "OST_POZ")) return;
  try {
    ProbeResult probe = ProbeMerkDatabase(dir);
    result.kind = probe.kind;
    result.lhc_kod = probe.lhc_kod;
  } catch (const std::exception& e) {
    platform::ui().ShowMessage(e.what(), platform::Severity::kFailure);
  }
}

}  // namespace

std::string CleanDirectoryText(const std::string& text) {
  std::string dir = platform::Trim(text);
  if (!dir.empty() && (dir.back() == '\\' || dir.back() == '/') && dir.size() > 1) dir.pop_back();
  return dir;
}

SourceDetection DetectSource(const std::string& text) {
  SourceDetection result;
  result.directory = CleanDirectoryText(text);
  if (result.directory == kAliasChoice) result.kind = kSourceAlias;
  if (result.directory.find("LCR-Oracle") != std::string::npos) result.kind = kSourceLcrOracle;
  const std::string dir = platform::NormalizePath(result.directory);
  if (result.directory == engine::kNothingChosen) return result;
  if (dir.empty() || !platform::DirectoryExists(dir)) return result;
  DetectPartFiles(dir, result);
  DetectStandardFiles(dir, result);
  DetectMerkDatabase(dir, result);
  return result;
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
