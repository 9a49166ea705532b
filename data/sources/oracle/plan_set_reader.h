// The reader of the LČR plan tables (the "LHP_ORAC" database: LHC, POROST, POROST_SKUP, ETAZ,
// DREVINA, DREV_ZALES, SKODY, PREKRYV, BEZLESI, JINE_POZ), keyed by the unit code and version and
// the designations of the parents. The stand rows of the unit come from one query over POROST;
// consecutive rows with the same ODD and ODD_ID form one compartment (ODD_ID as its RId). Columns
// go to the properties of their own names, except the organisation levels OR_UR1_KOD to
// OR_UR3_KOD, the stand's one POR_TEXT line and OBJ_SOUSI for PROC_SOUS; no colours. Every value
// is a bound parameter, designations compare without trailing blanks. Database failures
// propagate as EngineError.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "data/engine/sql_connection.h"

namespace tarnik::plan {

class TLHC;
class TOddeleni;

class PlanSetReader {
 public:
  // `db` outlives the reader; `progress` receives "načten porost <designation>" (may be empty).
  PlanSetReader(engine::SqlConnection& db, int64_t code, int64_t version,
                std::function<void(const std::string&)> progress);
  ~PlanSetReader();

  // The unit's LHC row; false when there is none.
  bool ReadHeader(TLHC& lhc);
  // Opens the stand rows of the unit.
  void Start();
  bool AtEnd() const { return !stands_; }
  // The compartment of the next stand rows; a fresh element no entity holds (nil at the end).
  TOddeleni* ReadCompartment();

 private:
  engine::SqlConnection& db_;
  int64_t code_, version_;
  std::function<void(const std::string&)> progress_;
  std::unique_ptr<engine::SqlResult> stands_;  // on the next row; nil at the end
};

}  // namespace tarnik::plan
