// New record identifiers of a plan directory from its ID table (one row per table key with the
// last identifier issued), and the display colours of the "_br" colour codes. Identifiers are
// drawn inside one transaction, so two draws never answer the same number.
#pragma once

#include <cstdint>
#include <string>

#include "data/engine/database.h"

namespace tarnik::engine {

// Draws the next identifier for a table key ("ODDELENI", "PS", ...): a key without a row starts
// at 0, so its first identifier is 1. The key is cut to the width of the Tabulka column as the
// stored keys are. Throws EngineError when the ID table is missing.
int64_t NewIdentifier(Database& plan, const std::string& table_key);

// Colour of a colour code (-1, 0, 1, 2, 5); unknown codes answer the colour of -1.
uint32_t ColourOfCode(int code);
// Code of a colour; a colour not in the table is -1.
int CodeOfColour(uint32_t colour);

// True when the directory holds Paradox tables (*.DB, any case) but no tables.sqlite yet.
bool HoldsParadoxTablesOnly(const std::string& directory);

}  // namespace tarnik::engine
