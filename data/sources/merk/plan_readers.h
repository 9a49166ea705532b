// Readers of the planning database into the forest plan model: the unit header into TLHC and one
// compartment with everything below it into a TOddeleni subtree, for the current and the older
// table set. Failures are reported through the Ui seam (duplicate keys, "Chyba při načítání ... : "
// + the element's designation) and reading goes on; only a question the front end cannot answer
// (platform::QuestionUnanswered) passes through. Species volumes are kept as the tables store them
// (with bark, restored from STAV_ZPRAC), whatever the program's bark option. Only the older set
// writes progress texts. Binding the unit's code lists to the plan-wide tables is the caller's.
#pragma once

#include <functional>
#include <string>

namespace tarnik::engine {
class PlanTables;
}

namespace tarnik::plan {

class TCiselKelva;
class TLHC;
class TOddeleni;
class tciselnik;
namespace readers {
class ColumnMapStore;
}

struct PlanReadContext {
  engine::PlanTables* tables = nullptr;              // positioned on the current TB_ODD row
  TCiselKelva* ciselnik = nullptr;                   // code lists (office code, bark); may be null
  bool no_colours = false;                           // no property metadata, no colour columns
  bool older_set = false;                            // the older table set
  bool national_park = false;                        // VerzeProPark1: the national-park columns
  std::function<void(const std::string&)> progress;  // progress line texts; may be empty
  // The unit's code-list container: the forest office of a cadastral area (LES_URAD replaced
  // from KU_KOD). May be null: LES_URAD then stays as stored.
  tciselnik* code_lists = nullptr;
  // Column positions the readers resolved, kept by the owner of `tables` from one compartment to
  // the next (valid while those tables live); may be null: each compartment resolves them anew.
  readers::ColumnMapStore* column_maps = nullptr;
};

// Fills the header from the single row of TB_LHC (older set: its reduced column list).
void NactiHlavickuLHC(TLHC& lhc, PlanReadContext& ctx);

// Reads the compartment at TB_ODD's current row with everything below it, completes it and
// advances TB_ODD. Answers nullptr when TB_ODD is at its end (or missing).
// Ownership: the answer is a fresh heap element that no entity holds yet. The caller hands it to
// the LHC's compartment set with AddElement (the set then owns it and frees it with the set or
// when the caller frees the previous compartment); a caller that does not add it must delete it.
TOddeleni* NactiOddeleni(PlanReadContext& ctx);

}  // namespace tarnik::plan
