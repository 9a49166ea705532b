// What a loaded forest unit holds, compartment by compartment: the source kind, the reader, the
// unit's code and name and the counts of sub-compartments, stands, stand groups, layers and
// species of each compartment. Walking the unit loads one compartment after the other, so only
// the counts of the compartments already seen are kept.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tarnik::plan {

class TLesniCelek;
class TOddeleni;

struct CompartmentCounts {
  int32_t odd = 0;
  int sub_compartments = 0;
  int stands = 0;
  int stand_groups = 0;
  int layers = 0;
  int species = 0;
};

struct UnitSummary {
  int source_kind = 0;
  std::string read_as;  // JakBylNacten
  int32_t lhc_kod = 0;
  std::string lhc_naz;
  std::vector<CompartmentCounts> compartments;
};

CompartmentCounts CountCompartment(TOddeleni& compartment);

// Summarises the compartment the unit holds (after ZnovuNacti) and every further one it loads
// until JeKonec; afterwards the unit holds its last compartment.
UnitSummary SummariseUnit(TLesniCelek& unit);

}  // namespace tarnik::plan
