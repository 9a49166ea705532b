// The sources reached through a database connection rather than a directory: the LČR plan tables
// chosen through the alias answer (kind 5, the directory dialog's answer "ALIAS",
// plan_set_source.h) and the LČR Oracle database (kind 9, a chosen text that contains
// "LCR-Oracle", lcr_source.h). They are recognised from the chosen text alone; their databases
// are named in vekta.ini (data/engine/server_connections.h) and connected on first use.
#pragma once

#include <optional>

#include "data/sources/oracle/lcr_source.h"
#include "data/sources/oracle/plan_set_source.h"
#include "forest/unit/source_register.h"

namespace tarnik::plan {

// The answer of the directory dialog's alias button.
inline constexpr const char* kAliasChoice = "ALIAS";

// The recognisers (detection step kChoice).
std::optional<SourceMatch> RecogniseAliasChoice(const SourceQuery& query);
std::optional<SourceMatch> RecogniseLcrOracle(const SourceQuery& query);

// Registers both sources with the forest unit, the alias first; further calls do nothing.
void RegisterOracleSources();

}  // namespace tarnik::plan
