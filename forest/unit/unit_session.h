// Opening a forest unit without the window: the unit is created and entered in the world's object
// model, locates the plan data in the given directory, builds its compartment list and loads the
// first compartment, and its code lists are filled from the plan-wide tables. The answer is the
// unit, or the failure text when the directory holds no plan data. Messages on the way go through
// the Ui; an unanswerable question (QuestionUnanswered) is let through to the caller.
#pragma once

#include <functional>
#include <string>

namespace tarnik::plan {

class TLesniCelek;

// The text shown when a directory holds no plan data.
inline constexpr const char* kNoPlanData = "V adresáři \"\" nejsou data LHP";

struct UnitSessionOptions {
  bool write_manager = false;
  bool add_to_world = true;  // entered in the world's object model, which then owns it
  std::function<void(const std::string&)> log;  // the unit's progress texts; may be empty
  // Without the window nothing shows the colours: the unit reads without property metadata
  // (what the exports write does not depend on it).
  bool no_colours = true;
};

struct UnitSession {
  // The unit, owned by the world's object model (add_to_world) or by the caller; nil on failure.
  TLesniCelek* unit = nullptr;
  std::string failure;
  bool ok() const { return unit != nullptr; }
};

UnitSession OpenUnitSession(const std::string& directory, const UnitSessionOptions& options = {});

// Frees a session's unit from the world's object model (or deletes it when it is not there).
void CloseUnitSession(UnitSession& session);

}  // namespace tarnik::plan
