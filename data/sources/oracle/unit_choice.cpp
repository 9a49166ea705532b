#include "data/sources/oracle/unit_choice.h"

#include <utility>

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

}  // namespace tarnik::plan
