// The sources reached through a database connection rather than a directory: a database chosen
// through an alias (kind 5, the directory dialog's answer "ALIAS") and the LČR Oracle database
// (kind 9, a chosen text that contains "LCR-Oracle"). They are recognised from the chosen text
// alone; their compartments cannot be read yet, so the sources have no reader.
#pragma once

#include <cstdint>
#include <optional>

#include "forest/unit/source_register.h"

namespace tarnik::plan {

inline constexpr uint8_t kSourceAlias = 5;
inline constexpr uint8_t kSourceLcrOracle = 9;

// The answer of the directory dialog's alias button.
inline constexpr const char* kAliasChoice = "ALIAS";

// The recognisers (detection step kChoice).
std::optional<SourceMatch> RecogniseAliasChoice(const SourceQuery& query);
std::optional<SourceMatch> RecogniseLcrOracle(const SourceQuery& query);

// Registers both sources with the forest unit, the alias first; further calls do nothing.
void RegisterOracleSources();

}  // namespace tarnik::plan
