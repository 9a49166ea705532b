// The choice of the unit version (LHC_KOD with its version) that a source reached through a
// server database reads: the front end installs a chooser (the window's unit list, the command
// line's option); without one the only unit version of the list is taken, and a list of several
// chooses none. The chooser is process-wide and lives until replaced.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "data/engine/sql_connection.h"

namespace tarnik::plan {

struct LcrUnitVersion {
  int64_t code = 0;
  int64_t version = 0;
  std::string name;
  bool operator==(const LcrUnitVersion&) const = default;
};

using UnitVersionChooser =
    std::function<std::optional<LcrUnitVersion>(const std::vector<LcrUnitVersion>& units)>;

// Installs a chooser (nullptr: the default) and answers the previous one.
UnitVersionChooser SetUnitVersionChooser(UnitVersionChooser chooser);
// Asks the installed chooser.
std::optional<LcrUnitVersion> ChooseUnitVersion(const std::vector<LcrUnitVersion>& units);
// A chooser that picks the given pair when the list holds it.
UnitVersionChooser ChooseThe(int64_t code, int64_t version);

// The message when no unit version was chosen from a database.
std::string NoUnitVersionText(const std::string& database);

// Lists the unit versions `table` holds (LHC_KOD, `version_column`, LHC_NAZ, in that order) and
// asks the installed chooser; when none is chosen, shows NoUnitVersionText(database) as a
// failure. Query failures throw the connection's exceptions.
std::optional<LcrUnitVersion> ChooseUnitVersionIn(engine::SqlConnection& db,
                                                  const std::string& table,
                                                  const std::string& version_column,
                                                  const std::string& database);

}  // namespace tarnik::plan
