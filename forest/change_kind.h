// The change kind of a stored record and its texts: "nezmenilse" (unchanged), "bylNoveZaveden"
// (newly entered), "BudeSmazan" (to be deleted). Pure functions; an unknown text is reported
// through the UI seam.
#pragma once

#include <string>

namespace tarnik::plan {

enum class ChangeKind { kUnchanged = 0, kNew = 1, kToDelete = 2 };

std::string ChangeKindText(ChangeKind kind);
// Compares lower-cased; any other text shows "Neznám typZmeny ="<text>"" and answers kUnchanged.
ChangeKind ChangeKindFromText(const std::string& text);

}  // namespace tarnik::plan
