#include "data/sources/oracle/unit_choice.h"

#include <utility>

#include "platform/ui.h"

namespace tarnik::plan {

namespace {
UnitVersionChooser& Installed() {
  static UnitVersionChooser chooser;
  return chooser;
}
}  // namespace

UnitVersionChooser SetUnitVersionChooser(UnitVersionChooser chooser) {
  return std::exchange(Installed(), std::move(chooser));
}

std::optional<LcrUnitVersion> ChooseUnitVersion(const std::vector<LcrUnitVersion>& units) {
  if (Installed()) return Installed()(units);
  if (units.size() == 1) return units.front();
  return std::nullopt;
}

UnitVersionChooser ChooseThe(int64_t code, int64_t version) {
  return
      [code, version](const std::vector<LcrUnitVersion>& units) -> std::optional<LcrUnitVersion> {
        for (const LcrUnitVersion& unit : units)
          if (unit.code == code && unit.version == version) return unit;
        return std::nullopt;
      };
}

std::string NoUnitVersionText(const std::string& database) {
  return "V databázi \"" + database + "\" nebyl vybrán žádný LHC.";
}

std::optional<LcrUnitVersion> ChooseUnitVersionIn(engine::SqlConnection& db,
                                                  const std::string& table,
                                                  const std::string& version_column,
                                                  const std::string& database) {
  std::vector<LcrUnitVersion> units;
  {
    auto rows = db.Query("select LHC_KOD, " + version_column + ", LHC_NAZ from " + table +
                         " order by LHC_KOD, " + version_column);
    while (rows->Next())
      units.push_back(
          {rows->AsInteger("LHC_KOD"), rows->AsInteger(version_column), rows->AsString("LHC_NAZ")});
  }  // the rows are let go before the chooser runs
  std::optional<LcrUnitVersion> chosen = ChooseUnitVersion(units);
  if (!chosen)
    platform::ui().ShowMessage(NoUnitVersionText(database), platform::Severity::kFailure);
  return chosen;
}

}  // namespace tarnik::plan
